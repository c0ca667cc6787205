#include "checker/text_loader.h"

#include "checker/line_breaks.h"

namespace checker {

std::vector<std::string> ReadTextLines(std::string_view bytes, core::Reporter& report,
                                       int32_t limit) {
  std::vector<std::string> lines;
  bool ask = true;
  size_t start = 0;
  const size_t n = bytes.size();
  while (start < n) {
    // The next CR ends the line; a lone LF is an ordinary character here.
    size_t cr = bytes.find('\r', start);
    const size_t end = cr == std::string_view::npos ? n : cr;
    lines.emplace_back(bytes.substr(start, end - start));
    start = end == n ? n : (end + 1 < n && bytes[end + 1] == '\n' ? end + 2 : end + 1);
    if (ask && static_cast<int64_t>(lines.size()) == limit) {
      if (report.Show(core::Msg::ReadOver) == core::Answer::Ok) break;
      ask = false;
    }
  }
  return lines;
}

std::string JoinLines(std::vector<std::string> lines) {
  size_t n = lines.size();
  if (n == 0) return {};
  while (n >= 2) {
    const size_t half = n / 2;
    for (size_t k = 0; k < half; ++k) {
      std::string& left = lines[2 * k];
      const std::string& right = lines[2 * k + 1];
      std::string merged;
      merged.reserve(left.size() + 2 + right.size());
      merged.append(left).append("\r\n").append(right);
      lines[k] = std::move(merged);
    }
    if (n % 2 == 1) lines[half] = std::move(lines[n - 1]);
    // Pieces beyond the new count are spent: free them now, not at the end.
    for (size_t k = (n + 1) / 2; k < n; ++k) std::string().swap(lines[k]);
    n = (n + 1) / 2;
  }
  return std::move(lines[0]);
}

LoadedText LoadText(std::string_view bytes, core::Reporter& report) {
  std::vector<std::string> lines = ReadTextLines(bytes, report);
  LoadedText out;
  out.lineCount = static_cast<int32_t>(lines.size());
  const std::string joined = JoinLines(std::move(lines));
  DecodedText decoded = Decode(joined);
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
