#!/usr/bin/env bash
# Builds the Windows zip: Pelmora.exe, ZEF.dll and the French and English
# read-me, in build/windows/Pelmora-2.20-win64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target package
ls -l build/windows/Pelmora-*-win64.zip
