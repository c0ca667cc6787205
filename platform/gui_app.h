// A QGuiApplication for programs without a window (zentu-cli plot): fonts and
// painting need one. Uses the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.
#pragma once

namespace platform {

// Creates the application once, for the rest of the process.
void EnsureGuiApplication();

}  // namespace platform
