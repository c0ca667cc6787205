// The main window's wiring: its controls by design name, start-up, Draw and
// Convert through the real picture, the drag on Picture1, the size button,
// a restart, and Esc during long work.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "cli/grid_command.h"
#include "platform/text.h"
#include "tests/support/fixtures.h"
#include "tests/ui/main_window_fixture.h"

namespace {

using core::Msg;
using platform::FromUtf8;
using testing_support::Mouse;
using testing_support::ReadFile;
using testing_support::SamplePath;
using testing_support::Started;
using testing_support::TempFolder;

TEST(MainWindowUi, EveryControlCarriesItsDesignName) {
  Started s;
  app::MainWindow& w = s.Start();
  const char* names[] = {"Label11",   "Combo1",    "Command6", "Command1", "Command2",  "Command3",
                         "Command7",  "Command9",  "Command5", "Command8", "Command4",  "Command10",
                         "Command15", "Command11", "Text11",   "Label2",   "Command12", "Text12",
                         "Text1",     "Label5",    "Combo7",   "Label7",   "Combo8",    "Combo9",
                         "Command14", "Command13", "Text13",   "Drive1",   "Dir1",      "File1",
                         "Label15",   "Combo3",    "Combo4",   "Combo5",   "Text4",     "Picture1",
                         "Label3",    "Label4",    "Text25",   "Text21",   "Text23",    "Label6",
                         "Text26",    "Text22",    "Text24",   "Label16",  "Combo6",    "Label18",
                         "Text7",     "Text8",     "Label17",  "Text5",    "Text6",     "Label1",
                         "Combo2",    "Label14",   "Text3",    "Text2"};
  for (const char* name : names) {
    QWidget* c = w.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->accessibleDescription(), QString::fromLatin1(name));
    EXPECT_TRUE(c->accessibleName().isEmpty()) << name;  // the caption is what a reader reads
  }
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Zentu 2.00"));
  EXPECT_EQ(w.accessibleDescription(), QStringLiteral("Form1"));
  QComboBox* formats = s.Find<QComboBox>("Combo1");
  ASSERT_EQ(formats->count(), 3);
  EXPECT_EQ(formats->itemText(0), FromUtf8("n/xyz→ijz"));
  EXPECT_EQ(formats->itemText(2), FromUtf8("xyz→ijz"));
  EXPECT_EQ(s.Find<QComboBox>("Combo6")->itemText(2), FromUtf8("指定"));
  EXPECT_EQ(s.Find<QComboBox>("Combo7")->count(), 100);
  EXPECT_EQ(s.Find<QComboBox>("Combo9")->count(), 361);
  EXPECT_EQ(s.Find<QComboBox>("Combo3")->itemText(1), FromUtf8("ＭＳ Ｐゴシック"));
  EXPECT_EQ(s.Find<QLabel>("Label14")->text(), QStringLiteral("Z-Min/Max"));
}

TEST(MainWindowUi, FirstStartShowsTheGreetingAndTheSamples) {
  Started s;
  app::MainWindow& w = s.Start();
  EXPECT_EQ(s.report.shown, std::vector{Msg::Greeting});
  EXPECT_EQ(s.Text("Text11"), FromUtf8(s.Path("g01.dat")));
  EXPECT_EQ(s.Caption("Command1"), FromUtf8("描画"));
  EXPECT_EQ(s.Find<QComboBox>("Combo8")->currentText(), QStringLiteral("On"));
  for (const char* hidden : {"Command5", "Command8", "Command9", "Label2", "Command12", "Text12",
                             "Text2", "Text5", "Label18"})
    EXPECT_TRUE(w.findChild<QWidget*>(QString::fromLatin1(hidden))->isHidden()) << hidden;
  EXPECT_FALSE(s.Find<QLineEdit>("Text13")->isHidden());
  // The file list shows the program's folder with the samples.
  platform::FileList* files = s.Find<platform::FileList>("File1");
  ASSERT_EQ(files->count(), 2);
  EXPECT_EQ(files->item(0)->text(), QStringLiteral("g01.dat"));
}

TEST(MainWindowUi, DrawAndConvertGiveTheCommandLineGrid) {
  Started s;
  app::MainWindow& w = s.Start();
  s.Click("Command1");
  EXPECT_EQ(s.Caption("Command1"), FromUtf8("変換"));
  for (const char* shown : {"Command5", "Command8", "Command9"})
    EXPECT_FALSE(w.findChild<QWidget*>(QString::fromLatin1(shown))->isHidden()) << shown;
  EXPECT_TRUE(s.Find<QLineEdit>("Text12")->isHidden());
  EXPECT_EQ(s.Text("Text21"), QStringLiteral("24.9575"));
  EXPECT_EQ(s.Text("Text25"), QStringLiteral("10"));
  // The plot is on the page: a red square of the hill and the frame.
  const QImage& page = w.findChild<app::PictureView*>(QStringLiteral("Picture1"))->grab().toImage();
  int red = 0;
  for (int y = 0; y < page.height(); y += 2)
    for (int x = 0; x < page.width(); x += 2)
      if (page.pixelColor(x, y) == QColor(255, 0, 0)) ++red;
  EXPECT_GT(red, 10);

  s.Click("Command1");
  EXPECT_FALSE(s.Find<QLineEdit>("Text12")->isHidden());
  EXPECT_EQ(s.Text("Text12"), FromUtf8(s.Path("g01#.dat")));
  EXPECT_EQ(s.report.shown, std::vector{Msg::Greeting});
  // The same grid as zentu-cli grid writes for the sample.
  const std::string grid = ReadFile(s.Path("g01#.dat"));
  EXPECT_EQ(grid.substr(0, 7), "10 10\r\n");
  std::ostringstream out, err;
  ASSERT_EQ(cli::RunGrid({s.Path("g01.dat"), "-o", s.Path("cli.dat")}, out, err), cli::kOk)
      << err.str();
  EXPECT_EQ(grid, ReadFile(s.Path("cli.dat")));
}

TEST(MainWindowUi, ConvertWithoutTouchingTheBoxesLeavesThePictureAsItWas) {
  Started s;
  app::MainWindow& w = s.Start();
  s.Click("Command1");
  auto* picture = w.findChild<app::PictureView*>(QStringLiteral("Picture1"));
  const QImage before = picture->grab().toImage();
  s.Click("Command1");
  EXPECT_EQ(picture->grab().toImage(), before);
}

TEST(MainWindowUi, ADragOnThePictureFillsTheBoxes) {
  Started s;
  app::MainWindow& w = s.Start();
  s.Click("Command1");
  auto* picture = w.findChild<app::PictureView*>(QStringLiteral("Picture1"));
  const double px = 56.69291 / 15;  // pixels per mm at 96 dpi
  const QImage drawn = picture->grab().toImage();
  // From (20, 135) mm, the frame's lower left corner, to its upper right.
  Mouse(picture, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {20 * px, 135 * px});
  EXPECT_TRUE(s.Text("Text23").isEmpty());
  Mouse(picture, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {80 * px, 70 * px});
  Mouse(picture, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {150 * px, 5 * px});
  Mouse(picture, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {150 * px, 5 * px});
  EXPECT_NE(picture->grab().toImage(), drawn);  // the band stays as the frame
  const double x1 = s.Text("Text21").toDouble(), x2 = s.Text("Text23").toDouble();
  EXPECT_NEAR(x1, 0.01, 0.05);
  EXPECT_NEAR(x2, 99.80, 0.05);
  EXPECT_NEAR(s.Text("Text24").toDouble(), 99.67, 0.05);
  EXPECT_EQ(s.Text("Text25"), QStringLiteral("20"));  // sqrt(400), the whole width
  s.Click("Command1");
  EXPECT_EQ(w.state().data.gridNx, 20);
  EXPECT_NEAR(w.state().data.gridX2, 99.80, 0.05);
}

TEST(MainWindowUi, TheNextStartRestoresTheLastDrawAndTheSize) {
  Started s;
  s.Start();
  s.Find<QComboBox>("Combo2")->setCurrentIndex(1);
  s.Find<QComboBox>("Combo2")->activated(1);
  s.Find<QLineEdit>("Text4")->setText(QStringLiteral("survey"));
  s.Click("Command7");
  s.Click("Command7");
  EXPECT_EQ(s.Caption("Command7"), FromUtf8("サイズ Ｃ"));
  s.Click("Command1");
  s.window.reset();

  s.report.shown.clear();
  app::MainWindow& again = s.Start();
  EXPECT_TRUE(s.report.shown.empty());  // no greeting
  EXPECT_EQ(s.Caption("Command7"), FromUtf8("サイズ Ｃ"));
  EXPECT_EQ(again.state().page.plotRight, 130);
  EXPECT_EQ(s.Find<QComboBox>("Combo2")->currentIndex(), 1);
  EXPECT_FALSE(s.Find<QLineEdit>("Text2")->isHidden());
  EXPECT_EQ(s.Text("Text4"), QStringLiteral("survey"));
  EXPECT_EQ(s.Caption("Command1"), FromUtf8("描画"));
}

TEST(MainWindowUi, AFileClickNamesTheOutputAndResetsTheWindow) {
  Started s;
  s.Start();
  s.folder.Write("site.2002.dat", "3\r\n0 0 1\r\n1 0 2\r\n0 1 3\r\n");
  s.Find<platform::FileList>("File1")->Refresh();
  s.Click("Command1");
  platform::FileList* files = s.Find<platform::FileList>("File1");
  const auto found = files->findItems(QStringLiteral("site.2002.dat"), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  files->itemClicked(found.front());
  EXPECT_EQ(s.Text("Text11"), FromUtf8(s.Path("site.2002.dat")));
  EXPECT_EQ(s.Text("Text12"), FromUtf8(s.Path("site.2002#.dat")));
  EXPECT_EQ(s.Caption("Command1"), FromUtf8("描画"));
  EXPECT_TRUE(s.Text("Text21").isEmpty());
  EXPECT_TRUE(s.Find<QPushButton>("Command5")->isHidden());
}

TEST(MainWindowUi, ButtonsForOtherWindowsCallTheirLinks) {
  Started s;
  s.Start();
  for (const char* b :
       {"Command10", "Command14", "Command3", "Command4", "Command11", "Command13", "Command2"})
    s.Click(b);
  EXPECT_EQ(s.links.calls,
            (std::vector<std::string>{"calculation", "chooser", "help", "web", "checker 111 box",
                                      "checker 113 box", "quit"}));
  EXPECT_EQ(s.shared.checkerCaller, 113);
}

TEST(MainWindowUi, EscDuringLongWorkStopsItAndOtherInputWaits) {
  Started s;
  app::MainWindow& w = s.Start();
  gridding::MshWatch watch;
  bool clicked = false;
  QObject::connect(s.Find<QPushButton>("Command7"), &QPushButton::clicked, [&] { clicked = true; });
  QTimer::singleShot(50, &w, [&] {
    Mouse(s.Find<QPushButton>("Command7"), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton,
          {5, 5});
    Mouse(s.Find<QPushButton>("Command7"), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton,
          {5, 5});
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(s.Find<QPushButton>("Command1"), &esc);
  });
  bool stoppedInTime = false;
  w.RunLong(
      [&] {
        for (int k = 0; k < 500 && !watch.stop; ++k)
          std::this_thread::sleep_for(std::chrono::milliseconds(10));
        stoppedInTime = watch.stop;
      },
      &watch);
  EXPECT_TRUE(stoppedInTime);
  EXPECT_FALSE(clicked);
  EXPECT_FALSE(w.Busy());
}

}  // namespace
