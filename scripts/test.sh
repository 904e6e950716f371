#!/usr/bin/env bash
# Installs what is needed, builds Vantor and runs every test (unit, ui and e2e).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure
