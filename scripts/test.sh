#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tollwick with warnings as errors and runs every test.
# BUILD_DIR and SANITIZE=1 choose another build, as CI's sanitizer run does;
# TOLLWICK_CTEST_EXCLUDE is a pattern of test names to leave out.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build_dir=${BUILD_DIR:-build-test}
sanitize=OFF
[ "${SANITIZE:-0}" = 1 ] && sanitize=ON
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTOLLWICK_WERROR=ON \
  -DTOLLWICK_SANITIZE="$sanitize" >/dev/null
cmake --build "$build_dir"
exclude=()
[ -n "${TOLLWICK_CTEST_EXCLUDE:-}" ] && exclude=(-E "$TOLLWICK_CTEST_EXCLUDE")
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" "${exclude[@]}"
