// Fuzz target: a data file in the xyz format (fuzz/data_file.h).
#include "fuzz/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ReadDataFile(core::Format::Xyz, data, size);
  return 0;
}
