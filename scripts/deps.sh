#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Tollwick needs to build and test, when missing,
# and those named as arguments.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libicu-dev qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
          libexiv2-dev libtag1-dev libgtest-dev libgmock-dev
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
# Another apt-get (unattended upgrades, a second job) may hold the package
# lock: wait for it up to APT_LOCK_WAIT seconds rather than fail at once.
lock_wait=${APT_LOCK_WAIT:-600}
apt=("${sudo[@]}" apt-get -o DPkg::Lock::Timeout="$lock_wait")

# apt-get update does not wait for the lock of the package lists, so it is
# tried again while another one holds that lock.
update_lists() {
  local log waited=0
  log=$(mktemp)
  until "${apt[@]}" update -qq 2>"$log"; do
    if ! grep -q 'Could not get lock' "$log" || [ "$waited" -ge "$lock_wait" ]; then
      cat "$log" >&2
      rm -f "$log"
      return 1
    fi
    [ "$waited" -eq 0 ] && echo "Waiting for another apt-get to release the package lists."
    sleep 5
    waited=$((waited + 5))
  done
  cat "$log" >&2
  rm -f "$log"
}

echo "Installing: ${missing[*]}"
update_lists
DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq "${missing[@]}"
