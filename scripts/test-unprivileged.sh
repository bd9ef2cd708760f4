#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every test once more as an unprivileged user, so that the cases of
# folders and files without permission, which skip under root, run too.
# Run as root: it makes the user tollwick-ci when missing and builds a copy
# of the checkout owned by that user. USER_NAME chooses another user.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
user=${USER_NAME:-tollwick-ci}
if [ "$(id -u)" -ne 0 ]; then
  echo "Already unprivileged: running the tests here."
  exec bash scripts/test.sh
fi
if ! id -u "$user" >/dev/null 2>&1; then
  useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
fi
copy=$(mktemp -d /tmp/tollwick-unprivileged-XXXXXX)
trap 'rm -rf "$copy"' EXIT
# The files of the checkout as they stand, without build trees; tar rather
# than git, which a fresh machine need not have.
tar -C . --exclude=./.git --exclude='./build*' -cf - . | tar -C "$copy" -xf -
chown -R "$user:" "$copy"
chmod 755 "$copy"
# The filesystem images need root to be mounted; they ran in the root stages.
runuser -u "$user" -- env HOME="$copy" TOLLWICK_CTEST_EXCLUDE='^LoopDevice/' bash "$copy/scripts/test.sh"
