#pragma once
// Reads RTF into a RichDocument: fonts (font table), sizes, bold, italic,
// underline, strike-out, colours (colour table), paragraphs and their
// alignment, line breaks and tabs, \'hh bytes in the Windows Western code
// page, \uN characters with \ucN fallback skipping, and the common special
// characters. Pictures, objects, headers, style sheets, information blocks
// and every {\* ...} group the reader does not know are skipped.
//
// Any input gives a document: unbalanced braces, huge numbers, cut-off
// escapes and very deep nesting (groups below kMaxDepth are skipped) are
// read as far as they make sense.
#include <string_view>

#include "platform/ui/RichDocument.h"

namespace ui {

constexpr int kRtfMaxDepth = 200;

// True when the bytes start (after blanks) with "{\rtf".
bool looksLikeRtf(std::string_view bytes);
RichDocument readRtf(std::string_view bytes);

}  // namespace ui
