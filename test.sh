#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
CALIDRA_HOME=$(mktemp -d)
export CALIDRA_HOME
trap 'rm -rf "$CALIDRA_HOME"' EXIT

echo "== build and test"
cmake -S . -B build -G Ninja -DCALIDRA_WERROR=ON
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

echo "== everything again under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCALIDRA_SANITIZE=ON -DCALIDRA_WERROR=ON
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs")

echo "== concurrency tests under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DCALIDRA_TSAN=ON -DCALIDRA_WERROR=ON
cmake --build build-tsan -j "$jobs" --target thermcore_live_stress_tests camsdk_concurrency_tests \
  calidra_worker_tests calidra_videoplay_tests
(cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -L tsan)

if command -v clang++ >/dev/null; then
  echo "== fuzz targets, short pass"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCALIDRA_FUZZ=ON
  cmake --build build-fuzz -j "$jobs"
  seeds=build-fuzz/seeds
  rm -rf "$seeds" build-fuzz/corpus
  mkdir -p "$seeds" build-fuzz/corpus/picture build-fuzz/corpus/radio build-fuzz/corpus/live build-fuzz/corpus/firmware
  build-fuzz/tests/support/thermcore_seed_writer "$seeds"
  python3 fuzz/firmware_seeds.py "$seeds/firmware"
  runs=${FUZZ_RUNS:-20000}
  build-fuzz/fuzz/picture_reader_fuzz -runs="$runs" build-fuzz/corpus/picture "$seeds"
  build-fuzz/fuzz/radio_data_fuzz -runs="$runs" build-fuzz/corpus/radio "$seeds/radio"
  build-fuzz/fuzz/live_fuzz -runs="$runs" -close_fd_mask=1 build-fuzz/corpus/live "$seeds/live"
  build-fuzz/fuzz/firmware_package_fuzz -runs="$runs" build-fuzz/corpus/firmware "$seeds/firmware"
else
  echo "clang++ not found: fuzz targets skipped"
fi
echo "== all tests passed"
