#!/usr/bin/env bash
# Runs the screen tour under Xvfb with the openbox window manager: checks what only a window manager
# shows and leaves screenshots of the main states in out/screens/ to look at.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
missing=()
for p in xvfb openbox imagemagick x11-utils; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ -d build ] || cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target korvanta_screens

display=":$((50 + RANDOM % 40))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
sleep 1
DISPLAY="$display" openbox &
wm=$!
trap 'kill "$wm" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
mkdir -p out/screens
DISPLAY="$display" QT_QPA_PLATFORM=xcb KORVANTA_SCREENS="$PWD/out/screens" build/tests/korvanta_screens "$@"
echo "Screenshots in out/screens/"
