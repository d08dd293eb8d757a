#!/usr/bin/env bash
# Builds Korvanta and runs its tests (headless; the Qt host is tested offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build && ctest --output-on-failure -j"$(nproc)"
# The fuzz harness runs briefly after the tests.
cd .. && bash scripts/fuzz.sh 20
