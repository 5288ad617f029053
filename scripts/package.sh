#!/usr/bin/env bash
# Builds the Windows packages in build/windows: the zip
# Pelmora-2.20-win64.zip (Pelmora.exe, ZEF.dll, pelmora-lists.exe and the
# French and English read-me) and the installer Pelmora-2.20-setup.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target package
ls -l build/windows/Pelmora-*-win64.zip build/windows/Pelmora-*-setup.exe
