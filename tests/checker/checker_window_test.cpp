// The checker window's wiring: loading, the edit buttons, saving, renaming
// and the write-back, failures, line breaks, encodings, the folder browser,
// printing and the name box's overwrite typing.
#include "checker/checker_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBlock>
#include <filesystem>

#include "platform/file_lists.h"
#include "platform/text.h"
#include "tests/checker/checker_fakes.h"
#include "tests/checker/locked_folder.h"
#include "tests/support/fixtures.h"

using core::Answer;
using core::Msg;
using platform::FromPath;
using testing_support::ReadFile;
using testing_support::TempFolder;
namespace fs = std::filesystem;

namespace {

class CheckerWindowTest : public testing::Test {
 protected:
  CheckerWindowTest() : window_(new checker::CheckerWindow(program_, links_, report_, printers_)) {}
  ~CheckerWindowTest() override {
    delete window_.data();
    QDir::setCurrent(startFolder_);  // the browser moves the current folder
  }

  // Opens `path` as the main window's "*" beside its input box does.
  void Open(const std::string& path) {
    links_.box.setText(FromPath(path));
    window_->LoadTextFile(&links_.box, window_->TextAreaWidthTwips() + 50);
  }
  template <class W>
  W* Control(const char* name) {
    W* w = window_->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Click(const char* name) { Control<QPushButton>(name)->click(); }
  bool Shown(const char* name) { return !Control<QWidget>(name)->isHidden(); }
  bool EditButtonsShown() { return Shown("Command1") && Shown("Command3") && Shown("Command5"); }
  bool EditButtonsHidden() {
    return !Shown("Command1") && !Shown("Command3") && !Shown("Command5");
  }
  QString Text() { return Control<QPlainTextEdit>("RichTextBox1")->toPlainText(); }
  void Type(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
  }
  // An edit of the name box that leaves it as it was: the buttons show.
  void TouchNameBox() {
    auto* name = Control<QLineEdit>("Text2_1");
    const QString keep = name->text();
    name->setText(keep + QStringLiteral("~"));
    name->setText(keep);
    ASSERT_TRUE(EditButtonsShown());
  }
  // Typing `text` over the box, as an edit Undo can take back.
  void SetPathBox(const char* name, const std::string& text) {
    auto* box = Control<QLineEdit>(name);
    box->selectAll();
    box->insert(platform::FromUtf8(text));
  }

  const QString startFolder_ = QDir::currentPath();
  TempFolder folder_;
  platform::ProgramWide program_{platform::kMainInput, /*pathShowsEnd=*/true};
  RecordingLinks links_;
  core::RecordingReporter report_;
  FakePrinters printers_;
  QPointer<checker::CheckerWindow> window_;
};

}  // namespace

TEST_F(CheckerWindowTest, LoadShowsTheLinesAndThePathWithTheEditButtonsHidden) {
  EXPECT_FALSE(program_.pathShowsEnd);  // reset when the window loads
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("IJZ Checker"));
  const std::string path = folder_.Write("g01.dat", "1,2,3\r\n4,5,6\r\n");
  Open(path);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(Text(), QStringLiteral("1,2,3\n4,5,6"));
  EXPECT_EQ(Control<QLineEdit>("Text2_0")->text(), FromPath(folder_.path() + "/"));
  EXPECT_EQ(Control<QLineEdit>("Text2_1")->text(), QStringLiteral("g01.dat"));
  EXPECT_TRUE(EditButtonsHidden());
  EXPECT_FALSE(Shown("Drive1") || Shown("Dir1") || Shown("Command7"));
  EXPECT_TRUE(report_.shown.empty());
  EXPECT_EQ(Control<QWidget>("Text2_0")->accessibleDescription(), QStringLiteral("Text2_0"));
}

TEST_F(CheckerWindowTest, EmptyMissingAndUnreadableFilesLeaveTheCheckerAsItWas) {
  Open(folder_.Write("shown.dat", "kept"));
  fs::create_directory(folder_.path() + "/folder");
  ::mkfifo((folder_.path() + "/pipe").c_str(), 0644);
  struct Case {
    std::string box;
    std::vector<Msg> shown;
    QString boxAfter;
  };
  std::vector<Case> cases = {
      {"", {}, QString()},
      {folder_.path() + "/gone.dat", {Msg::FileMissing}, QString()},
      {folder_.path() + "/folder", {Msg::FileUnreadable}, FromPath(folder_.path() + "/folder")},
      {folder_.path() + "/pipe", {Msg::FileUnreadable}, FromPath(folder_.path() + "/pipe")},
  };
  if (::geteuid() != 0) {  // root reads a file without read permission anyway
    const std::string locked = folder_.Write("locked.dat", "x");
    ::chmod(locked.c_str(), 0);
    cases.push_back({locked, {Msg::FileUnreadable}, FromPath(locked)});
  }
  for (const auto& c : cases) {
    report_.shown.clear();
    Open(c.box);
    EXPECT_EQ(report_.shown, c.shown) << c.box;
    EXPECT_EQ(links_.box.text(), c.boxAfter) << c.box;
    EXPECT_EQ(Text(), QStringLiteral("kept")) << c.box;
    EXPECT_EQ(Control<QLineEdit>("Text2_1")->text(), QStringLiteral("shown.dat")) << c.box;
  }
}

TEST_F(CheckerWindowTest, TenThousandLinesAskAndOkKeepsThem) {
  std::string bytes;
  for (int i = 1; i <= 10001; ++i) bytes += std::to_string(i) + "\r\n";
  const std::string path = folder_.Write("big.dat", bytes);
  const struct {
    Answer answer;
    int lines;
  } cases[] = {{Answer::Ok, 10000}, {Answer::Cancel, 10001}};
  for (const auto& c : cases) {
    report_.shown.clear();
    report_.answers = {c.answer};
    Open(path);
    EXPECT_EQ(report_.shown, std::vector{Msg::ReadOver});
    EXPECT_EQ(Control<QPlainTextEdit>("RichTextBox1")->blockCount(), c.lines);
    EXPECT_EQ(Control<QPlainTextEdit>("RichTextBox1")->document()->lastBlock().text(),
              QString::number(c.lines));
  }
}

TEST_F(CheckerWindowTest, MinimisedCheckerIsRestored) {
  window_->showMinimized();
  Open(folder_.Write("a.dat", "a"));
  EXPECT_FALSE(window_->isMinimized());
}

TEST_F(CheckerWindowTest, EditsShowTheButtonsAndUndoTakesBackTheLastOne) {
  Open(folder_.Write("a.dat", "abc\r\n"));
  auto* text = Control<QPlainTextEdit>("RichTextBox1");
  text->moveCursor(QTextCursor::End);
  text->insertPlainText(QStringLiteral("d"));
  EXPECT_TRUE(EditButtonsShown());
  Click("Command3");
  EXPECT_EQ(Text(), QStringLiteral("abc"));
  // After a path edit Undo goes to the name box, also for the folder box.
  SetPathBox("Text2_1", "b.dat");
  Click("Command3");
  EXPECT_EQ(Control<QLineEdit>("Text2_1")->text(), QStringLiteral("a.dat"));
}

TEST_F(CheckerWindowTest, SaveOverItselfAsksNothingAndWritesBack) {
  const std::string path = folder_.Write("a.dat", "abc\r\n");
  Open(path);
  Control<QPlainTextEdit>("RichTextBox1")->appendPlainText(QStringLiteral("def"));
  links_.box.setText(QStringLiteral("elsewhere"));
  Click("Command1");
  EXPECT_TRUE(report_.shown.empty());
  EXPECT_EQ(ReadFile(path), "abc\r\ndef\r\n");
  EXPECT_EQ(links_.box.text(), FromPath(path));
  EXPECT_EQ(links_.refreshes, 1);
  EXPECT_TRUE(EditButtonsHidden());
}

TEST_F(CheckerWindowTest, SaveOverAnotherFileOnlyOnYesAndListsAreReadEitherWay) {
  const std::string a = folder_.Write("a.dat", "A\r\n"), b = folder_.Write("b.dat", "B\r\n");
  Open(a);
  SetPathBox("Text2_1", "b.dat");
  report_.answers = {Answer::No, Answer::Yes};
  Click("Command1");
  EXPECT_EQ(ReadFile(b), "B\r\n");
  EXPECT_EQ(links_.box.text(), FromPath(a));
  EXPECT_TRUE(EditButtonsShown());
  Click("Command1");
  EXPECT_EQ(ReadFile(b), "A\r\n");
  EXPECT_EQ(ReadFile(a), "A\r\n");
  EXPECT_EQ(links_.box.text(), FromPath(b));
  EXPECT_EQ(report_.shown, (std::vector{Msg::FileExistsOverwrite, Msg::FileExistsOverwrite}));
  EXPECT_EQ(links_.refreshes, 2);
}

TEST_F(CheckerWindowTest, RenameMovesTheOpenedFileNotTheOneTheBoxNamesNow) {
  const std::string a = folder_.Write("a.dat", "A\r\n"),
                    other = folder_.Write("other.dat", "O\r\n");
  fs::create_directory(folder_.path() + "/sub");
  Open(a);
  links_.box.setText(FromPath(other));  // the main window chose another file meanwhile
  SetPathBox("Text2_0", folder_.path() + "/sub/");
  SetPathBox("Text2_1", "c.dat");
  Click("Command5");
  EXPECT_FALSE(fs::exists(a));
  EXPECT_EQ(ReadFile(other), "O\r\n");
  EXPECT_EQ(ReadFile(folder_.path() + "/sub/c.dat"), "A\r\n");
  EXPECT_EQ(links_.box.text(), FromPath(folder_.path() + "/sub/c.dat"));
  EXPECT_TRUE(EditButtonsHidden());
}

TEST_F(CheckerWindowTest, FailedSaveKeepsTheTextTheFilesAndTheButtons) {
  const std::string a = folder_.Write("a.dat", "A\r\n");
  fs::create_directory(folder_.path() + "/locked");
  LockedFolder lock(folder_.path() + "/locked");
  if (!lock.locked()) GTEST_SKIP() << "no way to lock a folder here";
  Open(a);
  Control<QPlainTextEdit>("RichTextBox1")->appendPlainText(QStringLiteral("edited"));
  SetPathBox("Text2_0", folder_.path() + "/locked/");
  for (const char* command : {"Command1", "Command5"}) {
    report_.shown.clear();
    Click(command);
    EXPECT_EQ(report_.shown, std::vector{Msg::CheckerWriteFailed}) << command;
    EXPECT_EQ(ReadFile(a), "A\r\n") << command;
    EXPECT_EQ(Text(), QStringLiteral("A\nedited")) << command;
    EXPECT_EQ(links_.box.text(), FromPath(a)) << command;
    EXPECT_TRUE(EditButtonsShown()) << command;
  }
  EXPECT_TRUE(fs::is_empty(folder_.path() + "/locked"));
}

TEST_F(CheckerWindowTest, FilesSavedUneditedKeepTheirBytes) {
  const std::string cases[] = {
      "x,\x83\x66\x81\x5B\x83\x5E\r\n\x92\x6C\r\n",  // CP932
      "\xEF\xBB\xBF"
      "a\xEF\xBB\xBF\r\nb\r\n",        // UTF-8 with its byte order mark, and one inside
      "a\r\n\r\n\t\x01 \xC2\xA0\r\n",  // empty line, controls, no-break space
      std::string("nul\0inside\r\n", 12),
      "",
  };
  for (const std::string& bytes : cases) {
    const std::string path = folder_.Write("k.dat", bytes);
    Open(path);
    EXPECT_FALSE(window_->readOnly()) << bytes;
    TouchNameBox();
    Click("Command1");
    EXPECT_EQ(ReadFile(path), bytes.empty() ? "\r\n" : bytes) << bytes;
  }
}

TEST_F(CheckerWindowTest, LoneLineFeedsStayUntilNormalisedAndUndoBringsThemBack) {
  const std::string path = folder_.Write("lf.dat", "a\nb\r\nc\n");
  Open(path);
  EXPECT_EQ(Control<QPlainTextEdit>("RichTextBox1")->blockCount(), 4);  // a↵, b, c↵ and ""
  TouchNameBox();
  Click("Command1");
  EXPECT_EQ(ReadFile(path), "a\nb\r\nc\n\r\n");  // the text, then CR LF
  Click("Command4");
  EXPECT_TRUE(EditButtonsShown());
  EXPECT_EQ(Control<QPlainTextEdit>("RichTextBox1")->blockCount(), 4);
  Click("Command1");
  EXPECT_EQ(ReadFile(path), "a\r\nb\r\nc\r\n\r\n");
  Click("Command4");  // nothing left to change: still an edit
  EXPECT_TRUE(EditButtonsShown());
  Click("Command3");  // takes back the normalisation
  Click("Command1");
  EXPECT_EQ(ReadFile(path), "a\nb\r\nc\n\r\n");
}

TEST_F(CheckerWindowTest, TextThatCannotBeShownFaithfullyOpensReadOnly) {
  const std::string path = folder_.Write("bad.dat", "ok\xFF\r\n");
  Open(path);
  EXPECT_EQ(report_.shown, std::vector{Msg::CheckerReadOnly});
  EXPECT_TRUE(window_->readOnly());
  EXPECT_TRUE(Control<QPlainTextEdit>("RichTextBox1")->isReadOnly());
  SetPathBox("Text2_1", "other.dat");
  EXPECT_TRUE(EditButtonsHidden());
  EXPECT_FALSE(Shown("Command4"));
  // The next file opens editable again.
  Open(folder_.Write("good.dat", "ok"));
  EXPECT_FALSE(Control<QPlainTextEdit>("RichTextBox1")->isReadOnly());
  EXPECT_TRUE(Shown("Command4"));
}

TEST_F(CheckerWindowTest, CharacterWithoutCp932CodeIsNotSaved) {
  const std::string path = folder_.Write("sjis.dat", "\x82\xA0\r\n");
  Open(path);
  EXPECT_EQ(window_->encoding(), checker::Encoding::Cp932);
  Control<QPlainTextEdit>("RichTextBox1")->appendPlainText(QString::fromUtf8("\xF0\x9F\x98\x80"));
  Click("Command1");
  EXPECT_EQ(report_.shown, std::vector{Msg::CheckerNotEncodable});
  EXPECT_EQ(ReadFile(path), "\x82\xA0\r\n");
  EXPECT_TRUE(EditButtonsShown());
}

TEST_F(CheckerWindowTest, FolderBrowserOpensClosesAndGivesItsFolder) {
  Open(folder_.Write("a.dat", "a"));
  auto* folderBox = Control<QLineEdit>("Text2_0");
  EXPECT_TRUE(folderBox->isReadOnly());
  Click("Command6");
  EXPECT_EQ(Control<QPushButton>("Command6")->text(), QStringLiteral("▲"));
  EXPECT_FALSE(folderBox->isReadOnly());
  EXPECT_EQ(folderBox->palette().color(QPalette::Base), QColor(255, 255, 192));
  EXPECT_TRUE(Shown("Drive1") && Shown("Dir1") && Shown("Command7"));
  ASSERT_TRUE(Control<platform::FolderList>("Dir1")->SetPath(FromPath(folder_.path())));
  EXPECT_EQ(QDir::currentPath(), FromPath(folder_.path()));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(folderBox, &press);
  EXPECT_EQ(folderBox->text(), FromPath(folder_.path() + "/"));
  EXPECT_EQ(Control<QPushButton>("Command6")->text(), QStringLiteral("▼"));
  EXPECT_TRUE(folderBox->isReadOnly());
  EXPECT_FALSE(Shown("Dir1"));
}

TEST_F(CheckerWindowTest, NewFolderIsMadeInTheFolderListsFolderOrReported) {
  Open(folder_.Write("a.dat", "a"));
  Click("Command6");
  ASSERT_TRUE(Control<platform::FolderList>("Dir1")->SetPath(FromPath(folder_.path())));
  report_.inputs = {"sub", "sub", std::nullopt, "", "a.dat", "missing/x"};
  for (int i = 0; i < 6; ++i) Click("Command7");
  EXPECT_TRUE(fs::is_directory(folder_.path() + "/sub"));
  EXPECT_EQ(report_.shown,
            (std::vector{Msg::NewFolderName, Msg::NewFolderName, Msg::FolderExists,
                         Msg::NewFolderName, Msg::NewFolderName, Msg::NewFolderName,
                         Msg::FolderExists, Msg::NewFolderName, Msg::FolderNotMade}));
  EXPECT_EQ(report_.args.front(), std::vector<std::string>{"新しいフォルダ"});
  EXPECT_EQ(QDir::currentPath(), FromPath(folder_.path() + "/sub"));
}

TEST_F(CheckerWindowTest, PrintsTheDatedHeadingAndTheTextAndLeavesTheTextAsItWas) {
  if (std::system("command -v pdftotext > /dev/null") != 0) GTEST_SKIP() << "pdftotext missing";
  Open(folder_.Write("p.dat", "first line\r\nsecond line\r\n"));
  window_->SetClock([] { return checker::LocalTime{2024, 3, 5, 7, 8, 9}; });
  printers_.pdf = folder_.path() + "/out.pdf";
  Click("Command8");
  ASSERT_TRUE(fs::exists(printers_.pdf));
  const std::string txt = folder_.path() + "/out.txt";
  ASSERT_EQ(std::system(("pdftotext -layout '" + printers_.pdf + "' '" + txt + "'").c_str()), 0);
  // The heading, then the text; the exact blanks are PrintHeading's, which
  // the PDF's text does not keep.
  const std::string printed = ReadFile(txt);
  size_t at = 0;
  for (const std::string& piece :
       {std::string("2024/03/05"), std::string("07:08:09"), folder_.path() + "/p.dat",
        std::string("first line"), std::string("second line")}) {
    at = printed.find(piece, at);
    ASSERT_NE(at, std::string::npos) << piece << " in " << printed;
  }
  EXPECT_EQ(printed.find_first_of("123456789", at), std::string::npos) << "no page number";
  EXPECT_EQ(Text(), QStringLiteral("first line\nsecond line"));
  EXPECT_TRUE(EditButtonsHidden());
  EXPECT_FALSE(Control<QPlainTextEdit>("RichTextBox1")->document()->isUndoAvailable());

  // Cancel in the printer dialog prints nothing.
  fs::remove(printers_.pdf);
  printers_.pdf.clear();
  Click("Command8");
  EXPECT_EQ(printers_.shown, 2);
  EXPECT_FALSE(fs::exists(folder_.path() + "/out.pdf"));
}

TEST_F(CheckerWindowTest, NameBoxOverwritesUntilInsertIsPressed) {
  Open(folder_.Write("abc", "a"));
  auto* name = Control<QLineEdit>("Text2_1");
  name->setCursorPosition(0);
  Type(name, Qt::Key_X, QStringLiteral("x"));
  EXPECT_EQ(name->text(), QStringLiteral("xbc"));
  Type(name, Qt::Key_Insert);
  EXPECT_TRUE(program_.insertMode);
  Type(name, Qt::Key_Y, QStringLiteral("y"));
  EXPECT_EQ(name->text(), QStringLiteral("xybc"));
  Type(Control<QWidget>("RichTextBox1"), Qt::Key_Insert);  // anywhere in the window
  EXPECT_FALSE(program_.insertMode);
}

TEST_F(CheckerWindowTest, PathDisplayTogglesBetweenStartAndEnd) {
  Open(folder_.Write("abc", "a"));
  Click("Command11");
  EXPECT_TRUE(program_.pathShowsEnd);
  EXPECT_EQ(Control<QLineEdit>("Text2_1")->cursorPosition(), 3);
  Click("Command11");
  EXPECT_FALSE(program_.pathShowsEnd);
  EXPECT_EQ(Control<QLineEdit>("Text2_0")->cursorPosition(), 1);
  EXPECT_EQ(Control<QLineEdit>("Text2_1")->cursorPosition(), 1);
}

TEST_F(CheckerWindowTest, BackHidesAndTheCloseBoxUnloads) {
  Open(folder_.Write("a.dat", "a"));
  Click("Command6");
  Click("Command2");
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(Control<QPushButton>("Command6")->text(), QStringLiteral("▼"));
  window_->show();
  int closed = 0;
  QObject::connect(window_, &checker::CheckerWindow::Closed, [&] { ++closed; });
  window_->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(window_.isNull());
}
