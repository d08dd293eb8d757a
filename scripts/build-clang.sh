#!/usr/bin/env bash
# Configures and builds everything with Debian's clang into build-clang/, warnings as errors, and runs
# the tests; the main build uses g++, and CI builds and tests with both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if ! command -v clang++ >/dev/null; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends clang
fi
CC=clang CXX=clang++ cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANTA_WERROR=ON >/dev/null
cmake --build build-clang -j"$(nproc)"
cd build-clang && ctest --output-on-failure -j"$(nproc)"
