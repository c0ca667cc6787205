// The line file chooser "IJZ Search": a drive list, a folder list and a
// list of the files matching Text1 ("line*.dat"), in which the user picks
// the overlay line file of the main window. A click on a file sets the main
// window's lineFile (WindowLinks::SetLineFile) and hides the chooser;
// Command1 "戻る" hides it without a choice. "検索" in the main window calls
// ShowRefreshed. Closing it with its close box deletes it (the program keeps
// it in a QPointer and makes a new one, with the pattern "line*.dat", at the
// next opening) and emits Closed.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "platform/file_lists.h"
#include "platform/window_links.h"

namespace linechooser {

class LineChooserWindow : public QWidget {
  Q_OBJECT

 public:
  explicit LineChooserWindow(platform::WindowLinks& links, QWidget* parent = nullptr);

  // Shows the chooser (not modal) with its folder and file lists read again
  // from disk, so that files made meanwhile appear.
  void ShowRefreshed();

 signals:
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Text1_Change();
  void File1_Click(const QString& name);
  void Command1_Click() { hide(); }

  platform::WindowLinks& links_;
  platform::DriveList* Drive1;
  platform::FolderList* Dir1;
  platform::FileList* File1;
  QLineEdit* Text1;
  QPushButton* Command1;
};

}  // namespace linechooser
