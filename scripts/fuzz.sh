#!/usr/bin/env bash
# Builds the record files' fuzz targets with clang (libFuzzer, Address and UB sanitizers) into build-fuzz/
# and runs each on its seeds (the test fixtures of its kind). Two targets per kind: korvanta_fuzz_<kind>
# fuzzes the decision on the file's bytes alone, korvanta_fuzz_<kind>_loader the whole loader in a headless
# program (dialog, file, decision and the step that applies the record); notch and stud have the first only.
# Usage: scripts/fuzz.sh [seconds per decision target] [seconds per loader target]
#          defaults 30 and the first; CI runs both briefly
#        scripts/fuzz.sh --runs N [kind...]
#          each decision target (or those of the kinds named) for N inputs, one after the other
# Each target's corpus grows in build-fuzz/corpus/<target> between runs, and a crash is written to
# build-fuzz/crash-* with the input that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=""
if [ "${1:-}" = "--runs" ]; then
  runs="$2"
  shift 2
  only=("$@")
else
  seconds="${1:-30}"
  loaderSeconds="${2:-$seconds}"
  only=()
fi

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
# kind, the folder of its seeds, the longest input (a little beyond the record: longer files are read
# too) and whether it has a loader target
kinds=(criteria:tests/data/files:1700:loader custom_values:tests/data/files:130:loader
       data_record:tests/data/files:4900:loader wood_column:tests/data/files:1600:loader
       steel_column:tests/data/files:1250:loader custom_post:tests/data/files:100:loader
       settings:fuzz/corpus/settings:400:loader scl:fuzz/corpus/scl:300:loader
       notch:tests/data/notch:400: stud:tests/data/columns:950:)
selected=()
for entry in "${kinds[@]}"; do
  kind="${entry%%:*}"
  if [ "${#only[@]}" -eq 0 ] || [[ " ${only[*]} " == *" $kind "* ]]; then
    selected+=("$entry")
  fi
done
names=()
for entry in "${selected[@]}"; do
  IFS=: read -r kind seeds maxLength loader <<<"$entry"
  names+=("korvanta_fuzz_$kind")
  [ -n "$loader" ] && [ -z "$runs" ] && names+=("korvanta_fuzz_${kind}_loader")
done
cmake --build build-fuzz --target "${names[@]}" -j"$(nproc)"

# target, seeds, longest input, then the libFuzzer limit of the run
fuzz() {
  local target="$1" seeds="$2" maxLength="$3" limit="$4"
  local corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  find "$seeds" -maxdepth 1 -type f ! -name '*.txt' -exec cp {} "$corpus/" \;
  echo "fuzz: $target ($limit)"
  "build-fuzz/fuzz/korvanta_fuzz_$target" "$limit" -max_len="$maxLength" -artifact_prefix=build-fuzz/ \
    "$corpus" 2>&1 | tail -n 3
  test "${PIPESTATUS[0]}" -eq 0
}

for entry in "${selected[@]}"; do
  IFS=: read -r kind seeds maxLength loader <<<"$entry"
  if [ -n "$runs" ]; then
    fuzz "$kind" "$seeds" "$maxLength" "-runs=$runs"
    continue
  fi
  fuzz "$kind" "$seeds" "$maxLength" "-max_total_time=$seconds"
  if [ -n "$loader" ]; then
    fuzz "${kind}_loader" "$seeds" 8192 "-max_total_time=$loaderSeconds"
  fi
done
