// The Convert Region dragged with the mouse on Picture1: press, move and
// release, in page millimetres. The corners become the region boxes (in drag
// order), the dragged frame of the data state, and a proposal of node counts.
#pragma once

#include "app/controls.h"
#include "app/driver.h"

namespace app {

enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// True when the picture answers the mouse: a drawing is on the screen
// (Command1 does not read "描画"), or the Axis Region is "指定".
bool PictureActive(const Controls& c);

// Data coordinates of a picture position, from the axis region of the last
// Draw and the screen plot frame; not clipped to the frame.
double DataX(const MainState& m, double pictureX);
double DataY(const MainState& m, double pictureY);

// `buttons` is the set of buttons held (MouseButton bits).
void Picture1_MouseDown(Controls& c, MainState& m, Host& h, double x, double y);
void Picture1_MouseMove(Controls& c, MainState& m, Host& h, int buttons, double x, double y);
void Picture1_MouseUp(Controls& c, MainState& m, Host& h, double x, double y);

}  // namespace app
