#include "platform/ui/Cp1252.h"

namespace ui {

namespace {

// 0x80..0x9F; the rest of the page is Latin-1. Unassigned bytes map to
// themselves, as the platform's conversion did.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char16_t fromCp1252(std::uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
  return char16_t(byte);
}

int toCp1252(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == c) return 0x80 + i;
  return -1;
}

QString decodeCp1252(std::string_view bytes) {
  QString s;
  s.reserve(qsizetype(bytes.size()));
  for (char b : bytes) s += QChar(fromCp1252(std::uint8_t(b)));
  return s;
}

}  // namespace ui
