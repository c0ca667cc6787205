#include "checker/text_loader.h"

#include <algorithm>
#include <cstring>

#include "checker/line_breaks.h"

namespace checker {

std::vector<std::string_view> ReadTextLines(std::string_view bytes, core::Reporter& report,
                                            int32_t limit) {
  std::vector<std::string_view> lines;
  lines.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\r')) + 1);
  bool ask = true;
  size_t start = 0;
  const size_t n = bytes.size();
  while (start < n) {
    // The next CR ends the line; a lone LF is an ordinary character here.
    const size_t cr = bytes.find('\r', start);
    const size_t end = cr == std::string_view::npos ? n : cr;
    lines.push_back(bytes.substr(start, end - start));
    start = end == n ? n : (end + 1 < n && bytes[end + 1] == '\n' ? end + 2 : end + 1);
    if (ask && static_cast<int64_t>(lines.size()) == limit) {
      if (report.Show(core::Msg::ReadOver) == core::Answer::Ok) break;
      ask = false;
    }
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string_view>& lines) {
  size_t n = lines.size();
  if (n == 0) return {};
  if (n == 1) return std::string(lines[0]);
  size_t total = 2 * (n - 1);
  for (const std::string_view line : lines) total += line.size();
  // The pieces of a pass lie one after the other in one buffer, their
  // lengths in `length`; a pass writes the merged pieces into the other.
  std::string from, to(total, '\0');
  std::vector<size_t> length(n);
  // One pass; nextPiece gives the pieces of the pass before, in order.
  auto merge = [&](auto nextPiece) {
    size_t at = 0;
    const size_t half = n / 2;
    for (size_t k = 0; k < half; ++k) {
      const std::string_view left = nextPiece(), right = nextPiece();
      left.copy(to.data() + at, left.size());
      std::memcpy(to.data() + at + left.size(), "\r\n", 2);
      right.copy(to.data() + at + left.size() + 2, right.size());
      length[k] = left.size() + 2 + right.size();  // pieces 2k and 2k+1 are read by now
      at += length[k];
    }
    if (n % 2 == 1) {
      const std::string_view last = nextPiece();
      last.copy(to.data() + at, last.size());
      length[half] = last.size();
    }
    n = (n + 1) / 2;
  };
  merge([&, i = size_t{0}]() mutable { return lines[i++]; });
  while (n >= 2) {
    std::swap(from, to);
    to.resize(total);
    merge([&, i = size_t{0}, offset = size_t{0}]() mutable {
      const std::string_view piece(from.data() + offset, length[i]);
      offset += length[i++];
      return piece;
    });
  }
  return to;
}

LoadedText LoadText(std::string_view bytes, core::Reporter& report) {
  LoadedText out;
  std::string joined;
  {
    const std::vector<std::string_view> lines = ReadTextLines(bytes, report);
    out.lineCount = static_cast<int32_t>(lines.size());
    joined = JoinLines(lines);
  }
  DecodedText decoded = Decode(std::move(joined));
  out.encoding = decoded.encoding;
  out.faithful = decoded.exact && EditorShowsFaithfully(decoded.text);
  out.text = std::move(decoded.text);
  return out;
}

FolderAndName SplitPath(const std::string& path) {
  if (path.size() >= 2) {
    for (size_t i = path.size() - 1; i-- > 0;) {
      if (path[i] == '/') return {path.substr(0, i + 1), path.substr(i + 1)};
    }
  }
  return {"", path};
}

}  // namespace checker
