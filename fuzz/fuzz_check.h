// What the fuzz targets check beyond "no crash, no leak, no hang": a broken
// promise ends the program with a message, which the fuzzer keeps as a
// finding and the replay under CTest reports as a failure.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                              \
  do {                                                                                \
    if (!(cond)) {                                                                    \
      std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                   \
    }                                                                                 \
  } while (0)
