#include "tests/support/fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support {

std::string FixturePath(const std::string& name) {
  return std::string(ZENTU_FIXTURES) + "/" + name;
}
std::string SamplePath(const std::string& name) { return std::string(ZENTU_SAMPLES) + "/" + name; }

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zentu_test_XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  const std::string p = path_ + "/" + name;
  std::ofstream out(p, std::ios::binary);
  out << bytes;
  return p;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace testing_support
