#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tollwick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLLWICK_TESTS=OFF -DTOLLWICK_BENCH=OFF >/dev/null
cmake --build build
if [ -x build/bin/tollwick ]; then
  exec build/bin/tollwick
fi
echo "Built the core; the window program is not part of this build yet." >&2
