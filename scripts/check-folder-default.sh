#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Tollwick must not change the program that opens folders. On a
# desktop where no file manager is the stated default, xdg-mime takes the
# first program that claims inode/directory in the desktop database of the
# first data folder that has one. This builds that setting in a scratch XDG
# tree (a file manager's menu entry in share/applications, no mimeapps.list),
# asks xdg-mime before and after Tollwick's files go in, with the database
# made again by update-desktop-database each time, both where a package puts
# them (beside the file manager) and where `cmake --install` puts them
# (/usr/local, searched first). It also shows that the check can fail: a
# menu entry claiming inode/directory, installed the second way, would take
# the folders over.
# Usage: check-folder-default.sh ROOT   (an unpacked package: ROOT/usr/share/...)
set -uo pipefail
root=$1
failed=0
fail() { echo "FAILED: $*"; failed=1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# What matters of a file manager's entry: it claims folders.
file_manager_entry() {
  mkdir -p "$1/applications"
  cat >"$1/applications/nemo.desktop" <<'ENTRY'
[Desktop Entry]
Type=Application
Name=Files
Exec=nemo %U
Icon=system-file-manager
Categories=GNOME;GTK;Utility;Core;FileManager;
MimeType=inode/directory;application/x-gnome-saved-search;
ENTRY
}

# The default for folders in a fresh XDG tree whose data folders are the arguments.
folder_default() {
  local dir
  for dir in "$@"; do
    [ -d "$dir/applications" ] && update-desktop-database "$dir/applications"
  done
  env -i PATH="$PATH" HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/etc-xdg" \
    XDG_DATA_HOME="$scratch/home/.local/share" XDG_DATA_DIRS="$(IFS=:; echo "$*")" \
    xdg-mime query default inode/directory
}

install_package_files() { # FROM TO
  mkdir -p "$2"
  cp -R "$1"/. "$2"/
}

# The package beside the file manager (both in /usr/share).
usr=$scratch/a/usr/share
file_manager_entry "$usr"
before=$(folder_default "$usr")
[ "$before" = nemo.desktop ] || fail "the scratch tree's folder default is '$before', not the file manager"
install_package_files "$root/usr/share" "$usr"
after=$(folder_default "$usr")
[ "$after" = "$before" ] || fail "installing the package makes '$after' open folders instead of '$before'"

# An install under /usr/local, searched before the file manager's /usr/share.
local_share=$scratch/b/usr/local/share usr=$scratch/b/usr/share
file_manager_entry "$usr"
before=$(folder_default "$local_share" "$usr")
install_package_files "$root/usr/share" "$local_share"
after=$(folder_default "$local_share" "$usr")
[ "$after" = "$before" ] || fail "installing into /usr/local makes '$after' open folders instead of '$before'"

# The same with an entry that claims folders must fail, or the check proves nothing.
claiming=$scratch/c/usr/local/share usr=$scratch/c/usr/share
file_manager_entry "$usr"
install_package_files "$root/usr/share" "$claiming"
echo 'MimeType=inode/directory;' >>"$claiming/applications/tollwick.desktop"
claimed=$(folder_default "$claiming" "$usr")
[ "$claimed" = tollwick.desktop ] || fail "an entry claiming inode/directory goes unnoticed (default '$claimed')"

[ $failed -eq 0 ] && echo "The folder default stays '$before' with Tollwick installed."
exit $failed
