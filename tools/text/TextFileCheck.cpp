#include "tools/text/TextFileCheck.h"

#include <algorithm>

namespace tools {

bool looksLikeText(const QByteArray& bytes) {
  const qsizetype n = std::min(bytes.size(), kTextCheckBytes);
  qsizetype control = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c == 0) return false;
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') ++control;
  }
  // A stray escape or two is still text; a picture's header is not.
  return control * 10 <= n;
}

}  // namespace tools
