#!/usr/bin/env bash
# Fuzzes every target of fuzz/ for MINUTES minutes each (default 10), one
# after the other, and says what each found:
#
#   scripts/fuzz.sh [MINUTES] [TARGET...]     e.g. scripts/fuzz.sh 1 fields
#
# Builds build-fuzz/ with clang and libFuzzer (-DZENTU_FUZZ=ON, no Qt). The
# committed seeds of fuzz/corpus/TARGET are read, never written; new inputs
# go to build-fuzz/corpus/TARGET, findings (crash, leak, broken promise,
# timeout, memory) to build-fuzz/findings/TARGET/. A finding makes the
# script exit 1; add its input to fuzz/corpus/TARGET with the fix, so that
# the replay under CTest keeps it fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev

minutes=${1:-10}
if ! [[ $minutes =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [MINUTES] [TARGET...]  (MINUTES a whole number from 1)" >&2
  exit 2
fi
shift || true
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DZENTU_FUZZ=ON -DZENTU_WITH_QT=OFF \
  -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*.cpp; do
    name=$(basename "$source" .cpp)
    [ "$name" = replay_main ] || targets+=("$name")
  done
fi
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz-}"

status=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/findings/$t"
  echo "== fuzz-$t for $minutes min"
  if build-fuzz/fuzz/"fuzz-$t" -max_total_time=$((minutes * 60)) -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$t/" \
      "build-fuzz/corpus/$t" "fuzz/corpus/$t" >"build-fuzz/fuzz-$t.log" 2>&1; then
    echo "fuzz-$t: nothing found; $(grep -h 'stat::number_of_executed_units' "build-fuzz/fuzz-$t.log")," \
      "corpus $(ls "build-fuzz/corpus/$t" | wc -l) inputs"
  else
    echo "fuzz-$t: FOUND something, see build-fuzz/fuzz-$t.log and build-fuzz/findings/$t/"
    grep -h -m3 -E 'ERROR|broken promise|SUMMARY' "build-fuzz/fuzz-$t.log" || true
    status=1
  fi
done
exit $status
