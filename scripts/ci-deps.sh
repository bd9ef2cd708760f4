#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what CI needs beyond scripts/deps.sh: clang with libFuzzer and
# clang-tidy, the tools that make the vfat and exfat images and the FUSE
# drivers that mount them where the kernel has no driver of its own.
set -euo pipefail
exec bash "$(dirname "$0")/deps.sh" clang clang-tidy libclang-rt-14-dev dosfstools exfatprogs fusefat exfat-fuse
