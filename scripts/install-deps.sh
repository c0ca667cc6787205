#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that
# are missing. Runs as root, or through sudo when it is there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libcups2-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
  libwmf-bin xvfb xauth poppler-utils
  cups printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null && sudo=sudo
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
