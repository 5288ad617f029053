# Sourced by the other scripts: one quiet Wine prefix per checkout, with a
# virtual desktop (captions and reliable focus without a window manager) and
# no crash dialog (it would hang a headless run).
PELMORA_ROOT=${PELMORA_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$PELMORA_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
export WINEARCH=win64
PELMORA_DESKTOP_SIZE=1024x768

pelmora_wine_prefix() {
  if [ -f "$WINEPREFIX/.pelmora-ready" ]; then return 0; fi
  mkdir -p "$WINEPREFIX"
  wineboot -i >"$WINEPREFIX/../wineboot.log" 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d $PELMORA_DESKTOP_SIZE /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.pelmora-ready"
}

# One Wine server for a whole run of many short Wine programs. Without it
# the server ends a few seconds after each program, and a program starting
# in that moment fails ("recvmsg: Connection reset by peer"). A server left
# by an earlier run is ended first. The services the first program starts
# live as long as the server: they are started here with harmless output,
# so that no test's output pipe stays open in them (the test would then
# never seem to end).
pelmora_wine_start() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

pelmora_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
}

# Starts Xvfb on a free display unless a working one is given; sets DISPLAY
# and PELMORA_XVFB_PID. The lock and socket of a display whose server is
# gone (a run that was killed) are cleared instead of skipped for ever.
# Another user's server counts as alive (kill -0 cannot tell), and another
# user's stale lock, which cannot be cleared, is passed by as well.
pelmora_xvfb() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n=${PELMORA_XVFB_DISPLAY:-97} holder
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do
    holder=$(tr -dc '0-9' </tmp/.X$n-lock 2>/dev/null)
    if [ -n "$holder" ] && [ -e "/proc/$holder" ]; then
      n=$((n + 1))
    else
      rm -f /tmp/.X$n-lock /tmp/.X11-unix/X$n 2>/dev/null || n=$((n + 1))
    fi
  done
  Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  PELMORA_XVFB_PID=$!
  export DISPLAY=:$n
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

# A fresh copy of the demo lists in the prefix's C:\Ejay, and settings
# pointing at it, so the program opens straight on them (a first start
# would ask for the folder). A user's copy left by an earlier run would be
# read first: it goes.
pelmora_demo_lists() {
  local c_drive=$WINEPREFIX/drive_c
  rm -rf "$c_drive/Ejay"
  mkdir -p "$c_drive/Ejay"
  cp -r "$PELMORA_ROOT/demo/." "$c_drive/Ejay/"
  printf '[SYSTEM]\r\nejayDir=C:\\Ejay\r\nprogEjay=\r\nautosave=1\r\nbackup=1\r\nrunEjay=0\r\n\r\n[WINDOW]\r\nposition=282,16\r\n\r\n' \
    >"$c_drive/windows/Pelmora.ini"
  find "$c_drive/users" -path '*/Pelmora/Pelmora.ini' -delete 2>/dev/null || true
}
