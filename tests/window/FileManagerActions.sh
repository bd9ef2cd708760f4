#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tollwick --install-file-manager-actions and --remove-file-manager-actions:
# the GNOME Files script lands in XDG_DATA_HOME (else ~/.local/share), opens
# what it is given, and a user's own file of the same name is never touched.
# Usage: FileManagerActions.sh TOLLWICK
set -uo pipefail
program=$1
scratch=$(mktemp -d)
trap 'chmod -R u+rwx "$scratch"; rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }

# No display is needed, and none may be opened.
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@"; }

export HOME=$scratch/home XDG_DATA_HOME=$scratch/data
script="$XDG_DATA_HOME/nautilus/scripts/Rename Files with Tollwick"

run --install-file-manager-actions >"$scratch/out" 2>&1 || fail "install: status $? $(cat "$scratch/out")"
[ -x "$script" ] || fail "no executable script at $script"
grep -qF "$script" "$scratch/out" || fail "install does not name the script: $(cat "$scratch/out")"
[ "$(head -n 1 "$script")" = '#!/bin/sh' ] || fail "the script does not start with #!/bin/sh"
leftovers=$(find "$XDG_DATA_HOME/nautilus/scripts" -mindepth 1 ! -name 'Rename Files with Tollwick')
[ -z "$leftovers" ] || fail "install left $leftovers"

# The script hands the selection (names relative to the folder shown), else the folder, to tollwick.
mkdir -p "$scratch/bin" "$scratch/photos/-odd name"
printf '#!/bin/sh\nprintf "%%s|" "$PWD" "$@"\n' >"$scratch/bin/tollwick"
chmod +x "$scratch/bin/tollwick"
selected=$(cd "$scratch/photos" && PATH="$scratch/bin:$PATH" "$script" '-odd name' other)
[ "$selected" = "$scratch/photos|--|-odd name|" ] || fail "with a selection the script runs: $selected"
shown=$(cd "$scratch/photos" && PATH="$scratch/bin:$PATH" "$script")
[ "$shown" = "$scratch/photos|--|$scratch/photos|" ] || fail "without a selection the script runs: $shown"

# Installing again replaces our own script; removing takes it away, twice is harmless.
echo "# an older version" >>"$script"
run --install-file-manager-actions >/dev/null 2>&1 || fail "a second install fails"
grep -q "older version" "$script" && fail "a second install kept the old script"
run --remove-file-manager-actions >/dev/null 2>&1 || fail "remove fails"
[ -e "$script" ] && fail "remove left the script"
run --remove-file-manager-actions >"$scratch/out" 2>&1 || fail "a second remove fails"
grep -q "nothing to remove" "$scratch/out" || fail "a second remove says: $(cat "$scratch/out")"

# A file of the user's own under that name stays byte for byte, and both commands say so and fail.
printf '#!/bin/sh\necho mine\n' >"$script"
cp "$script" "$scratch/mine"
run --install-file-manager-actions >"$scratch/out" 2>&1 && fail "install over a user's file succeeds"
grep -q "not Tollwick's script" "$scratch/out" || fail "install over a user's file says: $(cat "$scratch/out")"
run --remove-file-manager-actions >"$scratch/out" 2>&1 && fail "remove of a user's file succeeds"
cmp -s "$script" "$scratch/mine" || fail "the user's file was changed"
rm "$script"

# Without XDG_DATA_HOME the scripts live under ~/.local/share.
env -u XDG_DATA_HOME QT_QPA_PLATFORM=xcb "$program" --install-file-manager-actions >/dev/null 2>&1 ||
  fail "install without XDG_DATA_HOME fails"
[ -x "$HOME/.local/share/nautilus/scripts/Rename Files with Tollwick" ] || fail "no script under ~/.local/share"

# A folder that cannot be written: the reason, and nothing half written (root writes everywhere).
if [ "$(id -u)" -ne 0 ]; then
  mkdir -p "$scratch/locked/nautilus/scripts"
  chmod a-w "$scratch/locked/nautilus/scripts"
  XDG_DATA_HOME=$scratch/locked run --install-file-manager-actions >"$scratch/out" 2>&1 &&
    fail "install into a read-only folder succeeds"
  grep -q "cannot write" "$scratch/out" || fail "a read-only folder gives: $(cat "$scratch/out")"
fi

run --install-file-manager-actions /tmp >/dev/null 2>&1
[ $? -eq 2 ] || fail "install with a folder is not a usage error"
exit $failed
