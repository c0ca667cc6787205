#include "checker/checker_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <filesystem>

#include "checker/checker_text.h"
#include "checker/line_breaks.h"
#include "checker/text_loader.h"
#include "core/numbers.h"
#include "core/text_file.h"
#include "platform/busy.h"
#include "platform/design_names.h"
#include "platform/folder_links.h"
#include "platform/text.h"

namespace checker {

using platform::FromPath;
using platform::FromUtf8;
using platform::Named;
using platform::ToPath;
using platform::ToUtf8;

namespace {

constexpr double kTwipsPerInch = 1440.0;
const QColor kFolderBoxOpen(255, 255, 192);  // light yellow while the browser is open

}  // namespace

CheckerWindow::CheckerWindow(platform::ProgramWide& program, platform::WindowLinks& links,
                             core::Reporter& report, PrinterChoice& printers, QWidget* parent)
    : QWidget(parent, Qt::Window),
      program_(program),
      links_(links),
      report_(report),
      printers_(printers) {
  setObjectName(QStringLiteral("Checker"));
  setWindowTitle(QStringLiteral("IJZ Checker"));
  setAttribute(Qt::WA_DeleteOnClose);
  BuildControls();
  platform::ExposeDesignNames(*this);
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  program_.pathShowsEnd = false;
  OpenBrowser(false);
  ShowEditButtons(false);
  resize(760, 560);
}

void CheckerWindow::BuildControls() {
  RichTextBox1 = Named<QPlainTextEdit>(this, "RichTextBox1");
  RichTextBox1->setLineWrapMode(QPlainTextEdit::NoWrap);
  RichTextBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  Text2_0 = Named<QLineEdit>(this, "Text2_0");
  Text2_1 = Named<QLineEdit>(this, "Text2_1");
  Command1 = Named<QPushButton>(this, "Command1", QStringLiteral("保存"));
  Command5 = Named<QPushButton>(this, "Command5", QStringLiteral("改名"));
  Command3 = Named<QPushButton>(this, "Command3", QStringLiteral("Undo"));
  Command4 = Named<QPushButton>(this, "Command4", QStringLiteral("改行変換"));
  Command6 = Named<QPushButton>(this, "Command6", QStringLiteral("▼"));
  Command7 = Named<QPushButton>(this, "Command7");
  Command7->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
  Command7->setToolTip(QStringLiteral("フォルダの作成"));
  Command8 = Named<QPushButton>(this, "Command8", QStringLiteral("印刷"));
  Command11 = Named<QPushButton>(this, "Command11", QStringLiteral("<=>"));
  Command2 = Named<QPushButton>(this, "Command2", QStringLiteral("戻る"));
  Drive1 = Named<platform::DriveList>(this, "Drive1");
  Dir1 = Named<platform::FolderList>(this, "Dir1");
  Dir1->setFixedHeight(160);
  platform::LinkFolderLists(*Drive1, *Dir1);

  auto* paths = new QHBoxLayout;
  paths->addWidget(Text2_0, 3);
  paths->addWidget(Text2_1, 2);
  for (QPushButton* b : {Command6, Command7, Command11}) paths->addWidget(b);
  auto* commands = new QHBoxLayout;
  for (QPushButton* b : {Command1, Command5, Command3, Command4, Command8}) commands->addWidget(b);
  commands->addStretch(1);
  commands->addWidget(Command2);
  auto* column = new QVBoxLayout(this);
  column->addLayout(paths);
  column->addWidget(Drive1);
  column->addWidget(Dir1);
  column->addLayout(commands);
  column->addWidget(RichTextBox1, 1);

  connect(Command1, &QPushButton::clicked, this, &CheckerWindow::Command1_Click);
  connect(Command5, &QPushButton::clicked, this, &CheckerWindow::Command5_Click);
  connect(Command3, &QPushButton::clicked, this, &CheckerWindow::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &CheckerWindow::Command4_Click);
  connect(Command6, &QPushButton::clicked, this, &CheckerWindow::Command6_Click);
  connect(Command7, &QPushButton::clicked, this, &CheckerWindow::Command7_Click);
  connect(Command8, &QPushButton::clicked, this, &CheckerWindow::Command8_Click);
  connect(Command11, &QPushButton::clicked, this, &CheckerWindow::Command11_Click);
  connect(Command2, &QPushButton::clicked, this, &CheckerWindow::Command2_Click);
  connect(RichTextBox1, &QPlainTextEdit::textChanged, this, [this] { Edited(true); });
  connect(RichTextBox1->document(), &QTextDocument::contentsChanged, this,
          [this] { ++textVersion_; });
  connect(Text2_0, &QLineEdit::textChanged, this, [this] { Edited(false); });
  connect(Text2_1, &QLineEdit::textChanged, this, [this] { Edited(false); });
}

void CheckerWindow::LoadTextFile(QLineEdit* box, int widthTwips) {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  if (!box || box->text().isEmpty()) return;
  const std::string path = ToPath(box->text());
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    report_.Show(core::Msg::FileMissing);
    box->clear();
    return;
  }
  platform::BusyCursor busy;
  // Only a regular file is read: a folder, a pipe or a device gets the
  // message as an unreadable file does, and the checker stays as it was.
  std::optional<std::string> bytes;
  if (std::filesystem::is_regular_file(path, ec)) bytes = core::ReadFileBytes(path);
  if (!bytes) {
    report_.Show(core::Msg::FileUnreadable);
    return;
  }
  const FolderAndName parts = SplitPath(ToUtf8(box->text()));

  const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
  resize(static_cast<int>(widthTwips * dpi / kTwipsPerInch + 0.5), height());
  RichTextBox1->clear();
  Text2_0->clear();
  Text2_1->clear();
  OpenBrowser(false);
  ShowEditButtons(false);
  readOnly_ = false;
  RichTextBox1->setReadOnly(false);
  Command4->show();
  show();
  raise();
  activateWindow();

  LoadedText loaded = LoadText(*bytes, report_);
  bytes.reset();
  SetEditorText(*RichTextBox1, loaded.text);
  KeepFileText(std::move(loaded.text));
  Text2_0->setText(FromUtf8(parts.folder));
  Text2_1->setText(FromUtf8(parts.name));
  opened_ = path;
  encoding_ = loaded.encoding;
  ShowEditButtons(false);
  if (!loaded.faithful) {
    // Saving what is shown would change the file: it may be read and
    // printed, not saved.
    readOnly_ = true;
    RichTextBox1->setReadOnly(true);
    Command4->hide();
    report_.Show(core::Msg::CheckerReadOnly);
  }
}

int CheckerWindow::TextAreaWidthTwips() const {
  const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
  return static_cast<int>(width() * kTwipsPerInch / dpi + 0.5) - 50;
}

void CheckerWindow::Save(bool rename) {
  const std::string target = core::JoinPath(ToPath(Text2_0->text()), ToPath(Text2_1->text()));
  std::string text = TakeFileText();
  text += "\r\n";
  const std::optional<std::string> bytes = Encode(std::move(text), encoding_);
  SaveStatus status = SaveStatus::WriteFailed;
  if (!bytes) {
    report_.Show(core::Msg::CheckerNotEncodable);
  } else {
    platform::BusyCursor busy;
    status = SaveText(opened_, target, rename, *bytes, report_);
  }
  if (status == SaveStatus::Saved || status == SaveStatus::OldKept) {
    opened_ = target;
    ShowEditButtons(false);
    if (QLineEdit* box = links_.PathBox(program_.checkerCaller)) box->setText(FromPath(target));
  }
  links_.RefreshFileLists();
}

std::string CheckerWindow::TakeFileText() {
  if (keptVersion_ != textVersion_) return EditorFileText(*RichTextBox1);
  keptVersion_ = ~0ull;
  return std::move(keptText_);
}

void CheckerWindow::KeepFileText(std::string text) {
  keptText_ = std::move(text);
  keptVersion_ = textVersion_;
}

void CheckerWindow::Command3_Click() {
  if (undoTarget_)
    RichTextBox1->undo();
  else
    Text2_1->undo();
}

void CheckerWindow::Command4_Click() {
  platform::BusyCursor busy;
  std::string text = TakeFileText();
  if (!IsNormalised(text)) {
    text = NormaliseLineBreaks(text);
    ReplaceEditorText(*RichTextBox1, text);
  } else {
    Edited(true);  // nothing to change, yet it counts as an edit of the text
  }
  KeepFileText(std::move(text));
}

void CheckerWindow::Command6_Click() { OpenBrowser(!browserOpen_); }

void CheckerWindow::Command7_Click() {
  const std::optional<std::string> name = report_.Input(core::Msg::NewFolderName, "新しいフォルダ");
  if (!name || name->empty()) return;
  const QString folder = FromPath(core::JoinPath(ToPath(Dir1->path()), ToPath(FromUtf8(*name))));
  switch (MakeFolder(ToPath(folder))) {
    case FolderResult::Made:
      break;
    case FolderResult::Exists:
      report_.Show(core::Msg::FolderExists);
      break;
    case FolderResult::Failed:
      report_.Show(core::Msg::FolderNotMade);
      break;
  }
  QDir::setCurrent(folder);
  Drive1->Refresh();
  Dir1->Refresh();
}

void CheckerWindow::Command8_Click() {
  const std::string heading =
      PrintHeading(clock_(), ToUtf8(Text2_0->text()), ToUtf8(Text2_1->text()));
  QPrinter* printer = printers_.Choose(this);
  if (!printer) return;
  platform::BusyCursor busy;
  PrintWithHeading(*RichTextBox1, heading, *printer);
}

void CheckerWindow::Command11_Click() {
  for (QLineEdit* box : {Text2_0, Text2_1})
    box->setCursorPosition(program_.pathShowsEnd ? 1 : static_cast<int>(box->text().size()));
  program_.pathShowsEnd = !program_.pathShowsEnd;
}

void CheckerWindow::Command2_Click() {
  OpenBrowser(false);
  hide();
}

void CheckerWindow::Text2_0_Click() {
  QString folder = Dir1->path();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  Text2_0->setText(folder);
  OpenBrowser(false);
}

void CheckerWindow::Edited(bool inText) {
  undoTarget_ = inText;
  ShowEditButtons(true);
}

void CheckerWindow::ShowEditButtons(bool shown) {
  shown = shown && !readOnly_;
  for (QPushButton* b : {Command1, Command3, Command5}) b->setVisible(shown);
}

void CheckerWindow::OpenBrowser(bool open) {
  browserOpen_ = open;
  Command6->setText(open ? QStringLiteral("▲") : QStringLiteral("▼"));
  QPalette palette = Text2_0->palette();
  palette.setColor(QPalette::Base,
                   open ? kFolderBoxOpen : QApplication::palette().color(QPalette::Button));
  Text2_0->setPalette(palette);
  Text2_0->setReadOnly(!open);
  for (QWidget* w : std::initializer_list<QWidget*>{Command7, Drive1, Dir1}) w->setVisible(open);
}

bool CheckerWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Insert) {
      program_.insertMode = !program_.insertMode;
      return true;
    }
    // Overwrite in the name box: the typed character replaces the one
    // after the caret.
    if (watched == Text2_1 && !program_.insertMode && !key->text().isEmpty() &&
        key->text().at(0).isPrint() && !Text2_1->hasSelectedText() &&
        Text2_1->cursorPosition() < Text2_1->text().size())
      Text2_1->setSelection(Text2_1->cursorPosition(), 1);
  } else if (event->type() == QEvent::MouseButtonPress && watched == Text2_0 && browserOpen_) {
    Text2_0_Click();
  }
  return QWidget::eventFilter(watched, event);
}

void CheckerWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Insert)
    program_.insertMode = !program_.insertMode;
  else
    QWidget::keyPressEvent(event);
}

void CheckerWindow::closeEvent(QCloseEvent* event) {
  emit Closed();
  event->accept();
}

}  // namespace checker
