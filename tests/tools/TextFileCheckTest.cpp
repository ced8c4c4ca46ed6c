#include "tools/text/TextFileCheck.h"

#include <gtest/gtest.h>

TEST(TextFileCheck, TextAndRtfPassPicturesAndProgramsDoNot) {
  EXPECT_TRUE(tools::looksLikeText(QByteArray()));
  EXPECT_TRUE(tools::looksLikeText("plain\r\n\ttabbed\fpage\r\n"));
  EXPECT_TRUE(tools::looksLikeText("{\\rtf1\\ansi hello\\par}"));
  EXPECT_TRUE(tools::looksLikeText(QByteArray("caf\xe9 \xc3\xa9t\xc3\xa9")));  // cp1252, UTF-8
  EXPECT_TRUE(tools::looksLikeText("escape \x1b[1m once in a long enough line of text"));

  EXPECT_FALSE(tools::looksLikeText(QByteArray("BM\x36\0\0\0", 6)));
  EXPECT_FALSE(
      tools::looksLikeText(QByteArray("\x7f"
                                      "ELF\x02\x01\x01",
                                      7)));
  // Control bytes everywhere but no NUL: still not text.
  QByteArray noise;
  for (int i = 0; i < 400; ++i) noise += char(1 + i % 31);
  EXPECT_FALSE(tools::looksLikeText(noise));
  // Only the start is looked at.
  QByteArray late(tools::kTextCheckBytes, 'a');
  late += QByteArray(10, '\0');
  EXPECT_TRUE(tools::looksLikeText(late));
}
