// Replays the files of the given folders (or single files) through a fuzz
// target's LLVMFuzzerTestOneInput, so that the seed corpora run in every
// ordinary build under CTest, with any compiler. A folder without files is a
// failure: a corpus that went missing must not pass unnoticed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (int k = 1; k < argc; ++k) {
    if (fs::is_directory(argv[k])) {
      for (const auto& e : fs::directory_iterator(argv[k]))
        if (e.is_regular_file()) files.push_back(e.path());
    } else {
      files.emplace_back(argv[k]);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "no input to replay\n");
    return 1;
  }
  for (const fs::path& f : files) {
    std::ifstream in(f, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", f.c_str());
      return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", files.size());
  return 0;
}
