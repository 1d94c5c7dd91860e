#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds, on Debian 12, what cross-compiling Vorlix for 64-bit Windows needs beyond Debian's own
# packages: Qt 6.4.2 (qtbase: Core, Gui, Widgets, Network, Test, Xml, the windows, offscreen and
# minimal platform plugins, the Windows styles) and mdbtools 1.0.1 (libmdb, libmdbsql, static,
# with mdbtools' own glib stand-in and without iconv), both with mingw-w64 (GCC 12, posix threads).
# About an hour on 2 cores. scripts/build-windows.sh runs it when it finds no toolchain.
#   build-windows-toolchain.sh PREFIX
set -euo pipefail
prefix="$(realpath -m "${1:?usage: build-windows-toolchain.sh PREFIX}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
  g++-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build qt6-base-dev qt6-base-dev-tools \
  autoconf automake libtool pkg-config bison flex dpkg-dev xz-utils curl ca-certificates

# The toolchain file the project's Windows build uses; Wine runs what the build makes and runs.
mkdir -p "$prefix"
cat >"$prefix/toolchain.cmake" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "\${CMAKE_CURRENT_LIST_DIR}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
TC

# Qt: Debian's own qt6-base source (the very version of the host's tools), fetched through a
# private deb-src list made from the system's and checked against its known digest.
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts"
sed 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources >"$work/apt/parts/src.sources"
apt_src=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/apt/parts"
         -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
apt-get "${apt_src[@]}" update -qq
(cd "$work" && apt-get "${apt_src[@]}" source --download-only qt6-base=6.4.2+dfsg-10 >/dev/null)
echo "4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e  $work/qt6-base_6.4.2+dfsg.orig.tar.xz" |
  sha256sum -c --quiet
tar -C "$work" -xf "$work"/qt6-base_6.4.2+dfsg.orig.tar.xz
# Qt 6.4.2's windows plugin uses the dynamic-GL context even with OpenGL off; guard it as the rest is.
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
  "$work/qtbase-everywhere-src-6.4.2/src/plugins/platforms/windows/qwindowswindow.cpp"
cmake -G Ninja -S "$work/qtbase-everywhere-src-6.4.2" -B "$work/qt-build" \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain.cmake" -DQT_HOST_PATH=/usr \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_printsupport=OFF -DFEATURE_openssl=OFF -DFEATURE_icu=OFF \
  -DFEATURE_zstd=OFF >"$work/qt-configure.log"
cmake --build "$work/qt-build" --parallel "$(nproc)"
cmake --install "$work/qt-build" >/dev/null

# mdbtools: the upstream 1.0.1 release as Debian keeps it, checked against its known digest. One
# line of its configure.ac is mended for mingw-w64 (it names _locale_t, and its _spawnv remap
# breaks the build).
mdbtools_tarball="$work/mdbtools_1.0.1.orig.tar.gz"
curl -fsSL -o "$mdbtools_tarball" http://deb.debian.org/debian/pool/main/m/mdbtools/mdbtools_1.0.1.orig.tar.gz
echo "750cbf793bf5b7e296fdc359124393a0aef89ee663b7741ba4b1ca2ce30b3b37  $mdbtools_tarball" | sha256sum -c --quiet
tar -C "$work" -xzf "$mdbtools_tarball"
sed -i 's/\[\*mingw\*\], \[LDFLAGS="\$LDFLAGS -no-undefined" CFLAGS="\$CFLAGS -D_spawnv=spawnv"\]/[*mingw*], [LDFLAGS="$LDFLAGS -no-undefined" LOCALE_T=_locale_t]/' \
  "$work/mdbtools-1.0.1/configure.ac"
(cd "$work/mdbtools-1.0.1" && autoreconf -fi >/dev/null 2>&1 &&
 ./configure --host=x86_64-w64-mingw32 --prefix="$prefix" --disable-glib --disable-iconv --disable-man \
   --enable-static --disable-shared >/dev/null && make -j"$(nproc)" >/dev/null && make install >/dev/null)
# The folder may be moved: pkg-config files find it from where they lie.
sed -i 's|^prefix=.*|prefix=${pcfiledir}/../..|' "$prefix"/lib/pkgconfig/libmdb*.pc
echo "Windows toolchain ready: $prefix"
