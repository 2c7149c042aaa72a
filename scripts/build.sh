#!/usr/bin/env bash
# Sets up the machine and builds Zantrel into ./build (a runnable portable install).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
