#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as a packager would: the program alone (no tests, no benchmarks, so no
# Qt Test either) with Debian's build and hardening flags, into ./build-package
# ($VORLIX_PACKAGE_BUILD_DIR), and prints the path of vorlix_<version>_<arch>.deb.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORLIX_PACKAGE_BUILD_DIR:-$here/build-package}"
bash "$here/scripts/setup.sh"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Build type None: the flags are dpkg-buildflags' alone, as in a Debian package build.
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DVORLIX_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j2 --target package >/dev/null
ls "$build"/vorlix_*.deb
