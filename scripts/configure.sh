#!/usr/bin/env bash
# configure.sh <build-dir> <cmake options...>: configures once, quietly.
set -euo pipefail
dir="$1"; shift
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=1
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
fi
