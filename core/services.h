// Services of the desktop that the pure code reaches through small
// interfaces, so that tests give fakes and the command line gives none:
// the per-user settings store.
#pragma once

#include <map>
#include <string>
#include <utility>

namespace core {

// The per-user settings store: values by section and key, kept between runs
// (the plot size: section "ijz", key "size").
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string Get(const std::string& section, const std::string& key,
                          const std::string& fallback) = 0;
  virtual void Set(const std::string& section, const std::string& key,
                   const std::string& value) = 0;
};

// A store held in memory, for tests and for runs without a desktop.
class MemorySettings : public SettingsStore {
 public:
  std::string Get(const std::string& section, const std::string& key,
                  const std::string& fallback) override {
    const auto it = values.find({section, key});
    return it == values.end() ? fallback : it->second;
  }
  void Set(const std::string& section, const std::string& key, const std::string& value) override {
    values[{section, key}] = value;
  }
  std::map<std::pair<std::string, std::string>, std::string> values;
};

}  // namespace core
