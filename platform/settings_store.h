// The per-user settings store on this desktop: QSettings under the
// organisation "Harbenko", each section a group (the plot size: group "ijz",
// key "size"), kept in a file of the user's configuration folder.
#pragma once

#include "core/services.h"

namespace platform {

class QtSettingsStore : public core::SettingsStore {
 public:
  std::string Get(const std::string& section, const std::string& key,
                  const std::string& fallback) override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;
};

}  // namespace platform
