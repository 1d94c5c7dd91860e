#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, once: nothing is done when all are present.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev mdbtools mdbtools-dev
  fonts-liberation2
  xvfb openbox xdotool x11-utils x11-apps
  weston qt6-wayland
  file lintian desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
