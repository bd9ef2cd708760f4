#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the repository builds and passes its tests on a fresh Debian 12
# machine: makes a minimal root (debootstrap --variant=minbase bookworm) from
# the Debian mirror this machine's apt uses, copies the repository into it
# (without .git and build trees) and runs the README's test command there,
# with --all the whole .ci/run as CI does (CI=true), or the COMMAND given.
# Usage, as root: scripts/check-fresh-root.sh [--all] [--keep] [ROOT [COMMAND...]]
# ROOT defaults to a new folder under /var/tmp, removed at the end unless
# --keep; a ROOT that already holds a Debian root is used as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
  echo "Run as root: debootstrap, mount and chroot need it." >&2
  exit 1
fi
command=(bash scripts/test.sh)
ci=
keep=0
while [ $# -gt 0 ]; do
  case $1 in
    --all) command=(bash .ci/run) ci=true ;;
    --keep) keep=1 ;;
    *) break ;;
  esac
  shift
done
made_root=0
if [ $# -gt 0 ]; then
  root=$(realpath -m "$1")
  mkdir -p "$root"
  shift
  [ $# -gt 0 ] && command=("$@")
else
  root=$(mktemp -d /var/tmp/tollwick-fresh-root-XXXXXX)
  made_root=1
fi
bash scripts/deps.sh debootstrap

# Debian 12 as this machine's apt gets it: the main suite, its updates and security.
sources=$(apt-get indextargets --format 'deb $(SITE) $(RELEASE) $(COMPONENT)' |
  awk '$3 ~ /^bookworm(-updates|-security)?$/' | sort -u)
mirror=$(awk '$3 == "bookworm" { print $2; exit }' <<<"$sources")
if [ -z "$mirror" ]; then
  echo "This machine's apt sources name no Debian 12 (bookworm) mirror." >&2
  exit 1
fi

mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R -l "${mounted[i]}" || true
  done
  if [ $made_root -eq 1 ] && [ $keep -eq 0 ]; then
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT

if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" "$mirror"
fi
printf '%s\n' "$sources" >"$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The kernel's views and the devices (loop and FUSE for the filesystem
# images); the root's mounts never reach back to this machine's.
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
mount --rbind /dev "$root/dev" && mounted+=("$root/dev")
mount --make-rslave "$root/dev"

rm -rf "$root/tollwick"
mkdir "$root/tollwick"
tar -C . --exclude=./.git --exclude='./build*' -cf - . | tar -C "$root/tollwick" -xf -

echo "Running ${command[*]} in the fresh root $root"
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb CI="$ci" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash -c 'cd /tollwick && "$@"' bash "${command[@]}"
echo "The fresh Debian 12 root passes: ${command[*]}"
