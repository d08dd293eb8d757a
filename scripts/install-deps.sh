#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need; installs nothing when all are present.
set -euo pipefail
packages=(g++ make cmake pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
