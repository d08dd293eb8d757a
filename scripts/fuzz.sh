#!/usr/bin/env bash
# Builds the record loaders' libFuzzer targets with clang (Address and UB sanitizers) and runs each:
# the notch record decoder, and the criteria, custom values and data record loaders run whole in a
# headless program. Usage: scripts/fuzz.sh [seconds per target]   (default 30; CI runs it briefly)
# For a longer search, run e.g. `bash scripts/fuzz.sh 3600`; the corpus in build-fuzz/corpus grows
# between runs, and a crash is written to build-fuzz/crash-* with the input that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-dev 2>/dev/null |
    grep -q "install ok installed"; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends clang libclang-rt-dev
fi

out=build-fuzz
mkdir -p "$out/corpus"
cp tests/data/notch/*.NWD "$out/corpus/"
# Only the loaders and the core primitives they use: no forms, no hosts.
sources=(tests/notch/NotchRecordFuzz.cpp notch/NotchRecord.cpp notch/NotchTables.cpp platform/core/*.cpp)
clang++ -std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  "${sources[@]}" -o "$out/record_loader_fuzz"
"$out/record_loader_fuzz" -max_total_time="$seconds" -artifact_prefix="$out/" "$out/corpus"

# The beam record file loaders, each in a headless program built whole with the sanitizers.
cmake -S . -B "$out/program" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DKORVANTA_QT=OFF \
  -DKORVANTA_FUZZ=ON -DCMAKE_CXX_FLAGS="-O1 -g -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$out/program" -j4 --target criteria_file_fuzz custom_values_file_fuzz data_record_file_fuzz
for pair in criteria_file_fuzz:CRI custom_values_file_fuzz:Val data_record_file_fuzz:Dat; do
  target="${pair%%:*}"
  corpus="$out/corpus-$target"
  mkdir -p "$corpus"
  cp tests/data/files/*."${pair##*:}" "$corpus/"
  "$out/program/tests/$target" -max_total_time="$seconds" -artifact_prefix="$out/$target-" "$corpus"
done
