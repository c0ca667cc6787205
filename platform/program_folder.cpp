#include "platform/program_folder.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>

#include "platform/text.h"

namespace platform {

namespace fs = std::filesystem;

std::string ExecutableFolder() {
  if (QCoreApplication::instance()) return ToPath(QCoreApplication::applicationDirPath());
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : self.parent_path().string();
}

void PrepareSamples(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (from.empty() || to.empty() || fs::equivalent(from, to, ec)) return;
  if (fs::exists(fs::path(to) / "Zentu1.pth", ec)) return;
  for (const char* name : kSampleFiles) {
    const fs::path source = fs::path(from) / name, target = fs::path(to) / name;
    if (fs::exists(source, ec) && !fs::exists(target, ec))
      fs::copy_file(source, target, fs::copy_options::skip_existing, ec);
  }
}

std::string ProgramFolder() {
  const std::string exe = ExecutableFolder();
  std::error_code ec;
  if (const char* home = std::getenv("ZENTU_HOME"); home && *home) {
    fs::create_directories(home, ec);
    std::string folder = fs::absolute(home, ec).lexically_normal().string();
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    PrepareSamples(exe, folder);
    return folder;
  }
  if (!exe.empty() && ::access(exe.c_str(), W_OK) == 0) return exe;
  const std::string data =
      ToPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  const std::string folder = data.empty() ? exe : data;
  fs::create_directories(folder, ec);
  PrepareSamples(exe, folder);
  return folder;
}

}  // namespace platform
