#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what CI needs beyond scripts/deps.sh: clang with libFuzzer and
# clang-tidy, and the tools that make the vfat and exfat images.
set -euo pipefail

packages=(clang clang-tidy libclang-rt-14-dev dosfstools exfatprogs)

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
