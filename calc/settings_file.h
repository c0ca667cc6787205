// "Zentu2.pth": the calculation window's settings beside the program, four
// lines with CR LF ends: the drive as the drive list shows it, the folder of
// the folder list, the file pattern, and the operation number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr const char* kSettingsName = "Zentu2.pth";
inline constexpr const char* kDefaultPattern = "*.dat";

// What a settings file holds, line by line; a line the file does not reach
// stays unset, and so does an operation line that is not a whole number
// 0..11 (blanks around it are accepted). An empty pattern line gives "*.dat".
struct CalcSettings {
  std::optional<std::string> drive, folder, pattern;
  std::optional<int> operation;
};

// The settings of the bytes of "Zentu2.pth"; nothing for an empty file.
// Lines end with CR LF or LF; a last line without its end counts.
std::optional<CalcSettings> ParseCalcSettings(std::string_view bytes);

// The file of `programFolder`, read; nothing when it is missing or empty.
std::optional<CalcSettings> ReadCalcSettings(const std::string& programFolder);

// The bytes of the file: the four lines, each ended by CR LF.
std::string CalcSettingsText(const std::string& drive, const std::string& folder,
                             const std::string& pattern, int operation);

// Writes the file whole, then puts it in place; false when it cannot.
bool WriteCalcSettings(const std::string& programFolder, const std::string& drive,
                       const std::string& folder, const std::string& pattern, int operation);

}  // namespace calc
