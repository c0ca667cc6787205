// Fuzz target: a data file in the ijz format (fuzz/data_file.h).
#include "fuzz/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ReadDataFile(core::Format::Ijz, data, size);
  return 0;
}
