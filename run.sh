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
  "$1" & app=$!
  sleep "${QM_SHOT_DELAY:-4}"
  import -window root "$2"
  kill $app 2>/dev/null; wait $app 2>/dev/null || true
' _ "$exe" "$shot"
echo "$shot"
