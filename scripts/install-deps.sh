#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that
# are missing. Runs as root, or through sudo when it is there. Recommended
# packages are not installed, so what a test needs of them is named here
# (fonts-urw-base35: the fonts wmf2svg draws metafile text with).
# Packages named as arguments are installed too (scripts/fuzz.sh asks for
# clang and its fuzzer runtime this way).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libcups2-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
  libwmf-bin fonts-urw-base35 xvfb xauth poppler-utils
  cups printer-driver-cups-pdf
  "$@"
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
