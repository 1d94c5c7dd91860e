# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the package tests: $deb, the one package cpack made for them, of this version (a build
# folder keeps the packages of the versions it built before).
: "${VORLIX_PACKAGE_DIR:?folder with the built .deb}"
: "${VORLIX_VERSION:?the version built}"
shopt -s nullglob
debs=("$VORLIX_PACKAGE_DIR"/vorlix_"$VORLIX_VERSION"_*.deb)
shopt -u nullglob
[ "${#debs[@]}" -eq 1 ] || { echo "FAIL: expected one vorlix_${VORLIX_VERSION}_*.deb in $VORLIX_PACKAGE_DIR, found ${#debs[@]}" >&2; exit 1; }
deb="${debs[0]}"
