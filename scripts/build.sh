#!/usr/bin/env bash
# Configures and builds Vantor in build/ (Release, with tests and benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
