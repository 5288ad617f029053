#!/usr/bin/env bash
# Builds both trees and runs every test: the house format, the native tree
# with ASan and UBSan, the fuzz targets for a bounded time, then the Windows
# tree under Wine (unit tests, the differential tests and the end-to-end
# tests of the real Pelmora.exe on a virtual X display) and the installer's
# install and uninstall. The trees are the presets of CMakePresets.json.
#   FUZZ_SECONDS   time per fuzz target (default 60)
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
"$ROOT/scripts/setup.sh" || exit 1
source "$ROOT/scripts/wine-env.sh"
FUZZ_SECONDS=${FUZZ_SECONDS:-60}
JOBS=$(nproc)
mkdir -p build/logs
passed=0; failed=0

count_ctest() {  # adds a ctest log's totals to passed/failed
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  local f t
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + t - f)); failed=$((failed + f))
}

step() { echo; echo "=== $*"; }

# configure_and_build <preset> <log name>
configure_and_build() {
  cmake --preset "$1" >build/logs/$2-configure.log 2>&1 \
    && cmake --build --preset "$1" -j "$JOBS" >build/logs/$2-build.log 2>&1 \
    || { tail -40 build/logs/$2-*.log; exit 1; }
}

step "House format (clang-format)"
if git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror >build/logs/format.log 2>&1; then
  echo "format: every source in the house format"; passed=$((passed + 1))
else
  echo "format: FAILED (run: git ls-files '*.cpp' '*.h' | xargs clang-format -i)"
  grep -E '^[^ ].*: (error|warning)' build/logs/format.log | cut -d: -f1 | sort -u | head -20
  failed=$((failed + 1))
fi

step "Native build (ASan, UBSan)"
configure_and_build native native
step "Native tests"
(cd build/native && ASAN_OPTIONS=detect_leaks=1 ctest -j "$JOBS" --output-on-failure) 2>&1 | tee build/logs/native-ctest.log
count_ctest build/logs/native-ctest.log

step "Fuzz targets (clang, libFuzzer, ${FUZZ_SECONDS}s each)"
configure_and_build fuzz fuzz
for fuzzer in build/fuzz/bin/fuzz_*; do
  name=$(basename "$fuzzer")
  corpus=build/fuzz/corpus/$name; mkdir -p "$corpus"
  seeds=$ROOT/tests/fuzz-seeds/$name
  [ -d "$seeds" ] || seeds=
  if "$fuzzer" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 "$corpus" $seeds >build/logs/$name.log 2>&1; then
    runs=$(grep -E '^stat::number_of_executed_units' build/logs/$name.log | awk '{print $2}')
    echo "$name: no finding, ${runs:-?} executions"; passed=$((passed + 1))
  else
    echo "$name: FINDING"; tail -40 build/logs/$name.log; failed=$((failed + 1))
  fi
done

step "Windows build (mingw-w64)"
configure_and_build windows windows
step "Windows tests under Wine"
pelmora_wine_prefix
pelmora_xvfb || exit 1
pelmora_wine_start
(cd build/windows && ctest -j 2 --output-on-failure --timeout 600) >build/logs/windows-ctest.log 2>&1
cat build/logs/windows-ctest.log
count_ctest build/logs/windows-ctest.log
step "Installer under Wine"
if tests/installer/installer_test.sh >build/logs/installer.log 2>&1; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
cat build/logs/installer.log
pelmora_wine_stop
[ -n "${PELMORA_XVFB_PID:-}" ] && kill "$PELMORA_XVFB_PID" 2>/dev/null

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
