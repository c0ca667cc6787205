// Shared test helpers: fixture paths, temporary folders, small file writers.
#pragma once

#include <string>

namespace testing_support {

// A file of tests/fixtures/.
std::string FixturePath(const std::string& name);
// A file of samples/.
std::string SamplePath(const std::string& name);

// A fresh folder, removed with its contents at the end of the test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  // Writes `bytes` to a file of this folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);

}  // namespace testing_support
