#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, with
# apt-get as root, through sudo otherwise; without sudo it prints the
# command to run as root and fails. Nothing else of the scripts needs root.
set -euo pipefail
PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libinih-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb x11-utils xdotool
  imagemagick zip nsis python3 clang-format)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
cmd="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=(bash -c "$cmd")
elif command -v sudo >/dev/null; then
  as_root=(sudo bash -c "$cmd")
else
  echo "Missing Debian packages (${missing[*]}), and no sudo to install them. Run as root:"
  echo "  su -c '$cmd'"
  exit 1
fi
echo "Installing: ${missing[*]}"
log=$(mktemp /tmp/pelmora-apt.XXXXXX.log)
"${as_root[@]}" >"$log" 2>&1 || { tail -20 "$log"; echo "Installing failed; the whole log: $log"; exit 1; }
rm -f "$log"
