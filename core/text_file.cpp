#include "core/text_file.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace core {

std::string ReadAll(std::istream& in) {
  std::ostringstream out;
  out << in.rdbuf();
  return std::move(out).str();
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::error_code ec;
  if (path.empty() || std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size > 0) {
    bytes.resize(static_cast<size_t>(size));
    in.seekg(0, std::ios::beg);
    in.read(bytes.data(), size);
    if (in.gcount() != size) return std::nullopt;
  } else {
    in.clear();
    in.seekg(0, std::ios::beg);
    bytes = ReadAll(in);  // a stream without a size (a pipe)
  }
  return bytes;
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
  static std::atomic<unsigned> serial{0};
  const std::string temp = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(serial++);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace core
