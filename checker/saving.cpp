#include "checker/saving.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "core/text_file.h"

namespace checker {

namespace fs = std::filesystem;

SavePlan PlanSave(const std::string& opened, const std::string& target, bool rename,
                  bool targetExists) {
  SavePlan plan;
  const bool itself = target == opened;
  plan.askOverwrite = !itself && targetExists;
  plan.write = target;
  if (rename && !itself && !opened.empty()) plan.remove = opened;
  return plan;
}

SaveStatus SaveText(const std::string& opened, const std::string& target, bool rename,
                    const std::string& bytes, core::Reporter& report) {
  std::error_code ec;
  // A folder under the target's name is no file to overwrite: the write
  // below fails and says so.
  const bool exists = fs::exists(target, ec) && !fs::is_directory(target, ec);
  const SavePlan plan = PlanSave(opened, target, rename, exists);
  if (plan.askOverwrite && report.Show(core::Msg::FileExistsOverwrite) != core::Answer::Yes)
    return SaveStatus::Declined;
  if (!core::WriteFileReplacing(plan.write, bytes)) {
    report.Show(core::Msg::CheckerWriteFailed, {plan.write});
    return SaveStatus::WriteFailed;
  }
  if (plan.remove.empty()) return SaveStatus::Saved;
  // The same file under another spelling ("a//b", a link) was just written.
  if (fs::equivalent(plan.remove, plan.write, ec)) return SaveStatus::Saved;
  if (!fs::remove(plan.remove, ec) && ec && ec != std::errc::no_such_file_or_directory) {
    report.Show(core::Msg::CheckerDeleteFailed, {plan.remove});
    return SaveStatus::OldKept;
  }
  return SaveStatus::Saved;
}

FolderResult MakeFolder(const std::string& path) {
  std::error_code ec;
  if (fs::create_directory(path, ec)) return FolderResult::Made;
  if (!ec || ec == std::errc::file_exists)
    return FolderResult::Exists;  // false, no error: a folder is there
  return FolderResult::Failed;
}

LocalTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string PrintHeading(const LocalTime& t, const std::string& folder, const std::string& name) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d/%02d/%02d   %02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return std::string(stamp) + std::string(11, ' ') + folder + name + "\r\n\r\n";
}

}  // namespace checker
