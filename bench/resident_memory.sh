#!/usr/bin/env bash
# Benchmark, not a test: the resident memory (VmRSS) of Pelmora.exe under
# Wine once its main window is up on the demo lists, beside Wine's Notepad
# for scale. Prints kilobytes; run it after building the Windows tree. Like
# scripts/demo.sh, it replaces C:\Ejay and Pelmora.ini in the build's prefix.
#   bench/resident_memory.sh [BIN_DIR]   (default: build/windows/bin)
# BIN_DIR may hold another build's Pelmora.exe and ZEF.dll, to compare.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BIN=$(cd "${1:-build/windows/bin}" && pwd)
source scripts/wine-env.sh
pelmora_wine_prefix

pelmora_demo_lists

PELMORA_XVFB_DISPLAY=${PELMORA_XVFB_DISPLAY:-93}
pelmora_xvfb
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${PELMORA_XVFB_PID:-}" ] && kill "$PELMORA_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
pelmora_wine_start

# The process of that executable name running in this prefix (other
# checkouts may run their own at the same time).
process_of() {
  local dir
  for dir in /proc/[0-9]*; do
    [ "$(cat "$dir/comm" 2>/dev/null)" = "$1" ] || continue
    tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && basename "$dir" && return 0
  done
  return 1
}

# Waits (up to 30 s) for a window of that caption, lets it settle, then
# prints the VmRSS of the named process.
resident_once_shown() {
  local pid=""
  for _ in $(seq 300); do
    if xdotool search --name "$1" >/dev/null 2>&1; then
      pid=$(process_of "$2") && break
    fi
    sleep 0.1
  done
  [ -n "$pid" ] || { echo "no window \"$1\"" >&2; return 1; }
  sleep 3
  sed -nE 's/^VmRSS:[[:space:]]+([0-9]+) kB/\1/p' "/proc/$pid/status"
}

wine "$BIN/Pelmora.exe" >build/resident-pelmora.log 2>&1 &
PELMORA_PID=$!
# The main window is 460x735; the intro shares its caption.
for _ in $(seq 300); do
  for id in $(xdotool search --name '^Pelmora Version 2.20$' 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q -- '-geometry 460x735' && break 2
  done
  sleep 0.1
done
echo "Pelmora.exe main window: $(resident_once_shown '^Pelmora Version 2.20$' Pelmora.exe) kB"
xdotool key --clearmodifiers ctrl+q
wait "$PELMORA_PID" || true
wine notepad >build/resident-notepad.log 2>&1 &
echo "Wine's notepad:          $(resident_once_shown 'Notepad' notepad.exe) kB"
