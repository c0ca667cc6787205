// The checker window "IJZ Checker": a data file as editable text, saved
// under the same or another name, moved (rename), with its line breaks
// normalised, printed with a dated heading; a folder browser with a
// new-folder button. LoadTextFile opens and fills it for a "*" button.
//
// Controls by their design names: RichTextBox1 (the text), Text2_0 and
// Text2_1 (the folder and name boxes, the design's Text2(0) and Text2(1)),
// Command1 "保存", Command5 "改名", Command3 "Undo", Command4 "改行変換",
// Command6 "▼"/"▲", Command7 (new folder), Drive1, Dir1, Command8 "印刷",
// Command11 "<=>", Command2 "戻る". The printer dialog (the design's
// CommonDialog1) is the PrinterChoice given to the constructor.
//
// Closing the window with its close box deletes it (the program keeps it in
// a QPointer and makes a new one at the next opening) and emits Closed.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "checker/encoding.h"
#include "checker/saving.h"
#include "core/report.h"
#include "platform/file_lists.h"
#include "platform/window_links.h"

namespace checker {

// The printer dialog: shows it and returns the printer chosen (owned by the
// PrinterChoice), or nullptr when the user cancelled.
class PrinterChoice {
 public:
  virtual ~PrinterChoice() = default;
  virtual QPrinter* Choose(QWidget* parent) = 0;
};

// Qt's printer dialog on the default printer, without page numbers; the
// printer and its settings are kept for the next print.
class DialogPrinterChoice : public PrinterChoice {
 public:
  QPrinter* Choose(QWidget* parent) override;

 private:
  QPrinter printer_{QPrinter::HighResolution};
};

class CheckerWindow : public QWidget {
  Q_OBJECT

 public:
  CheckerWindow(platform::ProgramWide& program, platform::WindowLinks& links,
                core::Reporter& report, PrinterChoice& printers, QWidget* parent = nullptr);

  // Opens the checker on the file named in `box` (a path box of the main or
  // calculation window; checkerCaller says which), `widthTwips` wide:
  // restores a minimised checker; an empty box does nothing; a missing file
  // is reported and empties the box; a file that cannot be read is reported
  // and leaves the checker as it was. Otherwise the checker shows the text,
  // asking after 10000 lines whether to stop. A file that cannot be shown
  // so that saving gives the same bytes opens read-only, with a message.
  void LoadTextFile(QLineEdit* box, int widthTwips);

  // The width of the text area in twips, as callers of LoadTextFile pass it
  // (plus 50): the window's width less those 50 twips, so that the window
  // keeps its width from one opening to the next.
  int TextAreaWidthTwips() const;

  // The clock of the printed heading (local time); the system's by default.
  void SetClock(std::function<LocalTime()> clock) { clock_ = std::move(clock); }

  bool readOnly() const { return readOnly_; }
  Encoding encoding() const { return encoding_; }

 signals:
  void Closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void Command1_Click() { Save(false); }
  void Command5_Click() { Save(true); }
  void Command3_Click();
  void Command4_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command11_Click();
  void Command2_Click();
  void Text2_0_Click();

  void Save(bool rename);
  // The text as the file will hold it: kept from its loading or "改行変換"
  // while the editor is unchanged (a million lines take a while to read back
  // out of the editor), read out of the editor otherwise. Taking it forgets it.
  std::string TakeFileText();
  void KeepFileText(std::string text);
  void Edited(bool inText);
  void ShowEditButtons(bool shown);
  void OpenBrowser(bool open);

  platform::ProgramWide& program_;
  platform::WindowLinks& links_;
  core::Reporter& report_;
  PrinterChoice& printers_;
  std::function<LocalTime()> clock_ = LocalNow;

  std::string opened_;  // the file shown, as the path box named it; the target after a save
  Encoding encoding_ = Encoding::Utf8;
  bool readOnly_ = false;
  bool undoTarget_ = false;  // the last edit was in the text (true) or a path box
  bool browserOpen_ = false;
  std::string keptText_;
  uint64_t textVersion_ = 0;      // counts the editor's changes
  uint64_t keptVersion_ = ~0ull;  // the version keptText_ belongs to

  QPlainTextEdit* RichTextBox1;
  QLineEdit* Text2_0;
  QLineEdit* Text2_1;
  QPushButton* Command1;
  QPushButton* Command5;
  QPushButton* Command3;
  QPushButton* Command4;
  QPushButton* Command6;
  QPushButton* Command7;
  QPushButton* Command8;
  QPushButton* Command11;
  QPushButton* Command2;
  platform::DriveList* Drive1;
  platform::FolderList* Dir1;
};

}  // namespace checker
