#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# As root it runs apt-get; otherwise it prints the command to run.
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
  echo "Installing: ${missing[*]}"
  bash -c "$cmd" >/tmp/pelmora-apt.log 2>&1 || { tail -20 /tmp/pelmora-apt.log; exit 1; }
else
  echo "Missing Debian packages. Run as root:"
  echo "  $cmd"
  exit 1
fi
