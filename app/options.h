// The option handlers of the main window that return it to the Draw state:
// the caption reset, the full reset, the lists Combo1, Combo2, Combo6 and
// Combo8, the input-file box Text11, the size button Command7 and the
// refresh button Command6; and the folder list Dir1's size on a press. Each
// takes the controls as the window holds them.
#pragma once

#include <cstdint>
#include <optional>

#include "app/controls.h"
#include "app/driver.h"
#include "core/services.h"

namespace app {

// The caption of Command1 back to "描画".
void CaptionReset(Controls& c);

// Command1 shown, the picture cleared, the region boxes emptied, the caption
// reset, the output group and the export buttons hidden, and the frame
// forgotten.
void FullReset(Controls& c, MainState& m, Host& h);

// The handlers of a changed selection; the Select… forms change the
// selection as a user would, with the handler only when it really changes.
void Combo1_Click(Controls& c, MainState& m, Host& h);
void Combo2_Click(Controls& c);
void Combo6_Click(Controls& c);
void Combo8_Click(Controls& c);
void SelectCombo1(Controls& c, MainState& m, Host& h, int index);
void SelectCombo2(Controls& c, int index);
void SelectCombo6(Controls& c, int index);
void SelectCombo8(Controls& c, int index);

// Text11 changed: a full reset, except while a Convert runs.
void Text11_Change(Controls& c, MainState& m, Host& h);
// Writes `text` into Text11, with the change handler when it differs.
void SetText11(Controls& c, MainState& m, Host& h, const std::string& text);

// The size button: the next size (stored in the per-user setting "size" of
// section "ijz"), then the caption reset, the result controls hidden, and
// the picture laid out again and cleared.
void Command7_Click(Controls& c, MainState& m, Host& h, core::SettingsStore& settings);

// Dir1 after a mouse press with `buttons` held (app::MouseButton bits): the
// left button alone makes it 5340 twips high in front of the controls below
// it; the right button alone 1980 twips (its design height) behind them; any
// other state changes nothing.
struct FolderListSize {
  int32_t heightTwips;
  bool inFront;
};
std::optional<FolderListSize> Dir1_MouseDown(int buttons);

// "◆": Command1 shown, the caption reset, the output group and the export
// buttons hidden, the picture cleared. The boxes and the frame values stay.
// (The window reads its folder and file lists again first.)
void Command6_Click(Controls& c, Host& h);

}  // namespace app
