#include "checker/line_breaks.h"

#include <algorithm>
#include <cstring>

namespace checker {

namespace {

constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";       // U+2028
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";  // U+2029

// True when a separator of the editor (U+2028, U+2029) starts at text[i].
bool IsEditorBreak(std::string_view text, size_t i) {
  const std::string_view rest = text.substr(i, 3);
  return rest == kLineSeparator || rest == kParagraphSeparator;
}

}  // namespace

bool IsNormalised(std::string_view text) {
  for (size_t i = text.find('\r'); i != std::string_view::npos; i = text.find('\r', i + 1))
    if (i + 1 == text.size() || text[i + 1] != '\n') return false;
  for (size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1))
    if (i == 0 || text[i - 1] != '\r') return false;
  return true;
}

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

std::string FileText(std::string editorText) {
  // Every replacement is shorter than what it replaces ("↵" and a break
  // become one LF, a three-byte separator two bytes), so writing at `out`
  // never overtakes reading at `i`.
  std::string& text = editorText;
  if (text.find('\n') != std::string::npos) {
    // "\n" between blocks (as EditorText writes them) is read as U+2029.
    std::string wide;
    wide.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
      if (c == '\n')
        wide += kParagraphSeparator;
      else
        wide += c;
    }
    text = std::move(wide);
  }
  const std::string_view view(text);
  const size_t n = text.size();
  size_t out = 0, i = 0;
  while (i < n) {
    // Copy up to the next byte that may begin a break or a mark.
    size_t j = std::min(view.find('\xE2', i), n);
    if (out != i) std::memmove(text.data() + out, text.data() + i, j - i);
    out += j - i;
    if (j == n) break;
    if (view.substr(j, 3) == kLoneLfMark) {
      text[out++] = '\n';
      j += 3;
      if (IsEditorBreak(view, j)) j += 3;
    } else if (IsEditorBreak(view, j)) {
      text[out++] = '\r';
      text[out++] = '\n';
      j += 3;
    } else {
      text[out++] = text[j++];
    }
    i = j;
  }
  text.resize(out);
  return std::move(text);
}

bool EditorShowsFaithfully(std::string_view text) {
  static constexpr std::string_view kTaken[] = {kLoneLfMark, kLineSeparator, kParagraphSeparator,
                                                "\xEF\xB7\x90", "\xEF\xB7\x91"};
  for (const std::string_view t : kTaken)
    if (text.find(t) != std::string_view::npos) return false;
  // A byte order mark at the very start is dropped on the way into the editor.
  return text.substr(0, 3) != "\xEF\xBB\xBF";
}

}  // namespace checker
