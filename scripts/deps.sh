#!/usr/bin/env bash
# Installs the Debian 12 packages the program needs to build, run and test. Skips apt when all
# of them are already there.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkgconf
  qt6-base-dev qt6-image-formats-plugins libjpeg62-turbo-dev
  libxml2-dev libxml2-utils libsimpleini-dev libfontconfig-dev
  fonts-dejavu-core fonts-dejavu-extra
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
