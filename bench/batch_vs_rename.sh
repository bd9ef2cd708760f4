#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times tollwick-batch against Debian's file-rename (package "rename") on the
# same renaming of one folder: every "img" in a name becomes "Holiday_",
# letter case ignored. Both run as whole processes, one after the other in
# each round; the folder is made anew before every run. Builds nothing: give
# it a built tollwick-batch (a Release build). The folder is made under
# TMPDIR, so TMPDIR=/dev/shm measures on tmpfs. Installs the Debian package
# "rename" through scripts/deps.sh when file-rename is missing.
#
#   TMPDIR=/dev/shm bash bench/batch_vs_rename.sh build-bench/bin/tollwick-batch [FILES] [RUNS]
set -euo pipefail

batch=${1:?usage: $0 PATH/TO/tollwick-batch [FILES] [RUNS]}
files=${2:-100000}
runs=${3:-5}
[ -x "$batch" ] || { echo "not an executable: $batch" >&2; exit 2; }
command -v file-rename >/dev/null || bash "$(dirname "$0")/../scripts/deps.sh" rename

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

check_renamed() {
  local left
  left=$(find "$work/photos" -maxdepth 1 -name 'img_*' | wc -l)
  [ "$left" -eq 0 ] || { echo "$1 left $left files unrenamed" >&2; exit 1; }
}

median() { sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); if (NR % 2) print v[m]; else print (v[m] + v[m + 1]) / 2 }'; }

tollwick_real=() tollwick_cpu=() rename_real=() rename_cpu=()
for ((run = 1; run <= runs; run++)); do
  make_folder
  read -r real cpu < <(time_run run_tollwick)
  check_renamed tollwick-batch
  tollwick_real+=("$real") tollwick_cpu+=("$cpu")
  make_folder
  read -r real cpu < <(time_run run_rename)
  check_renamed file-rename
  rename_real+=("$real") rename_cpu+=("$cpu")
  echo "run $run: tollwick-batch ${tollwick_real[-1]} s (cpu ${tollwick_cpu[-1]} s)," \
       "file-rename ${rename_real[-1]} s (cpu ${rename_cpu[-1]} s)"
done

medians() { printf '%s\n' "$@" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
t_real=$(medians "${tollwick_real[@]}") t_cpu=$(medians "${tollwick_cpu[@]}")
r_real=$(medians "${rename_real[@]}") r_cpu=$(medians "${rename_cpu[@]}")
printf 'files: %d, runs: %d\n' "$files" "$runs"
printf 'median tollwick-batch: %.3f s elapsed, %.3f s cpu\n' "$t_real" "$t_cpu"
printf 'median file-rename:    %.3f s elapsed, %.3f s cpu\n' "$r_real" "$r_cpu"
printf 'ratio tollwick-batch / file-rename: %s elapsed, %s cpu (below 1: tollwick-batch is faster)\n' \
  "$(ratio "$t_real" "$r_real")" "$(ratio "$t_cpu" "$r_cpu")"
