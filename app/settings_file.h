// The main window's start-up and its settings file "Zentu1.pth": nineteen
// lines in the program's folder, CR LF, written by every Draw and read once
// at start-up (a missing or empty file is a first start, with the greeting,
// the defaults and the sample files).
#pragma once

#include <string>
#include <string_view>

#include "app/controls.h"
#include "app/driver.h"
#include "core/services.h"

namespace app {

inline constexpr const char* kSettingsFileName = "Zentu1.pth";

// The nineteen lines of the settings file, each ended by CR LF: the drive,
// the folder, the pattern, dataFile, gridFile, lineFile, the indexes of
// Combo1 and Combo2, Text2, Text3, Text5 … Text8, the index of Combo8, the
// header Text4 and the indexes of Combo3, Combo4, Combo5. Indexes are
// written as numbers are printed: " 0 ", "-1 ".
std::string SettingsText(const Controls& c, const MainState& m);

// A list index as the settings file holds it.
std::string IndexText(int index);

// Applies the lines of a settings file in order, stopping where the file
// ends; a line whose value cannot be applied (a folder that is gone, an
// index outside its list) leaves its control as it was. Returns false when
// the file holds nothing at all (a first start).
bool ApplySettings(std::string_view bytes, Controls& c, MainState& m, Host& h);

// The start-up of the main window: the plot size from the per-user setting
// "size", the screen layout, then the settings file of `programFolder` or,
// on a first start, the greeting and the defaults with the sample files.
// Ends in the Draw state.
void FormLoad(Controls& c, MainState& m, Host& h, core::SettingsStore& settings,
              const std::string& programFolder);

}  // namespace app
