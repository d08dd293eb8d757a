#!/usr/bin/env bash
# Builds Korvanta and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/korvanta "$@"
