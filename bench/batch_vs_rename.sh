#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times tollwick-batch against Debian's file-rename (package "rename"), mmv
# (package "mmv") and bench/rename_loop (one readdir, then a renameat2 per
# file: the floor) on the same renaming of one folder: every "img" in a name
# becomes "Holiday_". All run as whole processes, one after the other in
# each round; the folder is made anew before every run. Builds nothing: give
# it a built tollwick-batch (a Release build); rename_loop is taken from
# bench/ of the same build. The folder is made under TMPDIR, so
# TMPDIR=/dev/shm measures on tmpfs. Installs "rename" and "mmv" through
# scripts/deps.sh when they are missing.
#
#   TMPDIR=/dev/shm bash bench/batch_vs_rename.sh build-release/bin/tollwick-batch [FILES] [RUNS]
set -euo pipefail

batch=${1:?usage: $0 PATH/TO/tollwick-batch [FILES] [RUNS]}
files=${2:-100000}
runs=${3:-5}
[ -x "$batch" ] || { echo "not an executable: $batch" >&2; exit 2; }
loop=${LOOP:-$(dirname "$batch")/../bench/rename_loop}
[ -x "$loop" ] || { echo "not an executable: $loop (build the target rename_loop)" >&2; exit 2; }
if ! command -v file-rename >/dev/null || ! command -v mmv >/dev/null; then
  bash "$(dirname "$0")/../scripts/deps.sh" rename mmv
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A home of its own, so undo files of the runs land in the temporary folder.
home=$work/home
mkdir -p "$home/undo"
batch_dir=$(dirname "$batch")
for part in data language; do
  if [ -d "$batch_dir/$part" ]; then
    cp -r "$batch_dir/$part" "$home/"
  else
    echo "no $part/ beside $batch" >&2
    exit 2
  fi
done

make_folder() {
  rm -rf "$work/photos"
  mkdir "$work/photos"
  (cd "$work/photos" && seq -f 'img_%06g.jpg' 1 "$files" | xargs touch)
  sync
}

# Prints "elapsed cpu" in seconds, cpu being user plus system time of the
# command and its children: on a shared machine the elapsed time also holds
# the waits for other people's work.
time_run() {
  local TIMEFORMAT='%R %U %S' timing
  timing=$({ time "$@" >/dev/null 2>&1; } 2>&1)
  awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' <<<"$timing"
}

run_tollwick() {
  "$batch" --home "$home" --scan "$work/photos" --replace img Holiday_ --check-all --run
}

run_rename() {
  (cd "$work/photos" && find . -maxdepth 1 -type f -print0 | file-rename -0 -d 's/img/Holiday_/gi')
}

# Every name starts with "img", so the pattern renames the same files.
run_mmv() {
  (cd "$work/photos" && mmv 'img*' 'Holiday_#1')
}

run_loop() {
  "$loop" "$work/photos" img Holiday_
}

check_renamed() {
  local left
  left=$(find "$work/photos" -maxdepth 1 -name 'img_*' | wc -l)
  [ "$left" -eq 0 ] || { echo "$1 left $left files unrenamed" >&2; exit 1; }
}

median() { sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); if (NR % 2) print v[m]; else print (v[m] + v[m + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

tools=(tollwick rename mmv loop)
declare -A label=([tollwick]=tollwick-batch [rename]=file-rename [mmv]=mmv [loop]=rename_loop)
declare -A reals cpus
for ((run = 1; run <= runs; run++)); do
  line="run $run:"
  for tool in "${tools[@]}"; do
    make_folder
    read -r real cpu < <(time_run "run_$tool")
    check_renamed "${label[$tool]}"
    reals[$tool]+="$real "
    cpus[$tool]+="$cpu "
    line+=" ${label[$tool]} $real s (cpu $cpu s),"
  done
  echo "${line%,}"
done

printf 'files: %d, runs: %d, load: %s\n' "$files" "$runs" "$(cut -d' ' -f1-3 /proc/loadavg)"
declare -A real_median cpu_median
for tool in "${tools[@]}"; do
  real_median[$tool]=$(tr ' ' '\n' <<<"${reals[$tool]}" | grep . | median)
  cpu_median[$tool]=$(tr ' ' '\n' <<<"${cpus[$tool]}" | grep . | median)
  printf 'median %-15s %.3f s elapsed, %.3f s cpu\n' "${label[$tool]}:" "${real_median[$tool]}" "${cpu_median[$tool]}"
done
for tool in rename mmv loop; do
  printf 'ratio tollwick-batch / %s: %s elapsed, %s cpu (below 1: tollwick-batch is faster)\n' "${label[$tool]}" \
    "$(ratio "${real_median[tollwick]}" "${real_median[$tool]}")" "$(ratio "${cpu_median[tollwick]}" "${cpu_median[$tool]}")"
done
