#!/usr/bin/env bash
# Builds the fuzz harness with clang (Address and UB sanitizers) into build-fuzz/ and runs it briefly on
# its seed corpus. Skips, with a notice, where clang or libFuzzer is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
if ! command -v clang++ >/dev/null || ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
  echo "fuzz: clang with libFuzzer not found; skipped"
  exit 0
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANTA_FUZZ=ON \
  -DKORVANTA_QT=OFF >/dev/null
cmake --build build-fuzz --target korvanta_fuzz_records -j"$(nproc)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp fuzz/corpus/* "$work/"
build-fuzz/fuzz/korvanta_fuzz_records -max_total_time="$seconds" -max_len=1024 "$work"
