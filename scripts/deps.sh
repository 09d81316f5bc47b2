#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
# Quiet when everything is present; as a non-root user it prints the command to run.
set -euo pipefail

packages=(cmake make g++ pkg-config ccache libgtest-dev libgmock-dev libbenchmark-dev
          libicu-dev libfontconfig-dev qt6-base-dev fonts-liberation2 fonts-wqy-microhei
          clang-14 libclang-rt-14-dev
          libzip-dev zlib1g-dev libisal-dev libpugixml-dev libssl-dev python3-openpyxl python3-xlsxwriter)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages; run: sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
