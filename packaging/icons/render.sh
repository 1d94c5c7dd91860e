#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the PNG icons under hicolor/ again, after the picture changed: 16 and 32 px are the
# program's own pixel pictures (src/ui/word_window/images/), the larger sizes the SVG drawn for
# them. The PNGs are kept in git, so building needs neither tool: run this by hand, with
# ImageMagick (convert) and librsvg (rsvg-convert) installed.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
images="$here/../../src/ui/word_window/images"
name=com.kestry.Vorlix
for size in 16 32; do
  mkdir -p "$here/hicolor/${size}x${size}/apps"
  # The pictures' grey is the colour the program masks out.
  convert "$images/icon_$size.xpm" -transparent '#C0C0C0' -strip "$here/hicolor/${size}x${size}/apps/$name.png"
done
for size in 48 64 128 256; do
  mkdir -p "$here/hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$here/hicolor/scalable/apps/$name.svg" -o "$here/hicolor/${size}x${size}/apps/$name.png"
done
