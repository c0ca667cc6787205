// The checker's text loader, without the window: a file's bytes cut into
// lines (ReadTextLines, with the question after the 10000th line), the lines
// joined by pairwise merging (JoinLines), the text decoded for showing
// (LoadText), and the split of a path into its folder and name (SplitPath).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "checker/encoding.h"
#include "core/report.h"

namespace checker {

// Lines read before the user is asked whether to stop reading.
inline constexpr int32_t kReadOverLines = 10000;

// The lines of `bytes` without their line ends. A line ends at CR LF or at a
// lone CR; a lone LF stays inside the line. A last line without a line end
// counts; a line end at the very end starts no further line, so a file with
// and without its final CR LF gives the same lines, and no bytes give none.
// Right after line `limit` is stored, ReadOver is asked (also when it is the
// last line): OK keeps the lines read so far, Cancel reads on without
// asking again. The lines point into `bytes`, which must outlive them.
std::vector<std::string_view> ReadTextLines(std::string_view bytes, core::Reporter& report,
                                            int32_t limit = kReadOverLines);

// The lines joined with CR LF between them and none after the last, by
// pairwise merging: pieces 2k-1 and 2k become piece k, an odd last piece
// moves on unchanged, until one piece is left. That is about log2(n) passes,
// each copying the text once, from one buffer into another, never a piece
// at a time onto a growing string. No lines give "", one line gives it.
std::string JoinLines(const std::vector<std::string_view>& lines);

// A file's text as the checker shows it.
struct LoadedText {
  std::string text;                    // UTF-8; lines joined with CR LF, lone LFs kept
  Encoding encoding = Encoding::Utf8;  // how the bytes were read, and are written back
  // False when the text cannot be shown so that saving it gives the same
  // bytes again (undecodable bytes, characters the editor takes for line
  // breaks): the checker then opens it read-only.
  bool faithful = true;
  int32_t lineCount = 0;  // lines kept (after the ReadOver question)
};

// Reads `bytes` (a whole file) as the checker does: lines with the ReadOver
// question, joined, decoded as UTF-8 when they are valid UTF-8 and as CP932
// otherwise. Any bytes are accepted.
LoadedText LoadText(std::string_view bytes, core::Reporter& report);

// A path cut after its last "/" (searched from the second-last character
// leftwards, so a final "/" stays in the name): the folder keeps the "/".
// A path without "/" is all name.
struct FolderAndName {
  std::string folder;
  std::string name;
};
FolderAndName SplitPath(const std::string& path);

}  // namespace checker
