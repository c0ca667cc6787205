// The one reader and the one writer of files, tried as a hostile user would:
// devices, FIFOs, folders, sockets, the input itself under other names, long
// names, symbolic links, killed writes, read-only folders, file-size limits.
#include "core/text_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/fixtures.h"

namespace {

namespace fs = std::filesystem;
using core::ReadFileStatus;
using core::WriteFileReplacing;
using core::WriteStatus;
using testing_support::ReadFile;
using testing_support::TempFolder;

// The names in a folder, sorted.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Runs `body` in a child process and returns its exit code (-1 when it did not
// exit normally), so that limits and identities set there stay there.
template <class Body>
int InChild(Body body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(WriteFileReplacing, ReplacesWholeKeepsPermissionsLeavesNothingElse) {
  TempFolder folder;
  const std::string path = folder.path() + "/g01#.dat";
  ASSERT_TRUE(WriteFileReplacing(path, "first\r\n"));
  ::chmod(path.c_str(), 0640);
  const core::WriteResult second = WriteFileReplacing(path, "second\r\n");
  EXPECT_EQ(second.status, WriteStatus::Written);
  EXPECT_EQ(ReadFile(path), "second\r\n");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0640));
  EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"g01#.dat"});
  // An empty file is a file too.
  ASSERT_TRUE(WriteFileReplacing(path, ""));
  EXPECT_EQ(fs::file_size(path), 0u);
}

TEST(WriteFileReplacing, WhatIsNotARegularFileIsWrittenThroughOrRefused) {
  TempFolder folder;
  const std::string sub = folder.path() + "/sub";
  fs::create_directory(sub);
  const std::string socketPath = folder.path() + "/s.sock";
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", socketPath.c_str());
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  const struct {
    std::string path;
    WriteStatus status;
  } cases[] = {
      {sub, WriteStatus::NotAFile},
      {socketPath, WriteStatus::NotAFile},
      {"/dev/null", WriteStatus::Written},      // written through, as -o /dev/null expects
      {"/dev/full", WriteStatus::CannotWrite},  // and its write error reported
      {folder.path() + "/no/such/folder/g.dat", WriteStatus::CannotWrite},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WriteFileReplacing(c.path, "1 1\r\n5\r\n").status, c.status) << c.path;
  ::close(sock);
  EXPECT_TRUE(fs::is_directory(sub));
  EXPECT_TRUE(fs::is_socket(socketPath));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(Entries(folder.path()), (std::vector<std::string>{"s.sock", "sub"}));
}

TEST(WriteFileReplacing, FifoIsWrittenThrough) {
  TempFolder folder;
  const std::string fifo = folder.path() + "/pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = ReadFile(fifo); });
  EXPECT_TRUE(WriteFileReplacing(fifo, "through the pipe"));
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(WriteFileReplacing, TheInputItselfIsRefusedWhateverItsSpelling) {
  TempFolder folder;
  const std::string input = folder.Write("g01.dat", "3\r\n1 1 1\r\n2 2 2\r\n3 1 3\r\n");
  fs::create_symlink(input, folder.path() + "/link.dat");
  fs::create_hard_link(input, folder.path() + "/hard.dat");
  fs::create_directory(folder.path() + "/sub");
  const std::string base = fs::path(folder.path()).filename().string();
  for (const std::string& out :
       {input, folder.path() + "/./g01.dat", folder.path() + "/sub/../g01.dat",
        folder.path() + "/../" + base + "/g01.dat", folder.path() + "/link.dat",
        folder.path() + "/hard.dat"}) {
    EXPECT_EQ(WriteFileReplacing(out, "grid", {input}).status, WriteStatus::SameAsInput) << out;
    EXPECT_EQ(WriteFileReplacing(out, "grid", {"", folder.path() + "/missing.dat", input}).status,
              WriteStatus::SameAsInput)
        << out;
  }
  EXPECT_EQ(ReadFile(input), "3\r\n1 1 1\r\n2 2 2\r\n3 1 3\r\n");
  EXPECT_TRUE(fs::is_symlink(folder.path() + "/link.dat"));
  // Another file, and a missing one, are written.
  EXPECT_TRUE(WriteFileReplacing(folder.path() + "/g01#.dat", "grid", {input}));
  EXPECT_TRUE(WriteFileReplacing(folder.path() + "/g01#.dat", "grid", {input}));
}

TEST(WriteFileReplacing, NamesUpTo255BytesAreWritten) {
  TempFolder folder;
  const std::string longest = folder.path() + "/" + std::string(251, 'g') + ".dat";
  ASSERT_TRUE(WriteFileReplacing(longest, "first"));   // created
  ASSERT_TRUE(WriteFileReplacing(longest, "second"));  // replaced
  EXPECT_EQ(ReadFile(longest), "second");
  EXPECT_EQ(WriteFileReplacing(folder.path() + "/" + std::string(256, 'g'), "x").status,
            WriteStatus::CannotWrite);
  EXPECT_EQ(Entries(folder.path()).size(), 1u);
}

TEST(WriteFileReplacing, SymbolicLinksAreWrittenThrough) {
  TempFolder folder;
  fs::create_directory(folder.path() + "/data");
  const std::string target = folder.Write("data/real.dat", "old");
  fs::create_symlink("data/real.dat", folder.path() + "/link.dat");  // relative
  fs::create_symlink(folder.path() + "/link.dat", folder.path() + "/chain.dat");
  fs::create_symlink("data/new.dat", folder.path() + "/dangling.dat");  // to a file not yet made
  ASSERT_TRUE(WriteFileReplacing(folder.path() + "/chain.dat", "new"));
  EXPECT_EQ(ReadFile(target), "new");
  ASSERT_TRUE(WriteFileReplacing(folder.path() + "/dangling.dat", "made"));
  EXPECT_EQ(ReadFile(folder.path() + "/data/new.dat"), "made");
  for (const char* link : {"/link.dat", "/chain.dat", "/dangling.dat"})
    EXPECT_TRUE(fs::is_symlink(folder.path() + link)) << link;
  EXPECT_EQ(Entries(folder.path() + "/data"), (std::vector<std::string>{"new.dat", "real.dat"}));
  // A loop of links is no file.
  fs::create_symlink("loop2", folder.path() + "/loop1");
  fs::create_symlink("loop1", folder.path() + "/loop2");
  EXPECT_EQ(WriteFileReplacing(folder.path() + "/loop1", "x").status, WriteStatus::CannotWrite);
}

TEST(WriteFileReplacing, FailuresKeepTheOldFileByteForByte) {
  TempFolder folder;
  ::chmod(folder.path().c_str(), 0755);
  const std::string readOnly = folder.path() + "/ro";
  fs::create_directory(readOnly);
  const std::string old = folder.Write("ro/g#.dat", "old grid\r\n");
  ::chmod(readOnly.c_str(), 0555);
  // A read-only folder. Root writes anywhere, so the child gives up root.
  EXPECT_EQ(InChild([&] {
              if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 2;
              return WriteFileReplacing(old, "new grid\r\n").status == WriteStatus::CannotWrite ? 0
                                                                                                : 1;
            }),
            0);
  ::chmod(readOnly.c_str(), 0755);
  // A file-size limit: the write fails (rather than the signal ending the program).
  EXPECT_EQ(InChild([&] {
              const rlimit limit{1000, 1000};
              if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
              return WriteFileReplacing(old, std::string(5000, 'z')).status ==
                             WriteStatus::CannotWrite
                         ? 0
                         : 1;
            }),
            0);
  EXPECT_EQ(ReadFile(old), "old grid\r\n");
  EXPECT_EQ(Entries(readOnly), std::vector<std::string>{"g#.dat"});
}

TEST(WriteFileReplacing, KilledWriteLeavesTheOldFileOrTheNewOneAndNothingElse) {
  TempFolder folder;
  const std::string old = "old grid\r\n";
  const std::string target = folder.Write("g#.dat", old);
  const std::string bytes(24 << 20, '7');  // long enough to be killed in the middle
  int oldSeen = 0;
  for (int round = 0; round < 10; ++round) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(WriteFileReplacing(target, bytes) ? 0 : 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(3 * round));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string now = ReadFile(target);
    EXPECT_TRUE(now == old || now == bytes) << round << ": " << now.size() << " bytes";
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"g#.dat"}) << round;
    if (now == old) ++oldSeen;
    folder.Write("g#.dat", old);
  }
  EXPECT_GT(oldSeen, 0);  // some writes were indeed killed
}

TEST(ReadFileBytes, OnlyRegularFilesAreRead) {
  TempFolder folder;
  const std::string file = folder.Write("a.dat", "1 2 3\r\n");
  const std::string fifo = folder.path() + "/pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string path;
    ReadFileStatus status;
  } cases[] = {
      {file, ReadFileStatus::Read},
      {folder.path() + "/missing.dat", ReadFileStatus::CannotOpen},
      {"", ReadFileStatus::CannotOpen},
      {folder.path(), ReadFileStatus::NotAFile},
      {"/dev/zero", ReadFileStatus::NotAFile},  // endless: refused before a byte is read
      {"/dev/null", ReadFileStatus::NotAFile},
      {fifo, ReadFileStatus::NotAFile},  // no writer: refused without waiting for one
  };
  for (const auto& c : cases) {
    std::string bytes = "stale";
    EXPECT_EQ(core::ReadFileBytes(c.path, bytes), c.status) << c.path;
    EXPECT_EQ(bytes, c.status == ReadFileStatus::Read ? "1 2 3\r\n" : "") << c.path;
  }
  // A file whose size the system does not tell is read as a stream.
  std::string status;
  EXPECT_EQ(core::ReadFileBytes("/proc/self/status", status), ReadFileStatus::Read);
  EXPECT_NE(status.find("Pid:"), std::string::npos);
  // One that goes on far beyond the bound (8 bytes for every page of the
  // address space) ends after the bound with its own message.
  std::string pagemap = "stale";
  EXPECT_EQ(core::ReadFileBytes("/proc/self/pagemap", pagemap), ReadFileStatus::TooLarge);
  EXPECT_EQ(pagemap, "");
  EXPECT_EQ(core::FailureMessage(ReadFileStatus::TooLarge), core::Msg::FileTooLarge);
  EXPECT_EQ(core::FailureMessage(ReadFileStatus::NotAFile), core::Msg::FileNotAFile);
  EXPECT_EQ(core::FailureMessage(WriteStatus::SameAsInput), core::Msg::OutputIsInput);
}

}  // namespace
