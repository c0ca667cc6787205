// Line break normalisation and the editor's form of the text.
#include "checker/line_breaks.h"

#include <gtest/gtest.h>

using checker::EditorText;
using checker::FileText;
using checker::NormaliseLineBreaks;

namespace {

// The editor hands its text back with U+2029 between paragraphs.
std::string AsEditorGivesIt(std::string text) {
  std::string out;
  for (const char c : text) out += c == '\n' ? std::string("\xE2\x80\xA9") : std::string(1, c);
  return out;
}

}  // namespace

TEST(NormaliseLineBreaks, CutsAtEveryBreakAndJoinsWithCrLf) {
  const struct {
    const char *in, *out;
  } cases[] = {
      {"a\rb\nc\n\rd\r\ne", "a\r\nb\r\nc\r\nd\r\ne"},
      {"\r\nx", "\r\nx"},
      {"a\r\n\r\nb", "a\r\n\r\nb"},
      {"x\n", "x\r\n"},
      {"\n\n", "\r\n\r\n"},
      {"\r\r", "\r\n\r\n"},
      {"a\n\r\nb", "a\r\n\r\nb"},  // LF CR is one break, then a lone LF
      {"", ""},
      {"plain", "plain"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseLineBreaks(c.in), c.out) << c.in;
}

TEST(IsNormalised, SaysWhetherNormalisingChangesAnything) {
  const char* texts[] = {"",    "a",    "a\r\nb", "\r\n\r\n", "a\nb",  "a\rb",  "a\r",
                         "\na", "\n\r", "\r\r\n", "\r\n\n",   "x\r\n", "\r\n\r"};
  for (const char* t : texts) EXPECT_EQ(checker::IsNormalised(t), NormaliseLineBreaks(t) == t) << t;
}

TEST(EditorText, MarksLoneLfsAndGroupsLinesInBlocks) {
  EXPECT_EQ(EditorText("a\r\nb\nc", 1), "a\nb\xE2\x86\xB5\nc");
  EXPECT_EQ(EditorText("a\r\nb\r\nc\r\nd", 2),
            "a\xE2\x80\xA8"
            "b\nc\xE2\x80\xA8"
            "d");
  EXPECT_EQ(EditorText("", 3), "");
}

TEST(EditorText, ComesBackAsTheSameFileText) {
  const char* texts[] = {"",
                         "a",
                         "a\r\nb",
                         "a\nb",
                         "\n",
                         "\r\n",
                         "a\n\r\n\nb\r\n",
                         "\r\n\r\nx\n",
                         "x\n\n\n",
                         "\xE3\x81\x82\r\n\xE2\x86\x92\n"};
  for (const char* t : texts) {
    for (const int32_t perBlock : {1, 2, 3, 7}) {
      const std::string editor = EditorText(t, perBlock);
      EXPECT_EQ(FileText(editor), t) << t << " " << perBlock;
      EXPECT_EQ(FileText(AsEditorGivesIt(editor)), t) << t << " " << perBlock;
    }
  }
}

TEST(EditorText, BreaksTypedInTheEditorAreCrLfAndAMarkAloneIsALoneLf) {
  // A paragraph break or a line separator typed by the user, and a mark
  // whose break was deleted.
  EXPECT_EQ(FileText("a\xE2\x80\xA9"
                     "b\xE2\x80\xA8"
                     "c"),
            "a\r\nb\r\nc");
  EXPECT_EQ(FileText("a\xE2\x86\xB5"
                     "b"),
            "a\nb");
}

TEST(EditorText, NormalisingChangesOnlyTheBreaks) {
  // What "改行変換" does in the window: back to the file text, normalised,
  // and into the editor again: the same lines, no marks left.
  const std::string file = "a\nb\r\nc\n\n";
  const std::string normal = EditorText(NormaliseLineBreaks(file), 1);
  EXPECT_EQ(normal, "a\nb\nc\n\n");
  EXPECT_EQ(FileText(normal), "a\r\nb\r\nc\r\n\r\n");
}

TEST(LinesPerBlock, KeepsTheEditorUnderFiftyThousandBlocks) {
  const struct {
    int64_t lines;
    int32_t perBlock;
  } cases[] = {{0, 1}, {1, 1}, {50000, 1}, {50001, 2}, {1000000, 20}, {1000001, 21}};
  for (const auto& c : cases) EXPECT_EQ(checker::LinesPerBlock(c.lines), c.perBlock) << c.lines;
  EXPECT_EQ(checker::CountEditorLines("a\r\nb\nc"), 3);
}

TEST(EditorShowsFaithfully, RefusesTheCharactersTheEditorTakesForBreaks) {
  EXPECT_TRUE(checker::EditorShowsFaithfully("a\r\nb\n\xE3\x81\x82\t\x01"));
  for (const char* taken :
       {"\xE2\x86\xB5", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xEF\xB7\x90", "\xEF\xB7\x91"})
    EXPECT_FALSE(checker::EditorShowsFaithfully(std::string("x") + taken + "x")) << taken;
  // U+FEFF only where the editor drops it: at the start.
  EXPECT_FALSE(checker::EditorShowsFaithfully("\xEF\xBB\xBFx"));
  EXPECT_TRUE(checker::EditorShowsFaithfully("x\xEF\xBB\xBF"));
}
