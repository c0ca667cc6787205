// The main window ("Form1"): every control under its design name, the host
// of the Draw and Convert (app/driver.h), of the option handlers and of the
// exports (app/exports.h, on the clipboard and printer services given). A
// handler reads the controls into a Controls, calls the procedure of the
// same name, and writes the result back. Long work runs on a worker thread
// while the window stays painted, shows its progress and takes only Esc.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include <string>

#include "app/controls.h"
#include "app/driver.h"
#include "app/exports.h"
#include "app/picture_view.h"
#include "core/report.h"
#include "core/services.h"
#include "platform/clipboard.h"
#include "platform/file_lists.h"
#include "platform/printer_service.h"
#include "platform/screen_page.h"
#include "platform/window_links.h"

namespace app {

// Pixels of a length in twips on a screen of `twipsPerPixel`.
int Pixels(int twips, double twipsPerPixel);

class MainWindow : public QWidget, public Host, public ExportDesk {
  Q_OBJECT
 public:
  // Builds the controls and runs the start-up on `programFolder` (which may
  // show the first-start greeting through `report`).
  MainWindow(const std::string& programFolder, core::Reporter& report,
             core::SettingsStore& settings, platform::ProgramWide& shared,
             platform::WindowLinks& links, platform::ClipboardService& clipboard,
             platform::PrinterService& printer);
  ~MainWindow() override;

  // The state the other windows share: the calculation window writes the
  // output grid's path and size into the data state.
  MainState& state() { return m_; }
  const Controls& controls() const { return c_; }
  // The path box of a checker caller code (111, 112, 113).
  QLineEdit* PathBox(int caller);
  // The overlay line file chosen in the line file chooser.
  void SetLineFile(const std::string& path);
  // Reads the folder and file lists again (after a save in the checker).
  void RefreshFileLists();
  // True while a command runs: every other click waits for it.
  bool Busy() const { return busy_; }

  // Host
  core::Reporter& reporter() override { return report_; }
  render::ScreenMetrics Screen() const override { return page_.metrics(); }
  void Show(const Controls& c) override;
  void ClearPicture() override;
  void Paint(const render::PageLayout& page,
             const std::function<void(render::Target&)>& paint) override;
  bool HasPicture() const override { return true; }
  void FitWindow(const render::PageLayout& page) override;
  void SetBusy(bool busy) override;
  std::string ProgramFolder() const override { return folder_; }
  void SetCurrentFolder(const std::string& folder) override;
  void RunLong(const std::function<void()>& work, gridding::MshWatch* watch) override;

  // ExportDesk (app/main_window_exports.cpp)
  bool PutMetafile(const core::DataState& d, const core::LineSet& lines,
                   const render::PlotControls& c) override;
  void ClearClipboard() override;
  bool PutPicture() override;
  PrintOutcome Print(const core::DataState& d, const core::LineSet& lines,
                     const render::PlotControls& c, render::PageLayout& page) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void Connect();
  void ConnectExports();
  // Dir1 over its place in the column, dir1Twips_ high.
  void PlaceDir1();
  // Widgets -> c_ (what the user can change), and c_ -> widgets.
  void ReadControls();
  void WriteControls();
  // Runs a handler on the controls: read, handle, write back; nothing while
  // another command runs.
  template <class F>
  void Handle(F handler) {
    if (busy_) return;
    busy_ = true;
    ReadControls();
    handler();
    WriteControls();
    busy_ = false;
  }

  void File1_Click(const QString& name);
  void Command15_Click();

  std::string folder_;
  core::Reporter& report_;
  core::SettingsStore& settings_;
  platform::ProgramWide& shared_;
  platform::WindowLinks& links_;
  platform::ClipboardService& clipboard_;
  platform::PrinterService& printer_;
  platform::ScreenPage page_;
  Controls c_;
  MainState m_;
  bool busy_ = false;
  gridding::MshWatch* watch_ = nullptr;  // the conversion Esc stops
  int cursorDepth_ = 0;

 public:
  // The controls, named as designed (objectName and accessible description).
  QLabel *Label11, *Label2, *Label5, *Label7, *Label15, *Label3, *Label4, *Label6, *Label16,
      *Label18, *Label17, *Label1, *Label14;
  QComboBox *Combo1, *Combo7, *Combo8, *Combo9, *Combo3, *Combo4, *Combo5, *Combo6, *Combo2;
  QPushButton *Command6, *Command1, *Command2, *Command3, *Command7, *Command9, *Command5,
      *Command8, *Command4, *Command10, *Command15, *Command11, *Command12, *Command14, *Command13;
  QLineEdit *Text11, *Text12, *Text1, *Text13, *Text4, *Text25, *Text21, *Text23, *Text26, *Text22,
      *Text24, *Text7, *Text8, *Text5, *Text6, *Text3, *Text2;
  platform::DriveList* Drive1;
  platform::FolderList* Dir1;
  QWidget* dir1Place_;  // Dir1's place in the column; Dir1 lies over it
  int dir1Twips_ = 1980;
  platform::FileList* File1;
  PictureView* Picture1;
  QScrollArea* pictureArea_;
  QProgressBar* progress_;
};

}  // namespace app
