#!/usr/bin/env bash
# run.sh <reader> [seconds] [extra libFuzzer options...]
# Builds the fuzz targets with clang in build/fuzz and fuzzes one reader
# (bmp, jpeg, ico, wmf, emf, rtf, avi) for the given time (default 600 s), starting from
# fuzz/corpus/<reader>. New inputs go to build/fuzz/corpus/<reader>; crashes to
# build/fuzz/crashes/<reader>/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
reader="${1:?reader: bmp, jpeg, ico, wmf, emf, rtf or avi}"
seconds="${2:-600}"
shift $(( $# >= 2 ? 2 : 1 ))
build="$root/build/fuzz"
export CCACHE_BASEDIR="$root"
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DQM_FUZZ=ON >/dev/null
fi
"$root/scripts/build.sh" "$build" "fuzz_$reader"
mkdir -p "$build/corpus/$reader" "$build/crashes/$reader"
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1"
# Fontconfig and Qt keep caches for the life of the process.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
# A reader's dictionary of tokens (fuzz/<reader>.dict), when it has one.
dict=()
[ -f "$root/fuzz/$reader.dict" ] && dict=(-dict="$root/fuzz/$reader.dict")
exec "$build/fuzz/fuzz_$reader" "$build/corpus/$reader" "$root/fuzz/corpus/$reader" "${dict[@]}" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=3000 -max_len=65536 \
  -artifact_prefix="$build/crashes/$reader/" -print_final_stats=1 "$@"
