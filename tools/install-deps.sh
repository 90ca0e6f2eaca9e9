#!/usr/bin/env bash
# Installs the Debian 12 packages the editor and its tests need, when missing.
set -euo pipefail
packages=(g++ make cmake qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev libsndfile1-dev nlohmann-json3-dev pkg-config clang-format
          fonts-dejavu-core libfftw3-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
          qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
