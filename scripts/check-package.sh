#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it as Debian's tools see it: lintian
# without errors, every file a desktop installation needs, manual pages that
# render without warnings, valid AppStream and desktop files, and a folder
# default that installing the package leaves as it was.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh lintian xdg-utils
build_dir=${BUILD_DIR:-build-package}
BUILD_DIR=$build_dir bash scripts/package.sh >/dev/null
deb=$(ls "$build_dir"/tollwick_*.deb)
echo "Checking $deb"

failed=0
fail() { echo "FAILED: $*"; failed=1; }

# lintian prints its warnings; only errors fail.
lintian --fail-on error --info "$deb" || fail "lintian reports errors"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(
  /usr/bin/tollwick /usr/bin/tollwick-batch
  /usr/share/tollwick/data/config.cfg /usr/share/tollwick/data/links.cfg /usr/share/tollwick/data/translit.cfg
  /usr/share/applications/tollwick.desktop
  /usr/share/kio/servicemenus/tollwick-servicemenu.desktop /usr/share/nemo/actions/tollwick.nemo_action
  /usr/share/icons/hicolor/scalable/apps/tollwick.svg
  /usr/share/man/man1/tollwick.1.gz /usr/share/man/man1/tollwick-batch.1.gz
  /usr/share/bash-completion/completions/tollwick-batch
  /usr/share/metainfo/tollwick.metainfo.xml
  /usr/share/doc/tollwick/copyright /usr/share/doc/tollwick/changelog.Debian.gz)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/tollwick.png")
done
# Every language the source tree holds, whoever added it.
for language in language/*.lng; do
  expected+=("/usr/share/tollwick/$language")
done
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
control=$(dpkg-deb -f "$deb" Package Section Maintainer Depends)
grep -q '^Section: utils$' <<<"$control" || fail "section is not utils"
grep -q 'libqt6widgets6' <<<"$control" || fail "no Qt dependency found by dpkg-shlibdeps"
# The photo and audio tags of the name mask.
grep -q 'libexiv2' <<<"$control" || fail "the package does not depend on exiv2"
grep -q 'libtag1' <<<"$control" || fail "the package does not depend on TagLib"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for page in "$unpacked"/usr/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | groff -ww -z -man 2>&1)
  [ -z "$warnings" ] || fail "$(basename "$page") renders with warnings: $warnings"
done
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.xml || fail "the metainfo is not valid"
while IFS= read -r -d '' entry; do
  bash "$(dirname "$0")/validate-desktop.sh" "$entry" || fail "${entry#"$unpacked"} is not valid"
done < <(find "$unpacked" -name '*.desktop' -print0)
bash "$(dirname "$0")/check-folder-default.sh" "$unpacked" || fail "installing the package changes the folder default"

[ $failed -eq 0 ] && echo "The package passes its checks."
exit $failed
