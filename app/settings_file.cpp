#include "app/settings_file.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <vector>

#include "app/options.h"
#include "core/numbers.h"
#include "core/text_file.h"

namespace app {

namespace {

// The lines of a text, without their ends (CR LF, LF or CR).
std::vector<std::string_view> Lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

// A list index written as a whole number with blanks around it.
std::optional<int> IndexOf(std::string_view line, int items) {
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
  if (!line.empty() && line.front() == '+') line.remove_prefix(1);
  int v = 0;
  const auto r = std::from_chars(line.data(), line.data() + line.size(), v);
  if (line.empty() || r.ec != std::errc() || r.ptr != line.data() + line.size())
    return std::nullopt;
  if (v < 0 || v >= items) return std::nullopt;
  return v;
}

bool IsFolder(std::string_view path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(std::filesystem::path(path), ec);
}

void SetIfEmpty(std::string& box, const char* value) {
  if (box.empty()) box = value;
}

std::string ItemText(int index) { return std::to_string(index + 1); }  // Combo4: "1" … "9"

}  // namespace

std::string IndexText(int index) { return (index >= 0 ? " " : "") + std::to_string(index) + " "; }

std::string SettingsText(const Controls& c, const MainState& m) {
  const std::string lines[] = {c.drive,
                               c.folder,
                               c.text1,
                               m.data.dataFile,
                               m.data.gridFile,
                               m.lines.lineFile,
                               IndexText(c.combo1),
                               IndexText(c.combo2),
                               c.text2,
                               c.text3,
                               c.text5,
                               c.text6,
                               c.text7,
                               c.text8,
                               IndexText(c.combo8),
                               c.text4,
                               IndexText(c.combo3),
                               IndexText(c.combo4),
                               IndexText(c.combo5)};
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

bool ApplySettings(std::string_view bytes, Controls& c, MainState& m, Host& h) {
  if (bytes.empty()) return false;
  const std::vector<std::string_view> lines = Lines(bytes);
  const size_t n = lines.size();
  auto line = [&](size_t k) { return std::string(lines[k - 1]); };  // 1-based

  if (n >= 1 && IsFolder(lines[0])) c.drive = line(1);
  if (n >= 2 && IsFolder(lines[1])) c.folder = line(2);
  if (n >= 3) c.text1 = lines[2].empty() ? "*.dat" : line(3);
  if (n >= 4) {
    m.data.dataFile = line(4);
    SetText11(c, m, h, m.data.dataFile);
  }
  if (n >= 5) c.text12 = m.data.gridFile = line(5);
  if (n >= 6) c.text13 = m.lines.lineFile = line(6);
  if (n >= 7)
    if (const auto i = IndexOf(lines[6], std::size(kFormats))) SelectCombo1(c, m, h, *i);
  if (n >= 8) {
    if (const auto i = IndexOf(lines[7], std::size(kAutoManual))) SelectCombo2(c, *i);
    c.meterBoxesShown = c.combo2 != 0;
    if (c.meterBoxesShown) {
      SetIfEmpty(c.text2, "1.0");
      SetIfEmpty(c.text3, "0.0");
    }
  }
  if (n >= 9) c.text2 = line(9);
  if (n >= 10) c.text3 = line(10);
  if (n <= 10) return true;
  SelectCombo6(c, static_cast<int>(core::AxisMode::Auto));
  c.axisBoxesShown = false;
  SetIfEmpty(c.text7, "0.0");
  SetIfEmpty(c.text8, "1.0");
  if (n >= 11) c.text5 = line(11);
  if (n >= 12) c.text6 = line(12);
  if (n >= 13) c.text7 = line(13);
  if (n >= 14) c.text8 = line(14);
  if (n >= 15) {
    if (const auto i = IndexOf(lines[14], std::size(kOffOn))) SelectCombo8(c, *i);
    c.lineButtonsShown = c.text13Shown = c.combo8 != 0;
  }
  if (n >= 16) c.text4 = line(16);
  if (n >= 17)
    if (const auto i = IndexOf(lines[16], std::size(render::kHeaderFaces))) c.combo3 = *i;
  if (n >= 18)
    if (const auto i = IndexOf(lines[17], kHeaderSizes)) {
      c.combo4 = *i;
      c.combo4Text = ItemText(*i);
    }
  if (n >= 19)
    if (const auto i = IndexOf(lines[18], std::size(kAlignments))) c.combo5 = *i;
  return true;
}

void FormLoad(Controls& c, MainState& m, Host& h, core::SettingsStore& settings,
              const std::string& programFolder) {
  h.SetCurrentFolder(programFolder);
  c.outputShown = false;
  c.text13Shown = false;
  c.exportsShown = false;
  if (const auto size = render::PlotSizeFromStored(settings.Get("ijz", "size", "0")))
    c.command7 = render::CaptionOf(*size);
  Scl(c, m, h);

  h.SetCurrentFolder(programFolder);
  const std::optional<std::string> bytes =
      core::ReadFileBytes(core::JoinPath(programFolder, kSettingsFileName));
  if (!bytes || !ApplySettings(*bytes, c, m, h)) {
    h.reporter().Show(core::Msg::Greeting);
    c.drive = programFolder;
    c.folder = programFolder;
    c.text1 = "*.dat";
    SelectCombo1(c, m, h, 0);
    SelectCombo2(c, 0);
    c.combo3 = 0;
    c.combo4 = 3;
    c.combo4Text = ItemText(3);
    c.combo5 = 0;
    SelectCombo6(c, 0);
    SelectCombo8(c, 1);
    c.text13Shown = true;
    m.data.dataFile = core::JoinPath(programFolder, "g01.dat");
    m.data.gridFile = core::JoinPath(programFolder, "g01#.dat");
    m.lines.lineFile = core::JoinPath(programFolder, "line1.dat");
    SetText11(c, m, h, m.data.dataFile);
    c.text12 = m.data.gridFile;
    c.text13 = m.lines.lineFile;
  }
  c.command1 = kDraw;
}

}  // namespace app
