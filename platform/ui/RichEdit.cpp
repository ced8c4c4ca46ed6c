#include "platform/ui/RichEdit.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <stdexcept>

#include "platform/ui/Cp1252.h"
#include "platform/ui/FontConversion.h"
#include "platform/ui/RichTextConversion.h"
#include "platform/ui/RtfReader.h"
#include "platform/ui/RtfWriter.h"
#include "platform/ui/Services.h"

namespace ui {

namespace {

QString decodePlainText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(bytes);
  if (utf8.hasError())
    text = decodeCp1252(std::string_view(bytes.constData(), std::size_t(bytes.size())));
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // The line end after the last line ends it; it starts no empty line, so a
  // saved text reads back with the lines it had.
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text;
}

}  // namespace

RichEdit::RichEdit(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);  // pasted text is plain, as in the original editor
}

void RichEdit::loadFromFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error(
        QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()).toStdString());
  const QByteArray bytes = file.readAll();
  const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
  if (!plainTextMode_ && looksLikeRtf(view))
    setRichDocument(readRtf(view));
  else
    setPlainText(decodePlainText(bytes));
  setModified(false);
}

void RichEdit::saveToFile(const QString& path) const {
  QByteArray bytes;
  if (plainTextMode_) {
    bytes = lines().join(QStringLiteral("\r\n")).toUtf8();
    if (lineCount() > 0) bytes += "\r\n";
  } else {
    bytes = QByteArray::fromStdString(writeRtf(richDocument()));
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw std::runtime_error(QStringLiteral("Cannot create file \"%1\". %2")
                                 .arg(path, file.errorString())
                                 .toStdString());
}

QStringList RichEdit::lines() const {
  QStringList list;
  if (document()->isEmpty()) return list;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
    QString text = b.text();
    text.replace(QChar(0x2028), QLatin1Char('\n'));
    list << text;
  }
  return list;
}

int RichEdit::lineCount() const { return document()->isEmpty() ? 0 : document()->blockCount(); }

void RichEdit::addLine(const QString& line) {
  QTextCursor c(document());
  c.movePosition(QTextCursor::End);
  if (!document()->isEmpty()) c.insertBlock();
  QTextCharFormat f;
  f.setFont(document()->defaultFont());
  f.setForeground(
      QColor(gdi::GetRValue(fontColor_), gdi::GetGValue(fontColor_), gdi::GetBValue(fontColor_)));
  c.insertText(line, f);
}

bool RichEdit::modified() const { return document()->isModified(); }

void RichEdit::setModified(bool on) { document()->setModified(on); }

gdi::Font RichEdit::defaultFont() const {
  gdi::Font base;
  base.color = fontColor_;
  return toGdiFont(document()->defaultFont(), base);
}

void RichEdit::setDefaultFont(const gdi::Font& font) {
  const QFont f = toQFont(font);
  fontColor_ = gdi::colorToRGB(font.color);
  document()->setDefaultFont(f);
  setFont(f);
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  QTextCharFormat format;
  format.setFont(f);
  format.setForeground(
      QColor(gdi::GetRValue(fontColor_), gdi::GetGValue(fontColor_), gdi::GetBValue(fontColor_)));
  all.mergeCharFormat(format);
  QTextCursor c = textCursor();
  c.setCharFormat(format);
  setTextCursor(c);
}

gdi::Font RichEdit::fontAt(int position) const {
  QTextCursor c(document());
  c.setPosition(std::clamp(position, 0, std::max(0, document()->characterCount() - 1)));
  // The format of the character after the position.
  c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  const QTextCharFormat q = c.charFormat();
  gdi::Font base;
  base.color = fontColor_;
  QFont f = q.font();
  if (!q.hasProperty(QTextFormat::FontPointSize) && !q.hasProperty(QTextFormat::FontPixelSize)) {
    const QFont d = document()->defaultFont();
    if (d.pixelSize() > 0)
      f.setPixelSize(d.pixelSize());
    else
      f.setPointSizeF(d.pointSizeF());
  }
  gdi::Font g = toGdiFont(f, base);
  if (q.foreground().style() != Qt::NoBrush) {
    const QColor col = q.foreground().color();
    g.color = gdi::RGB(col.red(), col.green(), col.blue());
  }
  return g;
}

RichDocument RichEdit::richDocument() const { return fromTextDocument(*document()); }

void RichEdit::setRichDocument(const RichDocument& doc) { toTextDocument(doc, *document()); }

void RichEdit::print(const QString& title) const { printer().printDocument(*document(), title); }

}  // namespace ui
