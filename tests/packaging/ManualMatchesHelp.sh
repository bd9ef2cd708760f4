#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page documents exactly the options --help shows, in its order,
# each with the same usage line; and every manual page renders without a
# single groff warning.
# Usage: ManualMatchesHelp.sh TOLLWICK-BATCH MANUAL-SOURCE ROFF-PAGE...
set -euo pipefail
batch=$1 source=$2
shift 2

failed=0
for page in "$@"; do
  warnings=$(groff -ww -z -man "$page" 2>&1)
  if [ -n "$warnings" ]; then
    echo "groff warns on $page:"; echo "$warnings"; failed=1
  fi
done

# "  --import FILE --layout N [--separator S]" in --help; the manual's item
# lines read "*--import* _FILE_ *--layout* _N_ [*--separator* _S_]".
help_lines=$("$batch" --help | grep -E '^  --' | sed 's/^  //')
manual_lines=$(grep -E '^\*--' "$source" | sed -e 's/[*_]//g' -e 's/\\//g')
if [ "$help_lines" != "$manual_lines" ]; then
  echo "the manual's options differ from --help:"
  diff <(echo "$help_lines") <(echo "$manual_lines") || true
  failed=1
fi
exit $failed
