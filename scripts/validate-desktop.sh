#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs desktop-file-validate on each file given. A Dolphin service menu is
# KDE's own kind (Type=Service), whose MimeType and Actions keys the checker
# reserves for applications: those two findings are KDE's format, not faults;
# every other finding fails.
set -uo pipefail
status=0
for file in "$@"; do
  findings=$(desktop-file-validate "$file" 2>&1 |
    grep -v -E 'key "(MimeType|Actions)" is present in group "Desktop Entry", but the type is "Service"')
  if [ -n "$findings" ]; then
    echo "$file:"
    echo "$findings"
    status=1
  fi
done
exit "$status"
