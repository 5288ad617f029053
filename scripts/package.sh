#!/usr/bin/env bash
# Builds the Windows zip: Pelmora.exe, ZEF.dll and the French and English
# read-me, in build/windows/Pelmora-2.20-win64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/windows --target package
ls -l build/windows/Pelmora-*-win64.zip
