#!/usr/bin/env bash
# Installs what is missing, builds the studio (Release) and starts it. Without
# a display it runs the studio under Xvfb, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh
./scripts/configure.sh build/release -DCMAKE_BUILD_TYPE=Release
./scripts/build.sh build/release quillmoor qm_resources
exe="$PWD/build/release/studio/quillmoor"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$exe" "$@"
fi
shot="$PWD/build/release/screenshot.png"
size="${QM_SCREEN:-1280x1024}"
xvfb-run -a -s "-screen 0 ${size}x24" bash -c '
  # A small window manager gives the windows their title bars and frames.
  wm=
  if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & wm=$!; sleep 1; fi
  "$1" & app=$!
  sleep "${QM_SHOT_DELAY:-4}"
  import -window root "$2"
  kill $app 2>/dev/null; wait $app 2>/dev/null || true
  if [ -n "$wm" ]; then kill $wm 2>/dev/null; wait $wm 2>/dev/null || true; fi
' _ "$exe" "$shot"
echo "$shot"
