// How the program's windows reach each other: the program-wide values they
// share, and one small call per button that opens or serves another window.
// The program (app/program.cpp) implements WindowLinks over the windows that
// exist; every call does nothing until then, and tests record the calls.
#pragma once

#include <QLineEdit>
#include <string>

namespace platform {

// Values shared by the main, calculation and checker windows.
struct ProgramWide {
  // Which path box opened the checker: 111, 112, 113 the main window's
  // Text11, Text12, Text13; 211, 212, 213 the calculation window's.
  int checkerCaller = 0;
  // The "<=>" buttons: the path boxes show the end of their paths.
  bool pathShowsEnd = false;
  // The checker's name box: typing inserts (true) or overwrites (false).
  bool insertMode = false;
};

// Caller codes of the six "*" buttons.
enum CheckerCaller : int {
  kMainInput = 111,
  kMainOutput = 112,
  kMainLines = 113,
  kCalcA = 211,
  kCalcB = 212,
  kCalcC = 213,
};

class WindowLinks {
 public:
  virtual ~WindowLinks() = default;
  // A "*" button: checkerCaller is set to `caller`, then the checker opens
  // on the file named in `box` (the loader may empty the box).
  virtual void OpenChecker(int caller, QLineEdit* box) { (void)caller, (void)box; }
  // "≫": the main window hides and the calculation window shows.
  virtual void ShowCalculation() {}
  // The calculation window's "戻る" or close box: the main window shows.
  virtual void ShowMain() {}
  // "検索": the line file chooser shows, its lists read again.
  virtual void ShowLineChooser() {}
  // The chooser's pick: the main window's lineFile and Text13.
  virtual void SetLineFile(const std::string& path) { (void)path; }
  // The path box of a caller code, for the checker's write-back; none when
  // that window is not there.
  virtual QLineEdit* PathBox(int caller) {
    (void)caller;
    return nullptr;
  }
  // After a save in the checker: the main and calculation windows' file
  // lists are read again.
  virtual void RefreshFileLists() {}
  // "ヘルプ" of any window: the help file opens in its viewer; a missing
  // help file shows nothing.
  virtual void ShowHelp() {}
  // "HP": the program's web page opens in the desktop's browser; a desktop
  // without one does nothing.
  virtual void OpenWebPage() {}
  // "終了": the program ends, closing every window, saving nothing.
  virtual void Quit() {}
};

}  // namespace platform
