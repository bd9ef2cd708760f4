#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The front ends reach the core only through the session: its public headers
# and its vocabulary header. The design's tab names stay in the window and in
# the tables of control names where the settings and language files are read.
set -euo pipefail
cd "$(dirname "$0")/.."

found=0
if grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](rename|generators)/' -r src/window src/batch; then
  echo "a front end includes a core header: include session/RenameSession.h or session/Vocabulary.h instead"
  found=1
fi
if grep -nE 'Generate[1-5]\b' -r src --include='*.cpp' --include='*.h' |
   grep -vE '^src/window/|^src/session/ControlNames\.(cpp|h):|^src/settings/LanguageKeys\.h:'; then
  echo "a tab name outside the window and the table of control names"
  found=1
fi
exit $found
