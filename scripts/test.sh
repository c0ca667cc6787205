#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs all tests, three times
# over, each build in its own folder:
#   build/       Release: the whole suite, the fuzz corpora replayed;
#   build-asan/  AddressSanitizer and UndefinedBehaviorSanitizer: the whole
#                suite again (benchmarks are not built);
#   build-tsan/  ThreadSanitizer, without Qt: the tests labelled "threads"
#                (gridding, and the grid command on several threads).
# A sanitizer's finding ends its program, so the test that met it fails.
# Before building, every C++ file must be laid out as .clang-format says. The
# last line sums up the three runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
# A PDF print queue for the printing tests, stopped when this script ends;
# without it those tests fail.
cups_pdf="$(pwd)/scripts/cups-pdf.sh"
trap '"$cups_pdf" stop' EXIT
if cups_vars=$("$cups_pdf" start); then eval "$cups_vars"; else echo "test.sh: no PDF print queue" >&2; fi

jobs=$(nproc)
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

echo "== Release"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs" | tee ctest.log)

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZENTU_SANITIZE=address -DBUILD_BENCHMARKS=OFF \
  "${launcher[@]}"
cmake --build build-asan -j"$jobs"
(cd build-asan &&
  ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j"$jobs" | tee ctest.log)

echo "== ThreadSanitizer"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DZENTU_SANITIZE=thread -DZENTU_WITH_QT=OFF \
  -DBUILD_BENCHMARKS=OFF "${launcher[@]}"
cmake --build build-tsan -j"$jobs" --target gridding_tests cli_tests
(cd build-tsan &&
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  ctest --output-on-failure -j"$jobs" -L threads | tee ctest.log)

# A run with a failed test has stopped the script before this line.
counted() { grep -oE '[0-9]+ tests failed out of [0-9]+' "$1/ctest.log" | tail -n 1; }
echo "test.sh: all passed: Release $(counted build); ASan+UBSan $(counted build-asan); TSan $(counted build-tsan)"
