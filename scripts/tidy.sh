#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# clang-tidy over src/ with the repository's .clang-tidy, from the compile
# database of a build (default build-clang, which scripts/test.sh makes
# with CXX=clang++). Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-clang}
if [ ! -f "$build_dir/compile_commands.json" ]; then
  BUILD_DIR="$build_dir" CXX=clang++ bash scripts/test.sh
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run-clang-tidy -p "$build_dir" -j 2 -quiet "$PWD/src/.*\\.cpp\$" 2>&1 | sed "s/\x1b\[[0-9;]*m//g" >"$log" || true
if grep -E '(warning|error):' "$log" | grep -v 'warnings generated' >/dev/null; then
  grep -E -A3 '(warning|error):' "$log"
  echo "clang-tidy found the above." >&2
  exit 1
fi
echo "clang-tidy: no findings."
