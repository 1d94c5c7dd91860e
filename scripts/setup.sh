#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, once: nothing is done when all are present.
#   setup.sh            what the Linux build and its tests need
#   setup.sh windows    that, and what cross-building for Windows and testing under Wine need
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev mdbtools mdbtools-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb openbox xdotool x11-utils x11-apps inotify-tools imagemagick
  weston qt6-wayland
  file lintian desktop-file-utils appstream reuse git
  # "Say it": speech-dispatcher's client library to build with, and the service itself with a
  # voice for English and Spanish, which the speech test starts a copy of its own of.
  libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng
)
if [ "${1:-}" = windows ]; then
  # qt6-base-dev-tools: the host's moc and rcc build the Windows program too. wine32: NSIS makes
  # 32-bit installers, which 64-bit Wine alone cannot run.
  packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev-tools wine wine64 wine32:i386 nsis zip unzip)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
