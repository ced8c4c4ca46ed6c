#pragma once
// Whether a file's bytes can be shown as text at all. The notepad reads RTF
// and plain text; a picture or a program opened by mistake would fill it with
// noise, so it is refused with a message instead.
#include <QByteArray>

namespace tools {

// How much of the file's start is looked at.
constexpr qsizetype kTextCheckBytes = 8192;

// False when the start of `bytes` holds a NUL byte or mostly control
// characters other than tabs, line ends and form feeds. An empty file is text.
bool looksLikeText(const QByteArray& bytes);

}  // namespace tools
