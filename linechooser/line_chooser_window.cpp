#include "linechooser/line_chooser_window.h"

#include <QCloseEvent>
#include <QGridLayout>

#include "core/numbers.h"
#include "platform/design_names.h"
#include "platform/folder_links.h"
#include "platform/text.h"

namespace linechooser {

using platform::Named;

namespace {

const QString kLinePattern = QStringLiteral("line*.dat");

}  // namespace

LineChooserWindow::LineChooserWindow(platform::WindowLinks& links, QWidget* parent)
    : QWidget(parent, Qt::Window), links_(links) {
  setObjectName(QStringLiteral("LineChooser"));
  setWindowTitle(QStringLiteral("IJZ Search"));
  setAttribute(Qt::WA_DeleteOnClose);
  Drive1 = Named<platform::DriveList>(this, "Drive1");
  Dir1 = Named<platform::FolderList>(this, "Dir1");
  File1 = Named<platform::FileList>(this, "File1");
  Text1 = Named<QLineEdit>(this, "Text1", kLinePattern);
  Command1 = Named<QPushButton>(this, "Command1", QStringLiteral("戻る"));
  platform::ExposeDesignNames(*this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Drive1, 0, 0);
  grid->addWidget(Text1, 0, 1);
  grid->addWidget(Dir1, 1, 0);
  grid->addWidget(File1, 1, 1);
  grid->addWidget(Command1, 2, 1, Qt::AlignRight);

  File1->SetPattern(kLinePattern);
  connect(Dir1, &platform::FolderList::PathChanged, File1, &platform::FileList::SetFolder);
  platform::LinkFolderLists(*Drive1, *Dir1);
  File1->SetFolder(Dir1->path());
  connect(Text1, &QLineEdit::textChanged, this, &LineChooserWindow::Text1_Change);
  connect(File1, &platform::FileList::FileClicked, this, &LineChooserWindow::File1_Click);
  connect(Command1, &QPushButton::clicked, this, &LineChooserWindow::Command1_Click);
  resize(480, 320);
}

void LineChooserWindow::ShowRefreshed() {
  Drive1->Refresh();
  Dir1->Refresh();
  File1->Refresh();
  show();
  raise();
  activateWindow();
}

void LineChooserWindow::Text1_Change() {
  // A refused pattern lists the line files again; the box keeps what was typed.
  if (!File1->SetPattern(Text1->text())) File1->SetPattern(kLinePattern);
}

void LineChooserWindow::File1_Click(const QString& name) {
  links_.SetLineFile(core::JoinPath(platform::ToPath(File1->folder()), platform::ToPath(name)));
  hide();
}

void LineChooserWindow::closeEvent(QCloseEvent* event) {
  emit Closed();
  event->accept();
}

}  // namespace linechooser
