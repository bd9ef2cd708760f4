#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file (C++, shell, CMake) names its licence in its first lines.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=0
while IFS= read -r -d '' file; do
  first=() line=""
  for _ in 1 2 3; do IFS= read -r line && first+=("$line"); done <"$file"
  if [[ "${first[*]-}" != *'SPDX-License-Identifier: GPL-3.0-or-later'* ]]; then
    echo "no licence line: $file"
    missing=1
  fi
done < <(find . \( -path './build*' -o -path './.git' \) -prune -o -type f \
           \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.bash.in' -o -name '*.cmake' \
              -o -name CMakeLists.txt -o -path './.ci/*' \) -print0)
exit $missing
