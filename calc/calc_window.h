// The calculation window "Ｃａｌｃｕｌａｔｉｏｎ": picks grids A and B from its
// file browser, takes a, b and the operation, and runs Calc (calc/calc.h).
// The main window's "≫" shows it; "戻る" and the close box bring the main
// window back (WindowLinks::ShowMain).
#pragma once

#include <QWidget>
#include <string>

#include "calc/calc.h"
#include "core/data_state.h"
#include "core/report.h"
#include "platform/window_links.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QButtonGroup;

namespace platform {
class DriveList;
class FolderList;
class FileList;
}  // namespace platform

namespace calc {

class CalcWindow : public QWidget {
  Q_OBJECT
 public:
  // `programFolder` holds "Zentu2.pth"; `main` is the main window's data
  // state, whose gridFile, inNx, inNy and nData a run (and inNx, inNy, nData
  // a read) set. The window is loaded (Load) at once.
  CalcWindow(std::string programFolder, core::DataState& main, core::Reporter& report,
             platform::ProgramWide& wide, platform::WindowLinks& links, QWidget* parent = nullptr);
  ~CalcWindow() override;

  // The window-load sequence: the defaults (a = 1, b = −1, empty path and
  // size fields, no option button set, pattern "*.dat"), the browser at the
  // program's folder, then "Zentu2.pth" as far as it goes. The grids and
  // their folders are kept.
  void Load();
  // False once the close box has unloaded the window.
  bool Loaded() const { return loaded_; }
  // Shows the window, loading it first when the close box unloaded it.
  void Open();

  // The run button's handler, Command1_Click.
  void Command1_Click();

  const Grids& grids() const { return grids_; }
  // 0: no pick pending, 11: the next file click fills A, 12: it fills B.
  int pickTarget() const { return pickTarget_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void Connect();
  void StartPick(int target);
  void File1_Click(const QString& name);
  void Text1_Change();
  void Command15_Click();
  void ShowPath(QLineEdit* box, const std::string& path);
  void SaveSettings();
  RunInputs Inputs() const;

  std::string programFolder_;
  core::DataState& main_;
  core::Reporter& report_;
  platform::ProgramWide& wide_;
  platform::WindowLinks& links_;
  Grids grids_;
  int pickTarget_ = 0;
  bool loaded_ = false;

  QComboBox* Combo1 = nullptr;
  QLineEdit *Text11 = nullptr, *Text12 = nullptr, *Text13 = nullptr;
  QLineEdit *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr;
  QLineEdit *Text21 = nullptr, *Text22 = nullptr, *Text1 = nullptr;
  QRadioButton *Option1 = nullptr, *Option2 = nullptr;
  QButtonGroup* options_ = nullptr;
  QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;
  QPushButton *Command6 = nullptr, *Command11 = nullptr, *Command12 = nullptr, *Command13 = nullptr;
  QPushButton* Command15 = nullptr;
  platform::DriveList* Drive1 = nullptr;
  platform::FolderList* Dir1 = nullptr;
  platform::FileList* File1 = nullptr;
};

}  // namespace calc
