#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package tollwick_VERSION_ARCH.deb in build-package/ (or
# BUILD_DIR): a Release build for /usr with Debian's hardening flags, then
# cpack. Installs the Debian packages it needs when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-buildflags and dpkg-shlibdeps come with dpkg-dev; cpack finds the
# programs among the files with file.
bash scripts/deps.sh dpkg-dev file
build_dir=${BUILD_DIR:-build-package}

# Files and folders of the package get the modes Debian expects.
umask 022
# Debian's own compiler and linker flags (stack protector, fortify, relro, now).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

# A repeated build (CI on the same machine) reuses the compiler cache when there is one.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DTOLLWICK_TESTS=OFF -DTOLLWICK_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build_dir"
rm -f "$build_dir"/tollwick_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls "$build_dir"/tollwick_*.deb
