#!/usr/bin/env bash
# Times tollwick-batch against Debian's file-rename (package "rename") on the
# same renaming of one folder: every "img" in a name becomes "Holiday_",
# letter case ignored. Both run as whole processes; the folder is made anew
# before every run. Builds nothing: give it a built tollwick-batch.
#
#   bash bench/batch_vs_rename.sh build-bench/bin/tollwick-batch [FILES] [RUNS]
set -euo pipefail

batch=${1:?usage: $0 PATH/TO/tollwick-batch [FILES] [RUNS]}
files=${2:-100000}
runs=${3:-5}
[ -x "$batch" ] || { echo "not an executable: $batch" >&2; exit 2; }
command -v file-rename >/dev/null || { echo "file-rename is missing (apt-get install rename)" >&2; exit 2; }

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

seconds() { date +%s.%N; }

time_run() { # command... ; prints the seconds it took
  local start end
  start=$(seconds)
  "$@" >/dev/null
  end=$(seconds)
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.6f\n", e - s }'
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

tollwick_times=()
rename_times=()
for ((run = 1; run <= runs; run++)); do
  make_folder
  tollwick_times+=("$(time_run run_tollwick)")
  check_renamed tollwick-batch
  make_folder
  rename_times+=("$(time_run run_rename)")
  check_renamed file-rename
  echo "run $run: tollwick-batch ${tollwick_times[-1]} s, file-rename ${rename_times[-1]} s"
done

tollwick_median=$(printf '%s\n' "${tollwick_times[@]}" | median)
rename_median=$(printf '%s\n' "${rename_times[@]}" | median)
printf 'files: %d, runs: %d\n' "$files" "$runs"
printf 'median tollwick-batch: %.3f s\n' "$tollwick_median"
printf 'median file-rename:    %.3f s\n' "$rename_median"
printf 'ratio tollwick-batch / file-rename: %.3f\n' "$(awk -v t="$tollwick_median" -v r="$rename_median" 'BEGIN { print t / r }')"
