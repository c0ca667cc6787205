// The checker's loader: line ends, the question after 10000 lines, the
// pairwise join, the decoding, and the folder/name split.
#include "checker/text_loader.h"

#include <gtest/gtest.h>

using checker::JoinLines;
using checker::ReadTextLines;
using core::Answer;
using core::Msg;
using Lines = std::vector<std::string>;

namespace {

Lines Read(std::string_view bytes, core::Reporter& report) {
  const std::vector<std::string_view> views = ReadTextLines(bytes, report);
  return Lines(views.begin(), views.end());
}

}  // namespace

TEST(ReadTextLines, CrLfAndLoneCrEndALineALoneLfStaysInside) {
  const struct {
    const char* bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\nb\n", {"a\nb\n"}},
      {"\r\n", {""}},
      {"\r\n\r\nx", {"", "", "x"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\r\nb", {"a\n", "b"}},
      {"a\n\rb", {"a\n", "b"}},
  };
  for (const auto& c : cases) {
    core::RecordingReporter report;
    EXPECT_EQ(Read(c.bytes, report), c.lines) << c.bytes;
    EXPECT_TRUE(report.shown.empty());
  }
}

TEST(ReadTextLines, AsksOnceRightAfterTheTenThousandthLine) {
  const struct {
    int lines;
    bool crlfAtEnd;
    std::vector<Answer> answers;
    size_t questions, kept;
  } cases[] = {
      {9999, true, {}, 0, 9999},
      {10000, true, {Answer::Ok}, 1, 10000},
      {10000, false, {Answer::Ok}, 1, 10000},
      {10000, true, {Answer::Cancel}, 1, 10000},
      {10001, true, {Answer::Ok}, 1, 10000},
      {25000, false, {Answer::Cancel}, 1, 25000},
  };
  for (const auto& c : cases) {
    std::string bytes;
    for (int i = 1; i <= c.lines; ++i)
      bytes += std::to_string(i) + (i < c.lines || c.crlfAtEnd ? "\r\n" : "");
    core::RecordingReporter report;
    report.answers.assign(c.answers.begin(), c.answers.end());
    const Lines lines = Read(bytes, report);
    EXPECT_EQ(report.shown, std::vector<Msg>(c.questions, Msg::ReadOver)) << c.lines;
    ASSERT_EQ(lines.size(), c.kept) << c.lines;
    EXPECT_EQ(lines.back(), std::to_string(c.kept)) << c.lines;
  }
}

TEST(JoinLines, GivesThePlainJoinForEverySize) {
  std::vector<size_t> sizes;
  for (size_t n = 0; n <= 70; ++n) sizes.push_back(n);
  for (size_t n : {127, 128, 129, 1000, 1023, 1025, 4097, 100001}) sizes.push_back(n);
  for (const size_t n : sizes) {
    Lines lines;
    std::string plain;
    for (size_t i = 0; i < n; ++i) {
      // Empty lines and lines of many lengths, so that a piece in the wrong
      // place shows.
      lines.push_back(i % 5 == 3 ? ""
                                 : std::to_string(i * 7919 % 1000003) + std::string(i % 11, 'x'));
      if (i > 0) plain += "\r\n";
      plain += lines.back();
    }
    EXPECT_EQ(JoinLines(std::vector<std::string_view>(lines.begin(), lines.end())), plain) << n;
  }
}

TEST(LoadText, DecodesUtf8AsItIsAndOtherBytesAsCp932) {
  const struct {
    std::string bytes;
    std::string text;
    checker::Encoding encoding;
    bool faithful;
  } cases[] = {
      {"x\r\n\xE3\x81\x82\r\n", "x\r\n\xE3\x81\x82", checker::Encoding::Utf8, true},
      {"x\r\n\x82\xA0\r\n", "x\r\n\xE3\x81\x82", checker::Encoding::Cp932, true},
      {"a\nb", "a\nb", checker::Encoding::Utf8, true},
      // CP932's second code of the same character is not written back.
      {"\xED\x40", "\xE7\xBA\x8A", checker::Encoding::Cp932, false},
      // Bytes that neither reads.
      {"ok\xFF", "ok\xEF\xBF\xBD", checker::Encoding::Utf8, false},
      // U+2028 in the file: the editor would take it for a break.
      {"a\xE2\x80\xA8"
       "b",
       "a\xE2\x80\xA8"
       "b",
       checker::Encoding::Utf8, false},
  };
  for (const auto& c : cases) {
    core::RecordingReporter report;
    const checker::LoadedText t = checker::LoadText(c.bytes, report);
    EXPECT_EQ(t.text, c.text) << c.bytes;
    EXPECT_EQ(t.encoding, c.encoding) << c.bytes;
    EXPECT_EQ(t.faithful, c.faithful) << c.bytes;
  }
}

TEST(SplitPath, CutsAfterTheLastSlashBeforeTheLastCharacter) {
  const struct {
    const char *path, *folder, *name;
  } cases[] = {
      {"/data/g01.dat", "/data/", "g01.dat"},
      {"/g01.dat", "/", "g01.dat"},
      {"/a/b/", "/a/", "b/"},
      {"g01.dat", "", "g01.dat"},
      {"/", "", "/"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const checker::FolderAndName s = checker::SplitPath(c.path);
    EXPECT_EQ(s.folder, c.folder) << c.path;
    EXPECT_EQ(s.name, c.name) << c.path;
  }
}
