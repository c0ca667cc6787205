// Saving and renaming: what is asked, written and deleted, and failures that
// leave every file as it was; folders; the printed heading.
#include "checker/saving.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "tests/checker/locked_folder.h"
#include "tests/support/fixtures.h"

using checker::SaveStatus;
using checker::SaveText;
using core::Answer;
using core::Msg;
using testing_support::ReadFile;
using testing_support::TempFolder;
namespace fs = std::filesystem;

TEST(PlanSave, AsksOnlyForAnotherExistingFileAndDeletesOnlyAfterARename) {
  const struct {
    const char *opened, *target;
    bool rename, exists, ask;
    const char* remove;
  } cases[] = {
      {"/d/a.dat", "/d/a.dat", false, true, false, ""},
      {"/d/a.dat", "/d/a.dat", true, true, false, ""},  // a rename onto itself is a save
      {"/d/a.dat", "/d/b.dat", false, true, true, ""},
      {"/d/a.dat", "/d/b.dat", false, false, false, ""},
      {"/d/a.dat", "/d/b.dat", true, true, true, "/d/a.dat"},
      {"/d/a.dat", "/d/b.dat", true, false, false, "/d/a.dat"},
      {"", "/d/b.dat", true, false, false, ""},
  };
  for (const auto& c : cases) {
    const checker::SavePlan p = checker::PlanSave(c.opened, c.target, c.rename, c.exists);
    EXPECT_EQ(p.askOverwrite, c.ask) << c.opened << " " << c.target;
    EXPECT_EQ(p.write, c.target);
    EXPECT_EQ(p.remove, c.remove) << c.opened << " " << c.target;
  }
}

TEST(SaveText, RenameWritesTheNewFileThenDeletesTheOld) {
  TempFolder folder;
  const std::string a = folder.Write("a.dat", "A");
  fs::create_directory(folder.path() + "/sub");
  core::RecordingReporter report;
  EXPECT_EQ(SaveText(a, folder.path() + "/sub/c.dat", true, "text", report), SaveStatus::Saved);
  EXPECT_FALSE(fs::exists(a));
  EXPECT_EQ(ReadFile(folder.path() + "/sub/c.dat"), "text");
  EXPECT_TRUE(report.shown.empty());
}

TEST(SaveText, RenameOntoTheSameFileSpelledOtherwiseKeepsIt) {
  TempFolder folder;
  const std::string a = folder.Write("a.dat", "A");
  core::RecordingReporter report;
  report.answers = {Answer::Yes};
  EXPECT_EQ(SaveText(a, folder.path() + "//a.dat", true, "text", report), SaveStatus::Saved);
  EXPECT_EQ(ReadFile(a), "text");
}

// Every failed write is reported with its path and leaves both files as
// they were.
void ExpectWriteFailedAndNothingChanged(const std::string& opened, const std::string& target,
                                        core::RecordingReporter& report, SaveStatus status,
                                        const std::string& before) {
  EXPECT_EQ(status, SaveStatus::WriteFailed) << target;
  ASSERT_FALSE(report.shown.empty());
  EXPECT_EQ(report.shown.back(), Msg::CheckerWriteFailed);
  EXPECT_EQ(report.args.back(), std::vector<std::string>{target});
  EXPECT_EQ(ReadFile(opened), before);
}

TEST(SaveText, RenameOntoAFolderFailsAndKeepsTheOpenedFile) {
  TempFolder folder;
  const std::string a = folder.Write("a.dat", "A");
  const std::string target = folder.path() + "/taken";
  fs::create_directory(target);
  folder.Write("taken/inside.dat", "I");
  core::RecordingReporter report;
  const SaveStatus s = SaveText(a, target, true, "text", report);
  ExpectWriteFailedAndNothingChanged(a, target, report, s, "A");
  EXPECT_EQ(report.shown, std::vector{Msg::CheckerWriteFailed});  // a folder is not asked about
  EXPECT_EQ(ReadFile(target + "/inside.dat"), "I");
}

TEST(SaveText, ReadOnlyFolderLeavesEveryFileAsItWas) {
  TempFolder folder;
  const std::string a = folder.Write("a.dat", "A");
  fs::create_directory(folder.path() + "/locked");
  const std::string kept = folder.Write("locked/kept.dat", "K");
  LockedFolder lock(folder.path() + "/locked");
  if (!lock.locked()) GTEST_SKIP() << "no way to lock a folder here";
  for (const char* name : {"new.dat", "kept.dat"}) {
    const std::string target = folder.path() + "/locked/" + name;
    for (const bool rename : {false, true}) {
      core::RecordingReporter report;
      const SaveStatus s = SaveText(a, target, rename, "text", report);
      ExpectWriteFailedAndNothingChanged(a, target, report, s, "A");
    }
  }
  EXPECT_EQ(ReadFile(kept), "K");
  EXPECT_FALSE(fs::exists(folder.path() + "/locked/new.dat"));
  EXPECT_EQ(
      std::distance(fs::directory_iterator(folder.path() + "/locked"), fs::directory_iterator()),
      1);
}

TEST(SaveText, FullDiskLeavesTheOldFileWhole) {
  // A file size limit fails the write part-way, as a full disk does.
  TempFolder folder;
  const std::string a = folder.Write("a.dat", "old contents");
  const std::string b = folder.Write("b.dat", "B");
  rlimit before{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = before;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  core::RecordingReporter reportItself, reportRename;
  const SaveStatus itself = SaveText(a, a, false, std::string(100000, 'x'), reportItself);
  reportRename.answers = {Answer::Yes};
  const SaveStatus renamed = SaveText(a, b, true, std::string(100000, 'x'), reportRename);
  ::setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);
  ExpectWriteFailedAndNothingChanged(a, a, reportItself, itself, "old contents");
  ExpectWriteFailedAndNothingChanged(a, b, reportRename, renamed, "old contents");
  EXPECT_EQ(ReadFile(b), "B");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

TEST(SaveText, RenameThatCannotDeleteTheOldFileSaysSo) {
  TempFolder folder;
  fs::create_directory(folder.path() + "/locked");
  const std::string a = folder.Write("locked/a.dat", "A");
  LockedFolder lock(folder.path() + "/locked");
  if (!lock.locked()) GTEST_SKIP() << "no way to lock a folder here";
  core::RecordingReporter report;
  const std::string target = folder.path() + "/b.dat";
  EXPECT_EQ(SaveText(a, target, true, "text", report), SaveStatus::OldKept);
  EXPECT_EQ(report.shown, std::vector{Msg::CheckerDeleteFailed});
  EXPECT_EQ(report.args.back(), std::vector<std::string>{a});
  EXPECT_EQ(ReadFile(a), "A");
  EXPECT_EQ(ReadFile(target), "text");
}

TEST(MakeFolder, TellsATakenNameFromOtherFailures) {
  TempFolder folder;
  folder.Write("file", "x");
  EXPECT_EQ(checker::MakeFolder(folder.path() + "/new"), checker::FolderResult::Made);
  EXPECT_TRUE(fs::is_directory(folder.path() + "/new"));
  EXPECT_EQ(checker::MakeFolder(folder.path() + "/new"), checker::FolderResult::Exists);
  EXPECT_EQ(checker::MakeFolder(folder.path() + "/file"), checker::FolderResult::Exists);
  EXPECT_EQ(checker::MakeFolder(folder.path() + "/missing/new"), checker::FolderResult::Failed);
}

TEST(PrintHeading, DateTimeElevenBlanksPathAndAnEmptyLine) {
  const checker::LocalTime t{2024, 3, 5, 7, 8, 9};
  EXPECT_EQ(checker::PrintHeading(t, "/data/", "g01.dat"),
            "2024/03/05   07:08:09           /data/g01.dat\r\n\r\n");
  EXPECT_EQ(checker::PrintHeading({1999, 12, 31, 23, 59, 58}, "", ""),
            "1999/12/31   23:59:58           \r\n\r\n");
}
