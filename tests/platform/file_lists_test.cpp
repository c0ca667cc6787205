// The file browser's lists: patterns, folders that cannot be read, and the
// folder path shown from the root down.
#include "platform/file_lists.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text.h"
#include "tests/support/fixtures.h"

using platform::FromPath;
using testing_support::TempFolder;

namespace {

QStringList Items(const QListWidget& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
  return items;
}

}  // namespace

TEST(FileList, PatternsMatchWithoutCaseAndBadOnesAreRefused) {
  TempFolder folder;
  for (const char* name : {"g01.dat", "B.DAT", "line1.dat", "notes.txt", ".hidden.dat"})
    folder.Write(name, "x");
  std::filesystem::create_directory(folder.path() + "/sub.dat");
  platform::FileList list;
  ASSERT_TRUE(list.SetFolder(FromPath(folder.path())));
  EXPECT_EQ(Items(list), (QStringList{QStringLiteral("B.DAT"), QStringLiteral("g01.dat"),
                                      QStringLiteral("line1.dat")}));
  ASSERT_TRUE(list.SetPattern(QStringLiteral("line*.dat;*.TXT")));
  EXPECT_EQ(Items(list), (QStringList{QStringLiteral("line1.dat"), QStringLiteral("notes.txt")}));
  for (const char* refused : {"a/b*.dat", "[x.dat", "*.dat;[x"}) {
    EXPECT_FALSE(list.SetPattern(QString::fromUtf8(refused))) << refused;
    EXPECT_EQ(list.pattern(), QStringLiteral("line*.dat;*.TXT")) << refused;
  }
  // A box emptied on the way to a new pattern lists every file.
  ASSERT_TRUE(list.SetPattern(QStringLiteral(" ; ")));
  EXPECT_EQ(list.count(), 4);
}

TEST(FileList, UnreadableFolderLeavesTheListAsItWas) {
  TempFolder folder;
  folder.Write("a.dat", "x");
  platform::FileList list;
  ASSERT_TRUE(list.SetFolder(FromPath(folder.path())));
  EXPECT_FALSE(list.SetFolder(FromPath(folder.path() + "/missing")));
  EXPECT_EQ(list.folder(), FromPath(folder.path()));
  EXPECT_EQ(Items(list), QStringList{QStringLiteral("a.dat")});
}

TEST(FolderList, ShowsThePathFromTheRootThenTheSubfolders) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() + "/beta");
  std::filesystem::create_directory(folder.path() + "/Alpha");
  platform::FolderList list;
  int changed = 0;
  QObject::connect(&list, &platform::FolderList::PathChanged, [&] { ++changed; });
  ASSERT_TRUE(list.SetPath(FromPath(folder.path())));
  EXPECT_EQ(changed, 1);
  const QStringList items = Items(list);
  const QStringList parts = FromPath(folder.path()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
  ASSERT_EQ(items.size(), parts.size() + 3);
  EXPECT_EQ(items.front(), QStringLiteral("/"));
  EXPECT_EQ(items[parts.size()], parts.back());
  EXPECT_EQ(items.mid(parts.size() + 1),
            (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta")}));

  // A click on a subfolder opens it; a folder that is not there changes nothing.
  list.itemClicked(list.item(items.size() - 1));
  EXPECT_EQ(list.path(), FromPath(folder.path() + "/beta"));
  EXPECT_FALSE(list.SetPath(FromPath(folder.path() + "/missing")));
  EXPECT_EQ(list.path(), FromPath(folder.path() + "/beta"));
  EXPECT_EQ(changed, 2);
}
