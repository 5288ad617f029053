#!/usr/bin/env bash
# Builds Pelmora for Windows and runs it under Wine on a copy of the demo
# lists. With a usable display the program opens there and the script waits
# for you to close it. Without one it runs under Xvfb: it saves screenshots
# of the intro, the main window in each style and the System dialog into
# build/screenshots/, then closes the program through its menu shortcut
# (Ctrl+Q), which writes the lists back.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
./scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Pelmora zef pelmora_lists
EXE=$ROOT/build/windows/bin/Pelmora.exe

source scripts/wine-env.sh
echo "Preparing the Wine prefix $WINEPREFIX ..."
pelmora_wine_prefix
C_DRIVE=$WINEPREFIX/drive_c
EJAY_DIR=$C_DRIVE/Ejay

pelmora_demo_lists

report() {
  echo
  echo "Lists written back by Pelmora: $EJAY_DIR/{pxddance,pxdrave,pxdhiphp}"
  echo "Their copies from before the run: $EJAY_DIR/*.bak"
  echo "Settings: $C_DRIVE/windows/Pelmora.ini"
  echo
  echo "The lists tool on them (wine build/windows/bin/pelmora-lists.exe check):"
  wine "$ROOT/build/windows/bin/pelmora-lists.exe" check >build/demo-lists.log 2>&1 || true
  cat build/demo-lists.log
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting Pelmora on $DISPLAY; close it (Ctrl+Q) to write the lists back."
  wine "$EXE" >build/demo-wine.log 2>&1
  report
  exit 0
fi

SHOTS=$ROOT/build/screenshots
mkdir -p "$SHOTS"
PELMORA_XVFB_DISPLAY=${PELMORA_XVFB_DISPLAY:-90}
pelmora_xvfb
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${PELMORA_XVFB_PID:-}" ] && kill "$PELMORA_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

shot() { import -silent -window root "$SHOTS/$1.png"; echo "  $SHOTS/$1.png"; }
# Under the Wine desktop each window of the program is an X window with its
# caption. Waits (up to 30 s) for one of that caption and size (360x113 for
# the intro; "not 460x735" for any but the main window), then lets it draw.
wait_window() {
  local id size
  for _ in $(seq 300); do
    for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
      size=$(xwininfo -id "$id" 2>/dev/null | sed -nE 's/.*-geometry ([0-9]+x[0-9]+).*/\1/p')
      if [ "$size" = "$2" ] || { [ "${2#not }" != "$2" ] && [ -n "$size" ] && [ "$size" != "${2#not }" ]; }; then
        sleep 1
        return 0
      fi
    done
    sleep 0.1
  done
  echo "No window \"$1\" of size $2 came." >&2
  return 1
}
key() { xdotool key --clearmodifiers "$1"; sleep 1.5; }
CAPTION="Pelmora Version 2.20"

echo "No display: running under Xvfb on $DISPLAY, screenshots:"
wine "$EXE" >build/demo-wine.log 2>&1 &
WINE_PID=$!
wait_window "$CAPTION" 360x113 && shot intro
wait_window "$CAPTION" 460x735 && shot main-dance
key ctrl+r && shot main-rave
key ctrl+h && shot main-hiphop
key ctrl+d
xdotool key --clearmodifiers ctrl+s
wait_window "$CAPTION" "not 460x735" && shot system-dialog
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$WINE_PID" 2>/dev/null || break; sleep 0.1; done
wait "$WINE_PID" && echo "Pelmora ended with exit code 0."
report
