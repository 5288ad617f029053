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
cmake --build --preset windows --target Pelmora zef
EXE=$ROOT/build/windows/bin/Pelmora.exe

source scripts/wine-env.sh
echo "Preparing the Wine prefix $WINEPREFIX ..."
pelmora_wine_prefix
C_DRIVE=$WINEPREFIX/drive_c
EJAY_DIR=$C_DRIVE/Ejay

# A fresh copy of the demo lists, and settings pointing at it, so the
# program opens straight on them (a first start would ask for the folder).
rm -rf "$EJAY_DIR"
mkdir -p "$EJAY_DIR"
cp demo/pxddance demo/pxdrave demo/pxdhiphp "$EJAY_DIR/"
printf '[SYSTEM]\r\nejayDir=C:\\Ejay\r\nprogEjay=\r\nautosave=1\r\nbackup=1\r\nrunEjay=0\r\n\r\n[WINDOW]\r\nposition=282,16\r\n\r\n' \
  >"$C_DRIVE/windows/Pelmora.ini"
# A user's copy left by an earlier run would be read first.
find "$C_DRIVE/users" -path '*/Pelmora/Pelmora.ini' -delete 2>/dev/null || true

report() {
  echo
  echo "Lists written back by Pelmora: $EJAY_DIR/{pxddance,pxdrave,pxdhiphp}"
  echo "Their copies from before the run: $EJAY_DIR/*.bak"
  echo "Settings: $C_DRIVE/windows/Pelmora.ini"
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

# The colour of one screen pixel, as ImageMagick names it.
pixel() { import -silent -window root -crop "1x1+$1+$2" +repage txt:- 2>/dev/null | tail -1 | awk '{print $3}'; }
shot() { import -silent -window root "$SHOTS/$1.png"; echo "  $SHOTS/$1.png"; }
# Waits (up to $3 tenths of a second) until the pixel at ($1,$2) changes from $4.
wait_change() {
  local i
  for ((i = 0; i < $3; i++)); do
    [ "$(pixel "$1" "$2")" != "$4" ] && return 0
    sleep 0.1
  done
  return 1
}
key() { xdotool key --clearmodifiers "$1"; sleep 1.5; }

echo "No display: running under Xvfb on $DISPLAY, screenshots:"
wine "$EXE" >build/demo-wine.log 2>&1 &
WINE_PID=$!
# The Wine desktop comes first (its corner leaves black), then the intro in
# the middle of the screen, then the main window at (282,16).
blank=$(pixel 5 5)
wait_change 5 5 300 "$blank" || { echo "The Wine desktop did not appear."; exit 1; }
sleep 0.3
desktop=$(pixel 512 384)
wait_change 512 384 300 "$desktop" || { echo "The intro did not appear."; exit 1; }
sleep 0.5
shot intro
wait_change 300 20 100 "$desktop" || { echo "The main window did not appear."; exit 1; }
sleep 1.5
shot main-dance
key ctrl+r && shot main-rave
key ctrl+h && shot main-hiphop
key ctrl+d
key ctrl+s && shot system-dialog
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$WINE_PID" 2>/dev/null || break; sleep 0.1; done
wait "$WINE_PID" && echo "Pelmora ended with exit code 0."
report
