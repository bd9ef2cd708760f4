#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sources the generated completion with bash-completion and checks what Tab
# offers at a few places of a command line.
# Usage: Completion.sh COMPLETION-FILE
set -o pipefail
source /usr/share/bash-completion/bash_completion
source "$1"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/photos" "$scratch/papers"
touch "$scratch/plan.txt"
cd "$scratch" || exit 1

failed=0
# Completes the last word of the line as typed and compares the sorted offers.
expect() {
  local line=$1 expected=$2
  COMP_LINE=$line
  COMP_POINT=${#line}
  read -ra COMP_WORDS <<<"$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _tollwick_batch tollwick-batch "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' ' ')
  got=${got% }
  if [ "$got" != "$expected" ]; then
    echo "'$line': got '$got', expected '$expected'"
    failed=1
  fi
}

expect "tollwick-batch --filt" "--filter --filter-dates --filter-new --filter-old"
expect "tollwick-batch --case " "first first: lower swap upper words words:underscore"
expect "tollwick-batch --case w" "words words:underscore"
expect "tollwick-batch --case first" "first first:"
expect "tollwick-batch --translit " "cyr-lat lat-cyr"
expect "tollwick-batch --filter u" "update"
expect "tollwick-batch --sort " "0 1 2 3"
# A folder operand offers folders only, a file operand files too.
expect "tollwick-batch --scan p" "papers photos"
expect "tollwick-batch --import p" "papers photos plan.txt"
# Modifiers follow their own step only; the layout takes its numbers.
expect "tollwick-batch --import plan.txt --la" "--layout"
expect "tollwick-batch --import plan.txt --layout " "1 2 3 4 5 6"
expect "tollwick-batch --scan photos --la" ""
expect "tollwick-batch --run --no" "--no-undo"
# Free text gets no offers, and an operand that looks like an option is still one.
expect "tollwick-batch --replace a " ""
expect "tollwick-batch --replace --list --l" ""
expect "tollwick-batch --replace --list x --l" "--list --list-presets --load-undo"
exit $failed
