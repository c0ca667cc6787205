// "ヘルプ", "HP" and "終了": the help file names every control of the main
// window and every message it can show; it opens from the program's folder
// in the viewer; the web page goes to the desktop; quitting closes every
// window.
#include "platform/help.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBrowser>
#include <QTextDocument>
#include <filesystem>

#include "app/program.h"
#include "platform/text.h"
#include "tests/ui/main_window_fixture.h"

namespace {

using core::Msg;
using platform::FromUtf8;
using testing_support::ReadFile;
using testing_support::RecordingShell;
using testing_support::Started;
using testing_support::TempFolder;

QString HelpText() {
  QTextDocument doc;
  doc.setHtml(QString::fromUtf8(ReadFile(ZENTU_HELP_FILE).c_str()));
  return doc.toPlainText();
}

bool IsDesignName(const QString& name) {
  for (const char* kind :
       {"Label", "Combo", "Command", "Text", "Drive1", "Dir1", "File1", "Picture1"})
    if (name.startsWith(QString::fromLatin1(kind))) return true;
  return false;
}

TEST(Help, NamesEveryControlOfTheMainWindowWithItsCaption) {
  const QString help = HelpText();
  Started s;
  app::MainWindow& w = s.Start();
  int controls = 0;
  for (const QWidget* c : w.findChildren<QWidget*>()) {
    if (!IsDesignName(c->objectName())) continue;
    ++controls;
    EXPECT_TRUE(help.contains(c->objectName())) << c->objectName().toStdString();
    QString caption;
    if (const auto* b = qobject_cast<const QPushButton*>(c)) caption = b->text();
    if (const auto* l = qobject_cast<const QLabel*>(c)) caption = l->text();
    if (!caption.isEmpty()) {
      EXPECT_TRUE(help.contains(caption)) << caption.toStdString();
    }
    // The items of the option lists (not the volumes of Drive1, nor the
    // number lists).
    const auto* list = qobject_cast<const QComboBox*>(c);
    if (list && list->objectName().startsWith(QStringLiteral("Combo")) && list->count() < 10) {
      for (int i = 0; i < list->count(); ++i) {
        EXPECT_TRUE(help.contains(list->itemText(i))) << list->itemText(i).toStdString();
      }
    }
  }
  EXPECT_GE(controls, 58);
  for (const char* other :
       {"描画中", "変換", "変換中", "再印刷", "計算中", "サイズ Ｂ", "サイズ Ｃ"})
    EXPECT_TRUE(help.contains(FromUtf8(other))) << other;
  // The output name of a name without a dot.
  EXPECT_TRUE(help.contains(FromUtf8("名前の最後に「#」を付けます")));
}

TEST(Help, GivesEveryMessageTheMainWindowCanShow) {
  const QString help = HelpText();
  const std::pair<Msg, Msg> ranges[] = {{Msg::FileNotSpecified, Msg::DrawRegionUnsuitable},
                                        {Msg::Greeting, Msg::ClipboardFailed}};
  for (const auto& [first, last] : ranges)
    for (int m = static_cast<int>(first); m <= static_cast<int>(last); ++m) {
      const char* text = core::TextOf(static_cast<Msg>(m)).text;
      EXPECT_TRUE(help.contains(FromUtf8(text))) << text;
    }
}

TEST(Help, OpensFromTheProgramsFolderAndTheWebPageGoesToTheDesktop) {
  TempFolder folder;
  RecordingShell shell;
  platform::ShowHelp(folder.path(), shell);  // no help file anywhere: nothing
  EXPECT_TRUE(shell.helpFiles.empty());
  std::filesystem::copy_file(ZENTU_HELP_FILE, folder.path() + "/Zentu.html");
  platform::ShowHelp(folder.path(), shell);
  EXPECT_EQ(shell.helpFiles, std::vector<std::string>{folder.path() + "/Zentu.html"});
  shell.browser = false;  // a desktop without a browser: ignored
  platform::OpenWebPage(shell);
  EXPECT_EQ(shell.urls, std::vector<std::string>{platform::kWebPage});
}

// A program folder that has been drawn in before, so that no greeting box
// waits for an answer, with the help file.
struct ProgramFolder {
  ProgramFolder() {
    folder.Write("Zentu1.pth", folder.path() + "\r\n");
    std::filesystem::copy_file(ZENTU_HELP_FILE, folder.path() + "/Zentu.html");
  }
  TempFolder folder;
};

TEST(Help, TheProgramsButtonsReachTheShell) {
  ProgramFolder p;
  auto shell = std::make_unique<RecordingShell>();
  RecordingShell& recorded = *shell;
  app::Program program(p.folder.path(), std::move(shell));
  program.main().findChild<QPushButton*>(QStringLiteral("Command3"))->click();
  program.main().findChild<QPushButton*>(QStringLiteral("Command4"))->click();
  EXPECT_EQ(recorded.helpFiles, std::vector<std::string>{p.folder.path() + "/Zentu.html"});
  EXPECT_EQ(recorded.urls, std::vector<std::string>{platform::kWebPage});
}

TEST(Help, TheViewerShowsTheGuideAndQuitClosesEveryWindow) {
  ProgramFolder p;
  app::Program program(p.folder.path());
  program.main().show();
  program.main().findChild<QPushButton*>(QStringLiteral("Command3"))->click();
  QTextBrowser* viewer = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("Help")) viewer = qobject_cast<QTextBrowser*>(w);
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->documentTitle(), FromUtf8("Zentu ヘルプ"));
  EXPECT_TRUE(viewer->toPlainText().contains(QStringLiteral("Command1")));
  program.main().findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  EXPECT_FALSE(program.main().isVisible());
  EXPECT_FALSE(viewer->isVisible());
}

}  // namespace
