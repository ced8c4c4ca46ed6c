#!/usr/bin/env bash
# build.sh <build-dir> [targets...]: builds quietly; on failure shows the errors.
set -uo pipefail
dir="$1"; shift
targets=()
for t in "$@"; do targets+=(--target "$t"); done
export CCACHE_BASEDIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Share cached objects between checkouts in different folders (debug info keeps the first path).
export CCACHE_NOHASHDIR=1
# Several checkouts may build at once on a small machine: QM_BUILD_LOCK names a
# lock file that makes them take turns.
if [ -n "${QM_BUILD_LOCK:-}" ]; then
  exec 9>"$QM_BUILD_LOCK"
  flock 9
fi
if ! cmake --build "$dir" -j"$(nproc)" "${targets[@]}" >"$dir/build.log" 2>&1; then
  grep -vE '^\[[0-9]+/[0-9]+\] ' "$dir/build.log" | head -n 150
  echo "Build failed (full log: $dir/build.log)"
  exit 1
fi
