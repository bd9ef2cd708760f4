#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's one line that adds Tollwick to Thunar's custom actions: it
# makes a valid uca.xml, keeps the actions already there and adds Tollwick once.
# Usage: ThunarAction.sh README
set -uo pipefail
command=$(awk '/<!-- thunar-action -->/ { found = 1; next } found && /^ *```sh/ { getline; print; exit }' "$1")
[ -n "$command" ] || { echo "FAILED: no Thunar command in $1"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }
uca=$scratch/config/Thunar/uca.xml
add() { XDG_CONFIG_HOME=$scratch/config HOME=$scratch/home bash -c "$command" || fail "the command fails"; }
count() { grep -o '<unique-id>tollwick-rename</unique-id>' "$uca" | wc -l; }

add
xmllint --noout "$uca" || fail "a new uca.xml is not well-formed"
[ "$(count)" -eq 1 ] || fail "a new uca.xml holds $(count) Tollwick actions"
xmllint --xpath 'string(//action[unique-id="tollwick-rename"]/command)' "$uca" | grep -qx 'tollwick -- %f' ||
  fail "the action's command is wrong"
xmllint --xpath '//action[unique-id="tollwick-rename"]/directories' "$uca" >/dev/null 2>&1 ||
  fail "the action is not offered for folders"
add
[ "$(count)" -eq 1 ] || fail "a second run leaves $(count) Tollwick actions"

# The user's own actions stay.
cat >"$uca" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<actions>
<action>
	<icon>utilities-terminal</icon>
	<name>Open Terminal Here</name>
	<unique-id>1-1</unique-id>
	<command>exo-open --working-directory %f --launch TerminalEmulator</command>
	<patterns>*</patterns>
	<directories/>
</action>
</actions>
XML
add
xmllint --noout "$uca" || fail "an extended uca.xml is not well-formed"
[ "$(count)" -eq 1 ] || fail "an extended uca.xml holds $(count) Tollwick actions"
grep -q 'Open Terminal Here' "$uca" || fail "the user's action is gone"
exit $failed
