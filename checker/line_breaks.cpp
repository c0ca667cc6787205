#include "checker/line_breaks.h"

namespace checker {

namespace {

constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";       // U+2028
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";  // U+2029

// The length of the editor break at text[i] ("\n", U+2028, U+2029), or 0.
size_t EditorBreakAt(std::string_view text, size_t i) {
  if (text[i] == '\n') return 1;
  const std::string_view rest = text.substr(i, 3);
  return rest == kLineSeparator || rest == kParagraphSeparator ? 3 : 0;
}

}  // namespace

std::string NormaliseLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  const size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    // CR LF and LF CR are one break each.
    const char other = c == '\r' ? '\n' : '\r';
    if (i + 1 < n && text[i + 1] == other) ++i;
    out += "\r\n";
  }
  return out;
}

int32_t LinesPerBlock(int64_t lineCount) {
  constexpr int64_t kMaxBlocks = 50000;
  if (lineCount <= kMaxBlocks) return 1;
  return static_cast<int32_t>((lineCount + kMaxBlocks - 1) / kMaxBlocks);
}

int64_t CountEditorLines(std::string_view fileText) {
  int64_t lines = 1;
  for (const char c : fileText) lines += c == '\n';  // every break holds one LF
  return lines;
}

std::string EditorText(std::string_view fileText, int32_t linesPerBlock) {
  std::string out;
  out.reserve(fileText.size() + fileText.size() / 8);
  int32_t inBlock = 1;  // lines begun in the current block
  auto lineBreak = [&] {
    if (inBlock >= linesPerBlock) {
      out += '\n';
      inBlock = 1;
    } else {
      out += kLineSeparator;
      ++inBlock;
    }
  };
  const size_t n = fileText.size();
  size_t i = 0;
  while (i < n) {
    const size_t lf = fileText.find('\n', i);
    if (lf == std::string_view::npos) {
      out.append(fileText.substr(i));
      break;
    }
    const bool crlf = lf > i && fileText[lf - 1] == '\r';
    out.append(fileText.substr(i, lf - i - (crlf ? 1 : 0)));
    if (!crlf) out += kLoneLfMark;
    lineBreak();
    i = lf + 1;
  }
  return out;
}

std::string FileText(std::string_view editorText) {
  std::string out;
  out.reserve(editorText.size() + editorText.size() / 16);
  const size_t n = editorText.size();
  size_t i = 0;
  while (i < n) {
    // Copy up to the next byte that may begin a break or a mark.
    size_t j = i;
    while (j < n && editorText[j] != '\n' && editorText[j] != '\xE2') ++j;
    out.append(editorText.substr(i, j - i));
    if (j == n) break;
    if (editorText.substr(j, 3) == kLoneLfMark) {
      out += '\n';
      j += 3;
      if (j < n && EditorBreakAt(editorText, j) != 0) j += EditorBreakAt(editorText, j);
    } else if (const size_t b = EditorBreakAt(editorText, j)) {
      out += "\r\n";
      j += b;
    } else {
      out += editorText[j++];
    }
    i = j;
  }
  return out;
}

bool EditorShowsFaithfully(std::string_view text) {
  static constexpr std::string_view kTaken[] = {
      kLoneLfMark, kLineSeparator, kParagraphSeparator, "\xEF\xB7\x90", "\xEF\xB7\x91"};
  for (const std::string_view t : kTaken)
    if (text.find(t) != std::string_view::npos) return false;
  // A byte order mark at the very start is dropped on the way into the editor.
  return text.substr(0, 3) != "\xEF\xBB\xBF";
}

}  // namespace checker
