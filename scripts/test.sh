#!/usr/bin/env bash
# Builds both trees and runs every test: the native tree with ASan and UBSan,
# the fuzz targets for a bounded time, then the Windows tree under Wine
# (unit tests, the differential tests and the end-to-end tests of the real
# Pelmora.exe on a virtual X display).
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
status=0

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

step "Native build (ASan, UBSan)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELMORA_SANITIZE=ON >build/logs/native-configure.log 2>&1 \
  && cmake --build build/native -j "$JOBS" >build/logs/native-build.log 2>&1 \
  || { tail -40 build/logs/native-*.log; exit 1; }
step "Native tests"
(cd build/native && ASAN_OPTIONS=detect_leaks=1 ctest -j "$JOBS" --output-on-failure) 2>&1 | tee build/logs/native-ctest.log
count_ctest build/logs/native-ctest.log

step "Fuzz targets (clang, libFuzzer, ${FUZZ_SECONDS}s each)"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_FUZZ=ON >build/logs/fuzz-configure.log 2>&1 \
  && cmake --build build/fuzz -j "$JOBS" --target fuzz_all >build/logs/fuzz-build.log 2>&1 \
  || { tail -40 build/logs/fuzz-*.log; exit 1; }
for fuzzer in $(find build/fuzz -maxdepth 4 -type f -name 'fuzz_*' -perm -u+x | sort); do
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
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >build/logs/windows-configure.log 2>&1 \
  && cmake --build build/windows -j "$JOBS" >build/logs/windows-build.log 2>&1 \
  || { tail -40 build/logs/windows-*.log; exit 1; }
step "Windows tests under Wine"
pelmora_wine_prefix
pelmora_xvfb
(cd build/windows && ctest -j 2 --output-on-failure --timeout 600) 2>&1 | tee build/logs/windows-ctest.log
count_ctest build/logs/windows-ctest.log
wineserver -k >/dev/null 2>&1
[ -n "${PELMORA_XVFB_PID:-}" ] && kill "$PELMORA_XVFB_PID" 2>/dev/null

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
