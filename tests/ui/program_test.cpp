// The program's calls between windows: the calculation window instead of
// the main window and back, the checker on a path box with its write-back
// box, and the line file chooser's pick.
#include "app/program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <cstdlib>
#include <filesystem>

#include "platform/text.h"
#include "tests/support/fixtures.h"

namespace {

using platform::FromPath;
using testing_support::SamplePath;
using testing_support::TempFolder;

// A program on a folder that has been drawn in before (no greeting), with
// the per-user settings kept in the folder too.
struct Running {
  Running() {
    setenv("XDG_CONFIG_HOME", (folder.path() + "/config").c_str(), 1);
    for (const char* name : {"g01.dat", "line1.dat"})
      std::filesystem::copy_file(SamplePath(name), folder.path() + "/" + name);
    folder.Write("Zentu1.pth",
                 "/\r\n" + folder.path() + "\r\n*.dat\r\n" + folder.path() + "/g01.dat\r\n");
    program = std::make_unique<app::Program>(folder.path());
  }
  TempFolder folder;
  std::unique_ptr<app::Program> program;
};

TEST(Program, TheCalculationWindowTakesTheMainWindowsPlaceAndGivesItBack) {
  Running r;
  app::MainWindow& main = r.program->main();
  main.show();
  r.program->ShowCalculation();
  EXPECT_TRUE(main.isHidden());
  QWidget* calc = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("Form2") && w->isVisible()) calc = w;
  ASSERT_NE(calc, nullptr);
  EXPECT_EQ(r.program->PathBox(platform::kCalcB),
            calc->findChild<QLineEdit*>(QStringLiteral("Text12")));
  calc->findChild<QPushButton*>(QStringLiteral("Command3"))->click();  // 戻る
  EXPECT_FALSE(main.isHidden());
  EXPECT_TRUE(calc->isHidden());
}

TEST(Program, TheCheckerOpensOnThePathBoxOfItsCaller) {
  Running r;
  QLineEdit* box = r.program->PathBox(platform::kMainInput);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), FromPath(r.folder.path() + "/g01.dat"));
  r.program->OpenChecker(platform::kMainInput, box);
  QWidget* checker = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("Checker") && w->isVisible()) checker = w;
  ASSERT_NE(checker, nullptr);
  const QString text =
      checker->findChild<QPlainTextEdit*>(QStringLiteral("RichTextBox1"))->toPlainText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("400"))) << text.left(20).toStdString();
  checker->close();  // deleted; the next opening makes a new one
  QApplication::processEvents();
  r.program->OpenChecker(platform::kMainLines, r.program->PathBox(platform::kMainLines));
}

TEST(Program, TheChoosersPickBecomesTheLineFile) {
  Running r;
  r.program->ShowLineChooser();
  QWidget* chooser = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("LineChooser") && w->isVisible()) chooser = w;
  ASSERT_NE(chooser, nullptr);
  r.program->SetLineFile(r.folder.path() + "/line1.dat");
  EXPECT_EQ(r.program->PathBox(platform::kMainLines)->text(),
            FromPath(r.folder.path() + "/line1.dat"));
  EXPECT_EQ(r.program->main().state().lines.lineFile, r.folder.path() + "/line1.dat");
}

}  // namespace
