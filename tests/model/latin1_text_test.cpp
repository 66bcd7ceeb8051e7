#include "model/latin1_text.h"

#include <gtest/gtest.h>

TEST(Latin1TextTest, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int c = 1; c <= 255; ++c) all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
  EXPECT_EQ(Latin1ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
}

TEST(Latin1TextTest, ACharacterOutsideLatin1BecomesOneQuestionMark) {
  EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC 5"), "? 5");  // euro sign, three bytes
  EXPECT_EQ(Utf8ToLatin1("a\xF0\x9F\x98\x80"
                         "b"),
            "a?b");                             // emoji, four bytes
  EXPECT_EQ(Utf8ToLatin1("\xC4\x8D"), "?");     // c with caron, two bytes
  EXPECT_EQ(Utf8ToLatin1("\xC2\xA0"), "\xA0");  // no-break space is kept
}
