#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Tollwick needs to build and test, when missing,
# and those named as arguments.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libicu-dev qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
          libgtest-dev libgmock-dev
          scdoc librsvg2-bin groff-base bash-completion appstream desktop-file-utils libxml2-utils "$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
