// POSIX calls stand behind the guarantees of core/text_file.h (file types,
// unnamed temporary files, links, the file-size signal); a port to another
// system gives this file its own counterparts.
#include "core/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <new>
#include <sstream>

namespace core {

namespace {

// A file descriptor closed when the scope ends.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now; false when the close reports an error (a late write error).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool ReadFully(int fd, char* data, size_t size, size_t& got) {
  got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, data + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return true;
}

bool WriteFully(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool IsThroughType(mode_t mode) { return S_ISCHR(mode) || S_ISBLK(mode) || S_ISFIFO(mode); }

// A file-size limit (ulimit -f) would end the program with SIGXFSZ in the
// middle of a write; ignored, the write fails with EFBIG instead and is
// reported like any other. A disposition the program chose itself is kept.
void LetFileSizeLimitFailTheWrite() {
  static std::once_flag once;
  std::call_once(once, [] {
    struct sigaction old {};
    if (::sigaction(SIGXFSZ, nullptr, &old) == 0 && old.sa_handler == SIG_DFL) {
      struct sigaction ignore {};
      ignore.sa_handler = SIG_IGN;
      ::sigemptyset(&ignore.sa_mask);
      ::sigaction(SIGXFSZ, &ignore, nullptr);
    }
  });
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The name a write to `path` creates when nothing is there: `path` itself, or
// the end of the chain of symbolic links that starts at it (a link to a file
// not yet made). Nothing when the chain is too long or cannot be read.
std::optional<std::string> MissingTarget(std::string path) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) return path;
      return std::nullopt;
    }
    if (!S_ISLNK(st.st_mode)) return std::nullopt;  // there after all: a race
    std::string link(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n <= 0 || static_cast<size_t>(n) >= link.size()) return std::nullopt;
    link.resize(static_cast<size_t>(n));
    path = link[0] == '/' ? link : FolderOf(path) + "/" + link;
  }
  return std::nullopt;
}

// A short hidden name in `folder` that is free now; its length does not
// depend on the target's, so a target of the longest legal name can be
// written.
std::string TemporaryName(const std::string& folder) {
  static std::atomic<unsigned> serial{0};
  static const char kHex[] = "0123456789abcdef";
  std::string name = ".zentu-";
  unsigned v = static_cast<unsigned>(::getpid()) * 2654435761u + serial++ * 40503u;
  for (int k = 0; k < 8; ++k, v >>= 4) name.push_back(kHex[v & 15]);
  return folder + "/" + name;
}

// Writes the bytes into `fd` (a new file in the target's folder), with the
// old file's permissions when there is one, and waits until they are stored.
bool FillNewFile(int fd, std::string_view bytes, const struct stat* old) {
  if (!WriteFully(fd, bytes)) return false;
  if (old && ::fchmod(fd, old->st_mode & 0777) != 0) return false;
  return ::fdatasync(fd) == 0;
}

// Replaces (or creates) the regular file `target` by a complete new one.
WriteStatus ReplaceRegular(const std::string& target, std::string_view bytes,
                           const struct stat* old) {
  const std::string folder = FolderOf(target);
#ifdef O_TMPFILE
  {
    // An unnamed file: a run killed before it is linked leaves nothing.
    Fd fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (fd.get() >= 0) {
      if (!FillNewFile(fd.get(), bytes, old)) return WriteStatus::CannotWrite;
      const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
      // No old file: linked straight in under the target's name.
      if (!old &&
          ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return fd.Close() ? WriteStatus::Written : WriteStatus::CannotWrite;
      // An old file: linked under a temporary name, then renamed over it.
      for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string temp = TemporaryName(folder);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) != 0) {
          if (errno == EEXIST) continue;
          break;  // no /proc, say: the named way below
        }
        const bool renamed = ::rename(temp.c_str(), target.c_str()) == 0;
        if (!renamed) ::unlink(temp.c_str());
        return renamed && fd.Close() ? WriteStatus::Written : WriteStatus::CannotWrite;
      }
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
      return WriteStatus::CannotWrite;  // no folder, no permission
    }
  }
#endif
  // A named temporary file, renamed over the target when complete.
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::string temp = TemporaryName(folder);
    Fd fd(::open(temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
      if (errno == EEXIST) continue;
      return WriteStatus::CannotWrite;
    }
    const bool ok = FillNewFile(fd.get(), bytes, old) && fd.Close() &&
                    ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok ? WriteStatus::Written : WriteStatus::CannotWrite;
  }
  return WriteStatus::CannotWrite;
}

// A device or FIFO: written in place, as `-o /dev/null` expects; nothing is
// created or truncated.
WriteStatus WriteThrough(const std::string& path, std::string_view bytes) {
  Fd fd(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return WriteStatus::CannotWrite;
  const bool ok = WriteFully(fd.get(), bytes);
  return ok && fd.Close() ? WriteStatus::Written : WriteStatus::CannotWrite;
}

}  // namespace

std::string ReadAll(std::istream& in) {
  std::ostringstream out;
  out << in.rdbuf();
  return std::move(out).str();
}

ReadFileStatus ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  if (path.empty()) return ReadFileStatus::CannotOpen;
  // Non-blocking, so that opening a FIFO does not wait for a writer; it is
  // refused below without a byte read.
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return ReadFileStatus::CannotOpen;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return ReadFileStatus::CannotOpen;
  if (!S_ISREG(st.st_mode)) return ReadFileStatus::NotAFile;
  try {
    size_t got = 0;
    if (st.st_size > 0) {
      // What the file holds now; bytes appended while it is read are not taken.
      bytes.resize(static_cast<size_t>(st.st_size));
      if (!ReadFully(fd.get(), bytes.data(), bytes.size(), got)) {
        bytes.clear();
        return ReadFileStatus::CannotOpen;
      }
    } else {
      // No size told: read in pieces up to the bound, and one byte more to
      // see whether the file goes on.
      constexpr size_t kPiece = size_t{1} << 16;
      for (size_t piece = 0;;) {
        bytes.resize(got + kPiece);
        if (!ReadFully(fd.get(), bytes.data() + got, kPiece, piece)) {
          bytes.clear();
          return ReadFileStatus::CannotOpen;
        }
        got += piece;
        if (got > static_cast<size_t>(kMaxUnsizedFileBytes)) {
          bytes.clear();
          bytes.shrink_to_fit();
          return ReadFileStatus::TooLarge;
        }
        if (piece < kPiece) break;
      }
    }
    bytes.resize(got);
    bytes.shrink_to_fit();
  } catch (const std::bad_alloc&) {
    bytes.clear();
    bytes.shrink_to_fit();
    return ReadFileStatus::OutOfMemory;
  }
  return ReadFileStatus::Read;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::string bytes;
  if (ReadFileBytes(path, bytes) != ReadFileStatus::Read) return std::nullopt;
  return bytes;
}

WriteResult WriteFileReplacing(const std::string& path, std::string_view bytes,
                               const std::vector<std::string>& inputs) {
  if (path.empty()) return {WriteStatus::CannotWrite};
  LetFileSizeLimitFailTheWrite();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return {WriteStatus::CannotWrite};
    // Nothing there (perhaps a link to a file not yet made): created.
    const std::optional<std::string> target = MissingTarget(path);
    if (!target) return {WriteStatus::CannotWrite};
    return {ReplaceRegular(*target, bytes, nullptr)};
  }
  for (const std::string& input : inputs) {
    struct stat in {};
    if (!input.empty() && ::stat(input.c_str(), &in) == 0 && in.st_dev == st.st_dev &&
        in.st_ino == st.st_ino)
      return {WriteStatus::SameAsInput};
  }
  if (IsThroughType(st.st_mode)) return {WriteThrough(path, bytes)};
  if (!S_ISREG(st.st_mode)) return {WriteStatus::NotAFile};
  // The file itself, wherever links lead: it is replaced, not the links.
  char* real = ::realpath(path.c_str(), nullptr);
  if (!real) return {WriteStatus::CannotWrite};
  const std::string target = real;
  std::free(real);
  return {ReplaceRegular(target, bytes, &st)};
}

Msg FailureMessage(ReadFileStatus status) {
  switch (status) {
    case ReadFileStatus::NotAFile:
      return Msg::FileNotAFile;
    case ReadFileStatus::TooLarge:
      return Msg::FileTooLarge;
    case ReadFileStatus::OutOfMemory:
      return Msg::OutOfMemory;
    case ReadFileStatus::Read:
    case ReadFileStatus::CannotOpen:
      break;
  }
  return Msg::FileCannotOpen;
}

Msg FailureMessage(WriteStatus status) {
  switch (status) {
    case WriteStatus::NotAFile:
      return Msg::OutputNotAFile;
    case WriteStatus::SameAsInput:
      return Msg::OutputIsInput;
    case WriteStatus::Written:
    case WriteStatus::CannotWrite:
      break;
  }
  return Msg::GridWriteFailed;
}

}  // namespace core
