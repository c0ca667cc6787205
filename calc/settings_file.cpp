#include "calc/settings_file.h"

#include <cmath>
#include <vector>

#include "calc/calc.h"
#include "core/numbers.h"
#include "core/text_file.h"

namespace calc {

namespace {

// The lines of a text, without their CR LF or LF ends.
std::vector<std::string_view> LinesOf(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
  }
  return lines;
}

std::optional<int> OperationOf(std::string_view line) {
  const std::optional<double> v = core::ParseNumber(line);
  if (!v || *v != std::floor(*v) || *v < 0 || *v >= kOperationCount) return std::nullopt;
  return static_cast<int>(*v);
}

}  // namespace

std::optional<CalcSettings> ParseCalcSettings(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  const std::vector<std::string_view> lines = LinesOf(bytes);
  CalcSettings s;
  if (lines.size() > 0) s.drive = std::string(lines[0]);
  if (lines.size() > 1) s.folder = std::string(lines[1]);
  if (lines.size() > 2)
    s.pattern = lines[2].empty() ? std::string(kDefaultPattern) : std::string(lines[2]);
  if (lines.size() > 3) s.operation = OperationOf(lines[3]);
  return s;
}

std::optional<CalcSettings> ReadCalcSettings(const std::string& programFolder) {
  const std::optional<std::string> bytes =
      core::ReadFileBytes(core::JoinPath(programFolder, kSettingsName));
  if (!bytes) return std::nullopt;
  return ParseCalcSettings(*bytes);
}

std::string CalcSettingsText(const std::string& drive, const std::string& folder,
                             const std::string& pattern, int operation) {
  return drive + "\r\n" + folder + "\r\n" + pattern + "\r\n" + core::FormatInteger(operation) +
         "\r\n";
}

bool WriteCalcSettings(const std::string& programFolder, const std::string& drive,
                       const std::string& folder, const std::string& pattern, int operation) {
  return core::WriteFileReplacing(core::JoinPath(programFolder, kSettingsName),
                                  CalcSettingsText(drive, folder, pattern, operation));
}

}  // namespace calc
