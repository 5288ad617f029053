#!/usr/bin/env bash
# The installer under Wine: a silent install puts the four files, the
# shortcuts and the uninstall entry in place and the program folder at the
# end of the user's PATH; the installed program opens its window; a silent
# uninstall takes all of it away again and leaves the user's list, settings
# file and PATH (the registry value's bytes and type) as they were. Runs in
# scripts/test.sh's Wine server and display, or alone on a display of its own.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
source "$ROOT/scripts/wine-env.sh"
# The shortcut must not become a menu entry of the machine running the test.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
C=$WINEPREFIX/drive_c
DIR="$C/Program Files/Pelmora"
LINK="$C/ProgramData/Microsoft/Windows/Start Menu/Programs/Pelmora.lnk"
CHECK_LINK="$(dirname "$LINK")/Vérifier les listes.lnk"
ENV='HKCU\Environment'
USER_PATH='C:\Outils;%USERPROFILE%\bin;D:\Jeux'
KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelmora'
LOG=$ROOT/build/logs/installer
fail() { echo "installer: FAILED: $*"; exit 1; }
poll() { for _ in $(seq 1200); do "$@" && return 0; sleep 0.1; done; return 1; }  # up to 2 min
no_key() { ! wine reg query "$KEY" >"$LOG-reg.log" 2>&1; }
no_folder() { [ ! -e "$DIR" ]; }
user_path() { wine reg query "$ENV" /v Path 2>&1 | tr -d '\r' | grep -a Path; }

mkdir -p "$(dirname "$LOG")"
cmake --build "$ROOT/build/windows" --target package >"$LOG-package.log" 2>&1 || fail "package target"
pelmora_wine_prefix
pelmora_xvfb || exit 1
trap '[ -z "${PELMORA_XVFB_PID:-}" ] || kill "$PELMORA_XVFB_PID"' EXIT
# What an earlier run that failed half-way may have left.
rm -rf "$DIR" "$LINK" "$CHECK_LINK"; wine reg delete "$KEY" /f >"$LOG-reg.log" 2>&1
# The user's PATH of its usual type, with a variable that stays unexpanded.
wine reg add "$ENV" /v Path /t REG_EXPAND_SZ /d "$USER_PATH" /f >"$LOG-reg.log" 2>&1 || fail "setting the PATH"
wine reg export "$ENV" "$LOG-path.reg" /y >"$LOG-reg.log" 2>&1

wine "$ROOT/build/windows/Pelmora-2.20-setup.exe" /S >"$LOG-setup.log" 2>&1 || fail "setup.exe /S"
[ "$(cd "$DIR" && LC_ALL=C ls | tr '\n' ' ')" = "LISEZMOI.txt Pelmora.exe Uninstall.exe ZEF.dll pelmora-lists.exe " ] \
  || fail "installed files: $(ls "$DIR")"
[ -f "$LINK" ] || fail "no Start-menu shortcut"
tr -d '\0' <"$CHECK_LINK" | grep -Fq '/c ""C:\Program Files\Pelmora\pelmora-lists.exe" check & pause"' || fail "no check shortcut"
[ "$(user_path)" = "    Path    REG_EXPAND_SZ    $USER_PATH;C:\Program Files\Pelmora" ] || fail "PATH: $(user_path)"
wine reg query "$KEY" >"$LOG-reg.log" 2>&1 || fail "no uninstall entry"
for value in 'DisplayName +REG_SZ +Pelmora 2\.20' 'DisplayVersion +REG_SZ +2\.20[[:space:]]*$' \
  'Publisher +REG_SZ +Les d.veloppeurs de Pelmora' \
  'UninstallString +REG_SZ +"C:\\Program Files\\Pelmora\\Uninstall\.exe"'; do
  LC_ALL=C grep -Eq "$value" "$LOG-reg.log" || fail "uninstall entry without $value"
done

wine 'C:\Program Files\Pelmora\Pelmora.exe' >"$LOG-pelmora.log" 2>&1 &
pid=$!
poll xdotool search --all --pid "$pid" --name '^Pelmora Version 2\.20$' >/dev/null 2>&1
shown=$?
kill "$pid"; wait "$pid" 2>/dev/null
[ "$shown" -eq 0 ] || fail "the installed Pelmora.exe opened no window"

# A list and a settings file of the user's (the journeys clear them at start).
kept=("$C/Ejay/pxddance" "$C/windows/Pelmora.ini")
mkdir -p "$C/Ejay"
for f in "${kept[@]}"; do echo "[SYSTEM]" >"$f"; done
md5sum "${kept[@]}" >"$LOG-kept.md5"
# The uninstaller goes on from a copy of itself in %TEMP%: wait for its work.
wine 'C:\Program Files\Pelmora\Uninstall.exe' /S >"$LOG-uninstall.log" 2>&1 || fail "Uninstall.exe /S"
poll no_folder || fail "program folder left: $(ls "$DIR")"
poll no_key || fail "uninstall entry left"
[ ! -e "$LINK" ] && [ ! -e "$CHECK_LINK" ] || fail "shortcut left"
wine reg export "$ENV" "$LOG-path-after.reg" /y >"$LOG-reg.log" 2>&1
cmp -s "$LOG-path.reg" "$LOG-path-after.reg" || fail "the user's PATH changed: $(user_path)"
md5sum --quiet -c "$LOG-kept.md5" || fail "the list or Pelmora.ini changed"
rm -f "${kept[@]}"; rmdir --ignore-fail-on-non-empty "$C/Ejay"
echo "installer: installs the files, shortcuts, entry and PATH; Pelmora starts; uninstalls all but the user's files"
