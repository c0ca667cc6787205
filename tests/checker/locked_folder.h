// A folder in which no file can be created, renamed or deleted, for the
// tests of failed writes. A user's folder without write permission does it;
// root writes there anyway, so for root the folder is made immutable
// instead. Where neither holds, locked() is false and the test says so.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

class LockedFolder {
 public:
  explicit LockedFolder(std::string path) : path_(std::move(path)) {
    if (::geteuid() != 0) {
      chmodded_ = ::chmod(path_.c_str(), 0555) == 0;
    } else {
      immutable_ = SetImmutable(true);
    }
    // Trust nothing: the lock holds only if a file really cannot be made.
    const std::string probe = path_ + "/.probe";
    if (std::FILE* f = std::fopen(probe.c_str(), "wb")) {
      std::fclose(f);
      std::remove(probe.c_str());
    } else {
      locked_ = chmodded_ || immutable_;
    }
  }
  ~LockedFolder() {
    if (immutable_) SetImmutable(false);
    if (chmodded_) ::chmod(path_.c_str(), 0755);
  }
  LockedFolder(const LockedFolder&) = delete;
  LockedFolder& operator=(const LockedFolder&) = delete;

  bool locked() const { return locked_; }

 private:
  bool SetImmutable(bool on) {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
  }

  std::string path_;
  bool chmodded_ = false;
  bool immutable_ = false;
  bool locked_ = false;
};
