#!/usr/bin/env bash
# Takes the editing screenshots of Pelmora under Wine that the README shows:
# the end-to-end editing journey saves a PNG of the screen at its telling
# moments (the Add and Modify forms, the delete question, a missing sample's
# grey row, the Find form) into build/screenshots/ when
# PELMORA_E2E_SCREENSHOTS names that folder.
#   ./scripts/screenshots.sh [gtest filter]     (default: the journey that takes pictures)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=build/windows
FILTER=${1:-'Editing.*'}
source "$ROOT/scripts/wine-env.sh"

cmake --preset windows >/dev/null
cmake --build --preset windows --target e2e_tests >/dev/null
pelmora_wine_prefix
pelmora_xvfb

SHOTS=$ROOT/build/screenshots
mkdir -p "$SHOTS"
export PELMORA_E2E_SCREENSHOTS=$SHOTS
status=0
# Output to a file, never a pipe: a Wine process left behind would keep a
# pipe open.
(cd "$BUILD/bin" && wine e2e_tests.exe --gtest_filter="$FILTER") >"$SHOTS/e2e.log" 2>&1 || status=$?
[ -n "${PELMORA_XVFB_PID:-}" ] && kill "$PELMORA_XVFB_PID" 2>/dev/null
grep -E '^\[ +(PASSED|FAILED) +\]' "$SHOTS/e2e.log" || tail -20 "$SHOTS/e2e.log"
echo "Screenshots in $SHOTS:"
ls -1 "$SHOTS"/*.png 2>/dev/null || echo "  (none)"
exit $status
