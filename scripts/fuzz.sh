#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for SECONDS (default 60), from a
# copy of its seed corpus in fuzz/corpus/. Any crash, leak or sanitizer
# report fails. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
seconds=${1:-60}
shift || true
build_dir=${BUILD_DIR:-build-fuzz}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DTOLLWICK_WERROR=ON \
  -DTOLLWICK_SANITIZE=ON -DTOLLWICK_FUZZ=ON -DTOLLWICK_WINDOW=OFF -DTOLLWICK_TESTS=OFF -DTOLLWICK_BENCH=OFF >/dev/null
cmake --build "$build_dir"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for corpus in fuzz/corpus/*/; do
    targets+=("$(basename "$corpus")")
  done
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
artifacts="$build_dir/fuzz-artifacts"
mkdir -p "$artifacts"
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  echo "== ${target}_fuzzer for ${seconds} s"
  # New inputs go to the work copy; the seeds in the repository stay as they are.
  if ! "$build_dir/fuzz/${target}_fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=25 \
      -artifact_prefix="$artifacts/$target-" "$work/$target" "fuzz/corpus/$target" >"$work/$target.log" 2>&1; then
    cat "$work/$target.log" >&2
    echo "${target}_fuzzer failed; the input that did it is in $artifacts" >&2
    exit 1
  fi
  grep -E '^(#[0-9]+|Done)' "$work/$target.log" | tail -n 1
done
