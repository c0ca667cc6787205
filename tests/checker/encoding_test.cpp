// UTF-8 validity, CP932 reading and writing back.
#include "checker/encoding.h"

#include <gtest/gtest.h>

using checker::Encoding;

TEST(IsUtf8, AcceptsOnlyWellFormedSequences) {
  const struct {
    std::string bytes;
    bool valid;
  } cases[] = {
      {"", true},
      {"plain ascii text, longer than eight bytes", true},
      {"\xE3\x81\x82\xF0\x9F\x98\x80\xC2\xA9", true},
      {"\xC0\x80", false},          // overlong NUL
      {"\xE0\x80\xAF", false},      // overlong "/"
      {"\xED\xA0\x80", false},      // surrogate
      {"\xF4\x90\x80\x80", false},  // above U+10FFFF
      {"\xE3\x81", false},          // cut short
      {"abcdefgh\x82\xA0", false},  // CP932 after an ASCII run
      {"\x80", false},
  };
  for (const auto& c : cases) EXPECT_EQ(checker::IsUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(Decode, ReadsCp932AndWritesTheSameBytesBack) {
  // "データ, 値" and the half-width katakana ｱ, with a yen-less backslash.
  const std::string bytes = "\x83\x66\x81\x5B\x83\x5E, \x92\x6C \xB1 \\";
  const checker::DecodedText d = checker::Decode(bytes);
  EXPECT_EQ(d.encoding, Encoding::Cp932);
  EXPECT_TRUE(d.exact);
  EXPECT_EQ(d.text, "データ, 値 ｱ \\");
  EXPECT_EQ(checker::Encode(d.text, Encoding::Cp932), bytes);
}

TEST(Decode, UnreadableBytesBecomeReplacementsInTheReadingNeedingFewer) {
  // Mostly CP932 with one byte CP932 lacks (0xFD): shown as CP932.
  const checker::DecodedText cp = checker::Decode("\x82\xA0\x82\xA2\xFD");
  EXPECT_EQ(cp.text, "あい\xEF\xBF\xBD");
  EXPECT_FALSE(cp.exact);
  // Mostly UTF-8 with one stray byte: shown as UTF-8.
  const checker::DecodedText utf = checker::Decode("\xE3\x81\x82\xE3\x81\x84\x80");
  EXPECT_EQ(utf.text, "あい\xEF\xBF\xBD");
  EXPECT_EQ(utf.encoding, Encoding::Utf8);
  EXPECT_FALSE(utf.exact);
}

TEST(Encode, RefusesACharacterWithoutACp932Code) {
  EXPECT_EQ(checker::Encode("\xF0\x9F\x98\x80", Encoding::Cp932), std::nullopt);
  EXPECT_EQ(checker::Encode("\xF0\x9F\x98\x80", Encoding::Utf8), "\xF0\x9F\x98\x80");
}

TEST(Decode, KeepsTheByteOrderMarkOutOfTheTextAndWritesItBack) {
  const checker::DecodedText d = checker::Decode("\xEF\xBB\xBFx\r\n");
  EXPECT_EQ(d.encoding, Encoding::Utf8Bom);
  EXPECT_EQ(d.text, "x\r\n");
  EXPECT_EQ(checker::Encode(d.text, d.encoding), "\xEF\xBB\xBFx\r\n");
}
