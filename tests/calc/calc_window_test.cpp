// The calculation window's wiring: picking A and B by a click on a path box
// then on a file, the option buttons, the run with its checks, busy caption
// and outputs, "Zentu2.pth" at load and at every run, and the buttons that
// reach the other windows.
#include "calc/calc_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <functional>

#include "calc/settings_file.h"
#include "core/grid_file.h"
#include "core/text_file.h"
#include "platform/file_lists.h"
#include "platform/text.h"
#include "tests/support/fixtures.h"

namespace {

using core::Msg;
using platform::FromPath;
using testing_support::ReadFile;
using testing_support::TempFolder;

class RecordingLinks : public platform::WindowLinks {
 public:
  void OpenChecker(int caller, QLineEdit* box) override {
    calls.push_back("OpenChecker " + std::to_string(caller) + " " +
                    box->objectName().toStdString());
  }
  void ShowMain() override { calls.push_back("ShowMain"); }
  void ShowHelp() override { calls.push_back("ShowHelp"); }
  void Quit() override { calls.push_back("Quit"); }
  std::vector<std::string> calls;
};

// Records, with every message, what the window showed at that moment.
class SnapshotReporter : public core::RecordingReporter {
 public:
  core::Answer Show(Msg m, const std::vector<std::string>& a = {}) override {
    if (snapshot) snapshot();
    return RecordingReporter::Show(m, a);
  }
  std::function<void()> snapshot;
};

struct Window {
  TempFolder home;  // the program folder
  TempFolder data;  // where A and B lie
  TempFolder other;
  core::DataState main;
  SnapshotReporter report;
  platform::ProgramWide wide;
  RecordingLinks links;
  std::unique_ptr<calc::CalcWindow> w;

  Window() {
    data.Write("a.dat", "3 2\r\n11 12 13\r\n21 22 23\r\n");
    data.Write("sq.dat", "2 2\r\n1 2 3 4\r\n");
    data.Write("line1.dat", "0 0 1 1\r\n");
    other.Write("b.dat", "3 2\r\n1 2 0 4 -5 0.5\r\n");
    main.xData.assign(401, 0.0);  // the main window holds 400 points
    main.nData = 400;
  }
  calc::CalcWindow& Open() {
    w = std::make_unique<calc::CalcWindow>(home.path(), main, report, wide, links);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return *w;
  }
  template <class W>
  W* Get(const char* name) const {
    W* c = w->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QLineEdit* Box(const char* name) const { return Get<QLineEdit>(name); }
  QString Text(const char* name) const { return Box(name)->text(); }
  void Click(const char* button) const { Get<QPushButton>(button)->click(); }
  void ShowFolder(const std::string& folder) const {
    ASSERT_TRUE(Get<platform::FolderList>("Dir1")->SetPath(FromPath(folder)));
  }
  // A real mouse click on a file of File1.
  void ClickFile(const char* name) const {
    auto* list = Get<platform::FileList>("File1");
    const auto items = list->findItems(QString::fromUtf8(name), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name;
    list->scrollToItem(items[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items[0]).center());
  }
  void ClickBox(const char* name) const { QTest::mouseClick(Box(name), Qt::LeftButton); }
  // Picks a file as A ("Text11") or B ("Text12").
  void Pick(const char* box, const std::string& folder, const char* file) const {
    ClickBox(box);
    ShowFolder(folder);
    ClickFile(file);
  }
  bool Checked(const char* option) const { return Get<QRadioButton>(option)->isChecked(); }
};

TEST(CalcWindowUi, ControlsUnderTheirDesignNamesWithTheLoadDefaults) {
  Window t;
  // The main window has made the program's folder the current folder: the
  // file list shows it at once (it stayed empty when the folder list did
  // not move).
  t.home.Write("c.dat", "2 2\r\n1 2 3 4\r\n");
  const QString before = QDir::currentPath();
  QDir::setCurrent(FromPath(t.home.path()));
  calc::CalcWindow& w = t.Open();
  QDir::setCurrent(before);
  ASSERT_EQ(t.Get<platform::FileList>("File1")->count(), 1);
  EXPECT_EQ(t.Get<platform::FileList>("File1")->item(0)->text(), QStringLiteral("c.dat"));
  EXPECT_EQ(w.objectName(), QStringLiteral("Form2"));
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Ｃａｌｃｕｌａｔｉｏｎ"));
  for (const char* name :
       {"Combo1",    "Text11",    "Text12",    "Text13",  "Text2",   "Text3",    "Text4",
        "Text5",     "Text21",    "Text22",    "Option1", "Option2", "Command1", "Command11",
        "Command12", "Command13", "Command15", "Drive1",  "Dir1",    "File1",    "Text1",
        "Command6",  "Command4",  "Command3",  "Command2"}) {
    auto* c = t.Get<QWidget>(name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->accessibleDescription(), QString::fromLatin1(name));
  }
  auto* combo = t.Get<QComboBox>("Combo1");
  ASSERT_EQ(combo->count(), 12);
  EXPECT_EQ(combo->itemText(3), QString::fromUtf8("C(i,j)=a･log|A(i,j)+b|"));
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(t.Text("Text21"), QStringLiteral("1"));
  EXPECT_EQ(t.Text("Text22"), QStringLiteral("-1"));
  EXPECT_EQ(t.Text("Text1"), QStringLiteral("*.dat"));
  EXPECT_FALSE(t.Checked("Option1") || t.Checked("Option2"));
  EXPECT_EQ(t.Get<platform::FolderList>("Dir1")->path(), FromPath(t.home.path()));
  EXPECT_EQ(t.Get<QPushButton>("Command1")->text(), QString::fromUtf8("演算"));
  EXPECT_EQ(t.Get<QPushButton>("Command6")->text(), QString::fromUtf8("◆"));
}

TEST(CalcWindowUi, PickingAAndBThenRunningWritesAMinusBIntoBsFolder) {
  Window t;
  calc::CalcWindow& w = t.Open();
  t.ShowFolder(t.data.path());
  t.ClickFile("a.dat");  // no box clicked: nothing happens
  EXPECT_TRUE(t.Text("Text11").isEmpty());

  t.ClickBox("Text11");
  EXPECT_EQ(w.pickTarget(), 11);
  EXPECT_TRUE(t.Checked("Option1"));
  t.ClickFile("a.dat");
  EXPECT_EQ(t.Text("Text11"), FromPath(t.data.path() + "/a.dat"));
  EXPECT_EQ(t.Text("Text2"), QStringLiteral("3"));
  EXPECT_EQ(t.Text("Text3"), QStringLiteral("2"));
  EXPECT_EQ(w.grids().gridA, (std::vector<double>{11, 12, 13, 21, 22, 23}));
  EXPECT_EQ(w.pickTarget(), 0);
  t.ClickFile("sq.dat");  // each pick needs a new click on the box
  EXPECT_EQ(w.grids().gridA.size(), 6u);

  t.Pick("Text12", t.other.path(), "b.dat");
  EXPECT_TRUE(t.Checked("Option2"));
  EXPECT_FALSE(t.Checked("Option1"));
  EXPECT_EQ(t.Text("Text4"), QStringLiteral("3"));

  t.report.snapshot = [] {};
  t.Click("Command1");
  EXPECT_TRUE(t.report.shown.empty());
  const std::string c = t.other.path() + "/Cal#.dat";
  EXPECT_EQ(ReadFile(c), core::GridFileText(3, 2, {10, 10, 13, 17, 27, 22.5}));
  EXPECT_EQ(t.Text("Text13"), FromPath(c));
  EXPECT_EQ(t.main.gridFile, c);
  EXPECT_EQ(t.main.inNx, 3);
  EXPECT_EQ(t.main.inNy, 2);
  EXPECT_EQ(t.main.nData, 6);

  // Option1 set again: C goes to A's folder. A click on a box empties C's box.
  t.Get<QRadioButton>("Option1")->click();
  EXPECT_FALSE(t.Checked("Option2"));
  t.Click("Command1");
  EXPECT_TRUE(std::filesystem::exists(t.data.path() + "/Cal#.dat"));
  t.ClickBox("Text12");
  EXPECT_TRUE(t.Text("Text13").isEmpty());
  EXPECT_TRUE(t.Text("Text12").isEmpty());
}

TEST(CalcWindowUi, ChecksRefuseBeforeAnythingIsWritten) {
  Window t;
  t.Open();
  t.Pick("Text11", t.data.path(), "a.dat");
  t.Click("Command1");  // operation 0 without B
  t.Get<QComboBox>("Combo1")->setCurrentIndex(5);
  t.Click("Command1");  // A is 3 x 2
  t.Pick("Text12", t.data.path(), "sq.dat");
  t.Get<QComboBox>("Combo1")->setCurrentIndex(0);
  t.Click("Command1");  // sizes differ
  EXPECT_EQ(t.report.shown,
            (std::vector{Msg::CalcABNotSet, Msg::CalcNotSquare, Msg::CalcSizeMismatch}));
  EXPECT_FALSE(std::filesystem::exists(t.data.path() + "/Cal#.dat"));
  EXPECT_FALSE(std::filesystem::exists(t.home.path() + "/Zentu2.pth"));
}

TEST(CalcWindowUi, AReadErrorShowsTheSizesReadThenItsMessage) {
  Window t;
  t.data.Write("count2.dat", "1 2\r\n5 6\r\n");
  t.Open();
  t.Pick("Text12", t.data.path(), "sq.dat");
  QString nx, ny;
  t.report.snapshot = [&] { nx = t.Text("Text4"), ny = t.Text("Text5"); };
  t.Pick("Text12", t.data.path(), "count2.dat");
  EXPECT_EQ(t.report.shown, std::vector{Msg::DataCountInvalid});
  EXPECT_EQ(nx, QStringLiteral("1"));
  EXPECT_EQ(ny, QStringLiteral("2"));
  EXPECT_EQ(t.Text("Text12"), FromPath(t.data.path() + "/count2.dat"));  // the path stays
  EXPECT_EQ(t.w->grids().gridB, (std::vector<double>{1, 2, 3, 4}));      // the grid is kept
  // Size fields typed to pass the size check do not make a run read past a
  // grid: it is refused.
  t.Pick("Text11", t.data.path(), "sq.dat");
  t.Box("Text2")->setText(QStringLiteral("1"));
  t.Click("Command1");
  EXPECT_EQ(t.report.shown.back(), Msg::CalcGridUnread);
  EXPECT_EQ(t.report.args.back(), std::vector<std::string>{"Ａ"});
  EXPECT_FALSE(std::filesystem::exists(t.data.path() + "/Cal#.dat"));
}

TEST(CalcWindowUi, ARunShowsItsBusyCaptionAndWritesTheSettingsFirst) {
  Window t;
  t.Open();
  t.Pick("Text11", t.data.path(), "a.dat");
  t.Get<QComboBox>("Combo1")->setCurrentIndex(4);
  t.Box("Text1")->setText(QStringLiteral("line*.dat"));
  t.Box("Text21")->setText(QStringLiteral("x"));  // refused inside the run
  QString caption;
  bool busyPointer = false, settingsThere = false;
  t.report.snapshot = [&] {
    caption = t.Get<QPushButton>("Command1")->text();
    busyPointer =
        QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    settingsThere = std::filesystem::exists(t.home.path() + "/Zentu2.pth");
  };
  t.Click("Command1");
  EXPECT_EQ(t.report.shown, std::vector{Msg::CalcANotSet});
  EXPECT_EQ(caption, QString::fromUtf8("演算中"));
  EXPECT_TRUE(busyPointer);
  EXPECT_TRUE(settingsThere);
  EXPECT_EQ(t.Get<QPushButton>("Command1")->text(), QString::fromUtf8("演算"));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(t.data.path() + "/Cal#.dat"));
  const std::string drive = platform::ToPath(t.Get<platform::DriveList>("Drive1")->drive());
  EXPECT_EQ(ReadFile(t.home.path() + "/Zentu2.pth"),
            drive + "\r\n" + t.data.path() + "\r\nline*.dat\r\n4\r\n");
}

TEST(CalcWindowUi, SettingsFileRestoredAtLoadAndAfterTheCloseBox) {
  Window t;
  ASSERT_TRUE(calc::WriteCalcSettings(t.home.path(), "/", t.data.path(), "line*.dat", 7));
  calc::CalcWindow& w = t.Open();
  EXPECT_EQ(t.Text("Text1"), QStringLiteral("line*.dat"));
  EXPECT_EQ(t.Get<QComboBox>("Combo1")->currentIndex(), 7);
  auto* files = t.Get<platform::FileList>("File1");
  EXPECT_EQ(files->folder(), FromPath(t.data.path()));
  ASSERT_EQ(files->count(), 1);
  EXPECT_EQ(files->item(0)->text(), QStringLiteral("line1.dat"));

  // "戻る" hides and keeps every field; the close box unloads.
  t.Box("Text1")->setText(QStringLiteral("*.dat"));
  t.Pick("Text11", t.data.path(), "a.dat");
  t.Click("Command3");
  EXPECT_TRUE(w.isHidden());
  EXPECT_EQ(t.links.calls, std::vector<std::string>{"ShowMain"});
  w.Open();
  EXPECT_FALSE(t.Text("Text11").isEmpty());
  t.Box("Text21")->setText(QStringLiteral("5"));
  // Two lines only: drive and folder; the pattern and the operation default.
  ASSERT_TRUE(
      core::WriteFileReplacing(t.home.path() + "/Zentu2.pth", "/\r\n" + t.other.path() + "\r\n"));
  w.close();
  EXPECT_EQ(t.links.calls, (std::vector<std::string>{"ShowMain", "ShowMain"}));
  EXPECT_FALSE(w.Loaded());
  w.Open();
  EXPECT_TRUE(w.Loaded());
  EXPECT_TRUE(t.Text("Text11").isEmpty());
  EXPECT_TRUE(t.Text("Text2").isEmpty());
  EXPECT_EQ(t.Text("Text21"), QStringLiteral("1"));
  EXPECT_EQ(t.Text("Text1"), QStringLiteral("*.dat"));
  EXPECT_EQ(t.Get<QComboBox>("Combo1")->currentIndex(), 0);
  EXPECT_EQ(files->folder(), FromPath(t.other.path()));
  EXPECT_EQ(w.grids().gridA.size(), 6u);  // the grids outlive the unloading
}

TEST(CalcWindowUi, ButtonsThatReachTheOtherWindows) {
  Window t;
  t.Open();
  for (const char* b : {"Command11", "Command12", "Command13", "Command4", "Command2"}) t.Click(b);
  EXPECT_EQ(t.links.calls,
            (std::vector<std::string>{"OpenChecker 211 Text11", "OpenChecker 212 Text12",
                                      "OpenChecker 213 Text13", "ShowHelp", "Quit"}));
  EXPECT_EQ(t.wide.checkerCaller, 0);  // set by the checker's opening, not here
}

TEST(CalcWindowUi, PathDisplayToggleAndRefusedPattern) {
  Window t;
  t.Open();
  t.Pick("Text11", t.data.path(), "a.dat");
  QLineEdit* a = t.Box("Text11");
  EXPECT_EQ(a->cursorPosition(), 0);
  t.Click("Command15");
  EXPECT_TRUE(t.wide.pathShowsEnd);
  EXPECT_EQ(a->cursorPosition(), a->text().size());
  t.Click("Command15");
  EXPECT_FALSE(t.wide.pathShowsEnd);
  EXPECT_EQ(a->cursorPosition(), 1);

  t.Box("Text1")->setText(QStringLiteral("[x.dat"));
  EXPECT_EQ(t.Text("Text1"), QStringLiteral("*.dat"));
  EXPECT_EQ(t.Get<platform::FileList>("File1")->pattern(), QStringLiteral("*.dat"));
}

}  // namespace
