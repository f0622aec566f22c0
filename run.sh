#!/usr/bin/env bash
# Installs what is missing, builds Calidra and starts it on the simulated camera.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"

if [ -x build/app/calidra ]; then
  exec build/app/calidra "$@"
fi
echo "Built the libraries, tests and benchmarks under build/; the calidra program is not part of the build yet."
