#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# A PDF print queue for the printing tests, stopped when this script ends;
# without it those tests fail.
cups_pdf="$(pwd)/scripts/cups-pdf.sh"
trap '"$cups_pdf" stop' EXIT
if cups_vars=$("$cups_pdf" start); then eval "$cups_vars"; else echo "test.sh: no PDF print queue" >&2; fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure -j"$(nproc)"
