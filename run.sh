#!/usr/bin/env bash
# Installs what is missing, builds Calidra and starts it on the simulated camera.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"

exec build/app/calidra "$@"
