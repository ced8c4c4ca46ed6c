#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them. Arguments go to every
# benchmark program (for example: --benchmark_filter=Flood).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh
./scripts/configure.sh build/release -DCMAKE_BUILD_TYPE=Release
cmake -S . -B build/release -DQM_BENCH=ON >/dev/null
./scripts/build.sh build/release
for b in build/release/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_repetitions="${REPS:-3}" --benchmark_report_aggregates_only=true "$@"
done
