#pragma once
// The Windows Western code page, in which RTF files and the program's plain
// text files write characters outside ASCII.
#include <QString>
#include <cstdint>
#include <string_view>

namespace ui {

char16_t fromCp1252(std::uint8_t byte);
// The byte for `c`, or -1 when the code page has no such character.
int toCp1252(char16_t c);
QString decodeCp1252(std::string_view bytes);

}  // namespace ui
