#include "platform/ui/RtfReader.h"

#include <map>
#include <unordered_set>
#include <utility>

#include "platform/ui/Cp1252.h"
#include "platform/ui/RtfTokenizer.h"

namespace ui {

bool looksLikeRtf(std::string_view bytes) {
  std::size_t i = 0;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
  while (i < bytes.size() &&
         (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
    ++i;
  return bytes.substr(i, 5) == "{\\rtf";
}

namespace {

enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState {
  CharFormat format;
  Alignment alignment = Alignment::Left;
  int ucSkip = 1;
  Destination destination = Destination::Text;
  bool starred = false;  // {\* seen: an unknown destination word skips the group
};

// Destinations whose contents are not text of the document.
bool isSkippedDestination(std::string_view w) {
  static const std::unordered_set<std::string_view> skipped = {"pict",         "object",
                                                               "objdata",      "header",
                                                               "headerl",      "headerr",
                                                               "headerf",      "footer",
                                                               "footerl",      "footerr",
                                                               "footerf",      "info",
                                                               "stylesheet",   "footnote",
                                                               "annotation",   "atnid",
                                                               "atnauthor",    "xe",
                                                               "tc",           "txe",
                                                               "themedata",    "colorschememapping",
                                                               "latentstyles", "datastore",
                                                               "listtable",    "listoverridetable",
                                                               "rsidtbl",      "generator",
                                                               "filetbl",      "revtbl",
                                                               "fldinst",      "nonshppict",
                                                               "shp",          "shpinst",
                                                               "sp",           "pn",
                                                               "bkmkstart",    "bkmkend",
                                                               "template",     "userprops",
                                                               "docvar",       "xmlnstbl",
                                                               "mmathPr",      "pgdsctbl",
                                                               "protusertbl",  "wgrffmtfilter",
                                                               "fchars",       "lchars",
                                                               "comment",      "title",
                                                               "subject",      "author",
                                                               "operator",     "keywords",
                                                               "doccomm",      "company",
                                                               "category",     "ftnsep",
                                                               "ftnsepc",      "aftnsep",
                                                               "aftnsepc",     "panose",
                                                               "falt",         "fontemb",
                                                               "fontfile"};
  return skipped.count(w) > 0;
}

class Reader {
 public:
  RichDocument read(std::string_view bytes);

 private:
  void startGroup();
  void endGroup();
  void word(const RtfToken& t);
  void symbol(char s);
  void character(char16_t c);
  void byte(std::uint8_t b);
  void endParagraph();
  bool skipping() const { return overflow_ > 0 || state_.destination == Destination::Skip; }

  GroupState state_;
  std::vector<GroupState> stack_;
  int overflow_ = 0;     // groups opened beyond the depth limit
  int pendingSkip_ = 0;  // fallback characters still to drop after \uN
  int defaultFont_ = 0;
  std::map<int, QString> fonts_;
  int fontId_ = 0;
  QString fontName_;
  std::vector<std::optional<gdi::TColor>> colors_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colorSet_ = false;
  RichDocument doc_;
  Paragraph paragraph_;
};

RichDocument Reader::read(std::string_view bytes) {
  RtfTokenizer tokens(bytes);
  for (RtfToken t = tokens.next(); t.kind != RtfToken::End; t = tokens.next()) {
    switch (t.kind) {
      case RtfToken::GroupStart:
        startGroup();
        break;
      case RtfToken::GroupEnd:
        endGroup();
        break;
      case RtfToken::ControlWord:
        word(t);
        break;
      case RtfToken::ControlSymbol:
        symbol(t.symbol);
        break;
      case RtfToken::HexByte:
      case RtfToken::Text:
        byte(t.byte);
        break;
      case RtfToken::End:
        break;
    }
  }
  if (!paragraph_.runs.empty()) doc_.paragraphs.push_back(paragraph_);
  return std::move(doc_);
}

void Reader::startGroup() {
  pendingSkip_ = 0;
  if (overflow_ > 0 || int(stack_.size()) >= kRtfMaxDepth) {
    ++overflow_;
    return;
  }
  stack_.push_back(state_);
  state_.starred = false;
}

void Reader::endGroup() {
  pendingSkip_ = 0;
  if (overflow_ > 0) {
    --overflow_;
    return;
  }
  if (stack_.empty()) return;  // an extra closing brace
  if (state_.destination == Destination::FontTable && !fontName_.trimmed().isEmpty())
    fonts_[fontId_] = fontName_.trimmed();
  if (state_.destination == Destination::FontTable) fontName_.clear();
  state_ = stack_.back();
  stack_.pop_back();
}

void Reader::endParagraph() {
  paragraph_.alignment = state_.alignment;
  doc_.paragraphs.push_back(std::move(paragraph_));
  paragraph_ = {};
}

void Reader::word(const RtfToken& t) {
  if (overflow_ > 0) return;
  const std::string_view w = t.word;
  const int p = t.param;
  const bool on = !t.hasParam || p != 0;
  if (pendingSkip_ > 0 && !skipping()) {
    --pendingSkip_;  // a control word counts as one fallback character
    return;
  }
  // Destinations.
  if (w == "fonttbl") {
    state_.destination = Destination::FontTable;
    return;
  }
  if (w == "colortbl") {
    state_.destination = Destination::ColorTable;
    colors_.clear();
    return;
  }
  const bool starred = std::exchange(state_.starred, false);
  if (isSkippedDestination(w) || (starred && w != "fldrslt")) {
    state_.destination = Destination::Skip;
    return;
  }
  if (state_.destination == Destination::Skip) return;
  // Unicode characters, in the text and in face names alike.
  if (w == "uc") {
    state_.ucSkip = std::clamp(p, 0, 16);
    return;
  }
  if (w == "u") {
    character(char16_t(std::uint16_t(std::int16_t(p))));
    pendingSkip_ = state_.ucSkip;
    return;
  }
  if (state_.destination == Destination::FontTable) {
    if (w == "f") {
      fontId_ = p;
      fontName_.clear();
    }
    return;
  }
  if (state_.destination == Destination::ColorTable) {
    const int v = std::clamp(p, 0, 255);
    if (w == "red")
      red_ = v, colorSet_ = true;
    else if (w == "green")
      green_ = v, colorSet_ = true;
    else if (w == "blue")
      blue_ = v, colorSet_ = true;
    return;
  }
  CharFormat& f = state_.format;
  if (w == "par" || w == "sect" || w == "page")
    endParagraph();
  else if (w == "line")
    character(0x2028);
  else if (w == "tab")
    character('\t');
  else if (w == "pard")
    state_.alignment = Alignment::Left;
  else if (w == "ql")
    state_.alignment = Alignment::Left;
  else if (w == "qc")
    state_.alignment = Alignment::Center;
  else if (w == "qr")
    state_.alignment = Alignment::Right;
  else if (w == "qj")
    state_.alignment = Alignment::Justify;
  else if (w == "plain") {
    const auto it = fonts_.find(defaultFont_);
    f = CharFormat{};
    f.font = it != fonts_.end() ? it->second : QString();
  } else if (w == "b")
    f.bold = on;
  else if (w == "i")
    f.italic = on;
  else if (w == "strike")
    f.strike = on;
  else if (w == "ulnone")
    f.underline = false;
  else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulwave" ||
           w == "ulth" || w == "uldashd" || w == "uldashdd")
    f.underline = on;
  else if (w == "f") {
    const auto it = fonts_.find(p);
    if (it != fonts_.end()) f.font = it->second;
  } else if (w == "deff")
    defaultFont_ = p;
  else if (w == "fs")
    f.halfPoints = std::clamp(t.hasParam ? p : 24, 2, 3276);
  else if (w == "cf") {
    f.color = p > 0 && std::size_t(p) < colors_.size() ? colors_[std::size_t(p)] : std::nullopt;
  } else if (w == "emdash")
    character(0x2014);
  else if (w == "endash")
    character(0x2013);
  else if (w == "bullet")
    character(0x2022);
  else if (w == "lquote")
    character(0x2018);
  else if (w == "rquote")
    character(0x2019);
  else if (w == "ldblquote")
    character(0x201C);
  else if (w == "rdblquote")
    character(0x201D);
  else if (w == "emspace" || w == "enspace" || w == "qmspace")
    character(' ');
}

void Reader::symbol(char s) {
  if (overflow_ > 0) return;
  if (s == '*') {
    state_.starred = true;
    return;
  }
  if (pendingSkip_ > 0 && !skipping()) {
    --pendingSkip_;
    return;
  }
  switch (s) {
    case '\\':
    case '{':
    case '}':
      byte(std::uint8_t(s));
      break;
    case '~':
      character(0x00A0);
      break;
    case '_':
      character(0x2011);
      break;
    case '\n':
      if (state_.destination == Destination::Text) endParagraph();
      break;
    case '\t':
      character('\t');
      break;
    default:
      break;  // \- optional hyphen, \: index entries and the like
  }
}

void Reader::byte(std::uint8_t b) {
  if (skipping()) return;
  if (pendingSkip_ > 0) {
    --pendingSkip_;
    return;
  }
  character(fromCp1252(b));
}

void Reader::character(char16_t c) {
  if (skipping()) return;
  if (c < 0x20 && c != '\t') return;  // control characters are not text
  switch (state_.destination) {
    case Destination::Text:
      if (state_.format.font.isEmpty()) {
        // Text before any \f is in the document's default font.
        CharFormat f = state_.format;
        const auto it = fonts_.find(defaultFont_);
        if (it != fonts_.end()) f.font = it->second;
        paragraph_.append(QString(QChar(c)), f);
      } else {
        paragraph_.append(QString(QChar(c)), state_.format);
      }
      break;
    case Destination::FontTable:
      if (c == ';') {
        if (!fontName_.trimmed().isEmpty()) fonts_[fontId_] = fontName_.trimmed();
        fontName_.clear();
      } else if (c >= 0x20 && c != 0x2028 && c != 0x2029) {
        fontName_ += QChar(c);
      }
      break;
    case Destination::ColorTable:
      if (c == ';') {
        colors_.push_back(colorSet_ ? std::optional(gdi::RGB(red_, green_, blue_)) : std::nullopt);
        red_ = green_ = blue_ = 0;
        colorSet_ = false;
      }
      break;
    case Destination::Skip:
      break;
  }
}

// Lone UTF-16 surrogates (a \u pair cut apart) become U+FFFD.
void repairSurrogates(RichDocument& doc) {
  for (Paragraph& p : doc.paragraphs)
    for (TextRun& r : p.runs) {
      QString& s = r.text;
      for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
          ++i;
          continue;
        }
        if (s[i].isSurrogate()) s[i] = QChar(QChar::ReplacementCharacter);
      }
    }
}

}  // namespace

RichDocument readRtf(std::string_view bytes) {
  Reader reader;
  RichDocument doc = reader.read(bytes);
  repairSurrogates(doc);
  return doc;
}

}  // namespace ui
