#!/usr/bin/env bash
# Builds the record loaders' fuzz targets with clang (libFuzzer, Address and UB sanitizers) into
# build-fuzz/ and runs each on its seeds (the test fixtures of its file kind).
# Usage: scripts/fuzz.sh [seconds per target]   (default 30; CI runs it briefly)
# A longer search: `bash scripts/fuzz.sh 3600`. Each target's corpus grows in build-fuzz/corpus/<target>
# between runs, and a crash is written to build-fuzz/crash-* with the input that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

bash scripts/install-deps.sh
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-dev 2>/dev/null |
    grep -q "install ok installed"; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends clang libclang-rt-dev
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANTA_FUZZ=ON -DKORVANTA_WERROR=OFF \
  -DKORVANTA_QT=OFF >/dev/null
# target and the folder of its seeds
targets=(settings:fuzz/corpus/settings notch:tests/data/notch scl:fuzz/corpus/scl criteria:tests/data/files
         custom_values:tests/data/files data_record:tests/data/files stud:tests/data/columns
         wood_column:tests/data/files steel_column:tests/data/files
         custom_post:tests/data/files)
names=()
for entry in "${targets[@]}"; do names+=("korvanta_fuzz_${entry%%:*}"); done
cmake --build build-fuzz --target "${names[@]}" -j"$(nproc)"

for entry in "${targets[@]}"; do
  target="${entry%%:*}"
  seeds="${entry#*:}"
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  find "$seeds" -maxdepth 1 -type f ! -name '*.txt' -exec cp {} "$corpus/" \;
  echo "fuzz: $target for ${seconds}s"
  "build-fuzz/fuzz/korvanta_fuzz_$target" -max_total_time="$seconds" -max_len=8192 \
    -artifact_prefix=build-fuzz/ "$corpus" 2>&1 | tail -n 3
  test "${PIPESTATUS[0]}" -eq 0
done
