// The line file chooser: its pattern, a pick, "戻る", the re-read on
// "検索" and the close box.
#include "linechooser/line_chooser_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPointer>

#include "platform/text.h"
#include "tests/checker/checker_fakes.h"
#include "tests/support/fixtures.h"

using platform::FromPath;
using testing_support::TempFolder;

namespace {

class LineChooserTest : public testing::Test {
 protected:
  LineChooserTest() {
    folder_.Write("line1.dat", "x");
    folder_.Write("LINE2.DAT", "x");
    folder_.Write("g01.dat", "x");
    Folders()->SetPath(FromPath(folder_.path()));
    window_->ShowRefreshed();
  }
  ~LineChooserTest() override {
    delete window_.data();
    QDir::setCurrent(startFolder_);  // the folder list moves the current folder
  }
  platform::FolderList* Folders() {
    return window_->findChild<platform::FolderList*>(QStringLiteral("Dir1"));
  }
  platform::FileList* Files() {
    return window_->findChild<platform::FileList*>(QStringLiteral("File1"));
  }
  QStringList Listed() {
    QStringList names;
    for (int i = 0; i < Files()->count(); ++i) names << Files()->item(i)->text();
    return names;
  }

  const QString startFolder_ = QDir::currentPath();
  TempFolder folder_;
  RecordingLinks links_;
  QPointer<linechooser::LineChooserWindow> window_ = new linechooser::LineChooserWindow(links_);
};

}  // namespace

TEST_F(LineChooserTest, ListsTheLineFilesOfTheFolderShown) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("IJZ Search"));
  EXPECT_EQ(window_->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
            QStringLiteral("line*.dat"));
  EXPECT_EQ(Listed(), (QStringList{QStringLiteral("line1.dat"), QStringLiteral("LINE2.DAT")}));
  EXPECT_EQ(QDir::currentPath(), FromPath(folder_.path()));
}

TEST_F(LineChooserTest, PatternBoxChangesTheListAndARefusedPatternListsLineFiles) {
  auto* pattern = window_->findChild<QLineEdit*>(QStringLiteral("Text1"));
  pattern->setText(QStringLiteral("*.dat"));
  EXPECT_EQ(Listed().size(), 3);
  pattern->setText(QStringLiteral("[x"));
  EXPECT_EQ(pattern->text(), QStringLiteral("[x"));
  EXPECT_EQ(Listed(), (QStringList{QStringLiteral("line1.dat"), QStringLiteral("LINE2.DAT")}));
}

TEST_F(LineChooserTest, PickSetsTheLineFileAndHides) {
  window_->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("*.dat"));
  Files()->itemClicked(Files()->findItems(QStringLiteral("g01.dat"), Qt::MatchExactly).front());
  EXPECT_EQ(links_.lineFiles, std::vector<std::string>{folder_.path() + "/g01.dat"});
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(LineChooserTest, BackHidesWithoutAChoice) {
  window_->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(links_.lineFiles.empty());
}

TEST_F(LineChooserTest, SearchShowsFilesMadeMeanwhile) {
  window_->hide();
  folder_.Write("line3.dat", "x");
  window_->ShowRefreshed();
  EXPECT_TRUE(window_->isVisible());
  EXPECT_TRUE(Listed().contains(QStringLiteral("line3.dat")));
}

TEST_F(LineChooserTest, CloseBoxUnloadsIt) {
  int closed = 0;
  QObject::connect(window_, &linechooser::LineChooserWindow::Closed, [&] { ++closed; });
  window_->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(window_.isNull());
}
