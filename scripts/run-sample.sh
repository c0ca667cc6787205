#!/usr/bin/env bash
# Installs what is missing, builds, and converts the bundled sample.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target zentu-cli
build/cli/zentu-cli grid samples/g01.dat
