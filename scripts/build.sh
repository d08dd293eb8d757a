#!/usr/bin/env bash
# Configures and builds into build/: everything, or only the targets named (scripts/run.sh builds the
# program alone, so a newcomer does not wait for the tests and benchmarks to compile).
# Usage: scripts/build.sh [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build -j"$(nproc)" "${targets[@]}"
