#!/usr/bin/env bash
# Builds the program alone (not the tests or benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh korvanta
exec build/korvanta "$@"
