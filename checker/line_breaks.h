// Line breaks of the checker's text: the normalisation of "改行変換"
// (NormaliseLineBreaks), and the form in which the text lives in the
// window's editor (EditorText, FileText).
//
// A file's text, as the loader joins it, has CR LF between its lines and may
// hold lone LFs inside them. The editor breaks a line at either, and marks a
// lone LF with "↵" (U+21B5) before the break, so that such files show line by
// line and still save to the same bytes. It holds the lines in blocks of a
// few lines each, separated inside a block by U+2028 (the editor's line
// separator) and between blocks by paragraph breaks: a million lines would
// take the editor seconds as a million paragraphs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace checker {

// The text cut at every line break and joined again with CR LF. A break is,
// from left to right: CR LF, LF CR, a lone CR or a lone LF; a pair counts
// once. Breaks at the start or the end stay (as empty first or last lines).
std::string NormaliseLineBreaks(std::string_view text);

// True when NormaliseLineBreaks would change nothing: every CR is followed
// by an LF and every LF follows a CR.
bool IsNormalised(std::string_view text);

// "↵" in UTF-8: the mark of a lone LF in the editor.
inline constexpr std::string_view kLoneLfMark = "\xE2\x86\xB5";

// Lines per editor block for a text of `lineCount` lines: 1 (one paragraph
// per line) up to 50000 lines, more beyond, keeping under 50000 blocks.
int32_t LinesPerBlock(int64_t lineCount);

// The number of lines of a joined text: its CR LFs and lone LFs, plus one.
int64_t CountEditorLines(std::string_view fileText);

// The editor form of a joined text (CR LF between lines, lone LFs inside):
// UTF-8 with "\n" between blocks of `linesPerBlock` lines and U+2028 between
// the lines inside a block; a lone LF becomes "↵" and a break.
std::string EditorText(std::string_view fileText, int32_t linesPerBlock);

// The joined text of the editor's text (UTF-8, with U+2029 or "\n" between
// blocks and U+2028 inside them): "↵" before a break, or alone, is a lone
// LF; any other break is CR LF. Made in place: no text grows on the way.
std::string FileText(std::string editorText);

// False when the text holds a character that the editor would take for a
// break or a mark ("↵", U+2028, U+2029, U+FDD0, U+FDD1), or starts with a
// byte order mark (U+FEFF), so that it would not come back the same.
bool EditorShowsFaithfully(std::string_view text);

}  // namespace checker
