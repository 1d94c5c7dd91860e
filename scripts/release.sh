#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the release of the commit checked out, into ./dist:
#   vorlix_VERSION_amd64.deb         the Debian package
#   vorlix-setup-VERSION.exe         the Windows installer
#   vorlix-VERSION-windows.zip       the Windows program folder, to run from anywhere
#   vorlix-VERSION.tar.gz            the source: git archive of the commit
#   SHA256SUMS                       the digests of the four
# Everything is built from the commit alone (its git archive, in a folder of its own), with the
# commit's time as SOURCE_DATE_EPOCH and the build folders mapped out of the programs, so that the
# same commit gives the same bytes wherever and whenever it is released.
#   release.sh           refuses a work tree with changes that are not committed
#   release.sh --check   releases twice, from two clones in different folders, compares the two
#                        byte for byte and keeps the first in ./dist; then builds the installer
#                        of the release before from its own commit and upgrades from it under
#                        Wine with the new one (scripts/check-upgrade.sh)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=windows-toolchain.sh
source "$here/scripts/windows-toolchain.sh"

say() { printf '%s\n' "$*" >&2; }
die() { say "release.sh: $*"; exit 1; }

refuse_changes() {
  local changes
  changes="$(git -C "$1" status --porcelain)"
  [ -z "$changes" ] || die "$1 has changes that are not committed; commit or stash them first:
$changes"
}

# The Windows toolchain, and where it came from, in the order scripts/windows-toolchain.sh looks.
find_windows_toolchain() {
  local toolchain
  toolchain="$(windows_toolchain)"
  [ -n "$toolchain" ] || die "no Windows toolchain at hand: bash scripts/build-windows.sh builds one, once (about an hour)"
  if [ -n "${VORLIX_MINGW_PREFIX:-}" ]; then
    say "Windows toolchain: $toolchain (VORLIX_MINGW_PREFIX)"
  elif [ "$toolchain" = "$(cd "$windows_toolchain_cache" 2>/dev/null && pwd)" ]; then
    say "Windows toolchain: $toolchain (the one scripts/build-windows-toolchain.sh built into the cache)"
  else
    say "Windows toolchain: $toolchain (the team's prebuilt copy)"
  fi
  printf '%s\n' "$toolchain"
}

# reproducible_build_of TREE COMMIT: what the builds of COMMIT read, exported: the commit's files,
# with their times, and nothing else. No cache may hand them objects compiled elsewhere.
reproducible_build_of() {
  SOURCE_DATE_EPOCH="$(git -C "$1" log -1 --format=%ct "$2")"
  export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C CCACHE_DISABLE=1
  unset CMAKE_C_COMPILER_LAUNCHER CMAKE_CXX_COMPILER_LAUNCHER
}

# windows_release WORK SRC: the Windows program folder and installer of the source in SRC, a folder
# in WORK, into WORK/windows; WORK is mapped out of the programs. After reproducible_build_of, it
# gives the same bytes wherever and whenever it runs.
windows_release() {
  local work="$1" src="$2"
  VORLIX_WINDOWS_BUILD_DIR="$work/windows" bash "$src/scripts/build-windows.sh" -DBUILD_TESTING=OFF \
    -DVORLIX_BENCH=OFF -DCMAKE_C_FLAGS="-ffile-prefix-map=$work=." -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$work=." >&2
}

# release TREE DIST: the release of TREE's commit into DIST.
release() {
  local tree="$1" dist="$2"
  refuse_changes "$tree"
  local commit version work
  commit="$(git -C "$tree" rev-parse HEAD)"
  version="$(project_version "$tree")"
  [ -n "$version" ] || die "no version in $tree/CMakeLists.txt"
  reproducible_build_of "$tree" "$commit"
  local epoch="$SOURCE_DATE_EPOCH"
  VORLIX_MINGW_PREFIX="$(find_windows_toolchain)"
  export VORLIX_MINGW_PREFIX
  say "Releasing Vorlix $version, commit $commit ($(date -u -d "@$epoch" +%F))"

  work="$(mktemp -d "${TMPDIR:-/tmp}/vorlix-release.XXXXXX")"
  # shellcheck disable=SC2064
  trap "rm -rf '$work'" EXIT
  local out="$work/dist" src="$work/vorlix-$version"
  mkdir -p "$out"

  git -C "$tree" archive --format=tar --prefix="vorlix-$version/" "$commit" >"$work/source.tar"
  gzip -9 -n <"$work/source.tar" >"$out/vorlix-$version.tar.gz"
  tar -x -C "$work" -f "$work/source.tar"
  local path_map="-ffile-prefix-map=$work=."

  say "Building the Debian package"
  local deb
  deb="$(cd "$work" && VORLIX_PACKAGE_BUILD_DIR="$work/linux" DEB_CFLAGS_APPEND="$path_map" \
    DEB_CXXFLAGS_APPEND="$path_map" bash "$src/scripts/package.sh")"
  cp "$deb" "$out/"
  lintian --fail-on error,warning "$out/$(basename "$deb")" >&2 || die "lintian finds fault with $(basename "$deb")"

  say "Building the Windows program and its installer"
  windows_release "$work" "$src"
  cp "$work"/windows/vorlix-setup-*.exe "$out/"
  # The zip: the program folder in name order, every file with the commit's time, no owners.
  find "$work/windows/Vorlix" -exec touch -h -d "@$epoch" {} +
  (cd "$work/windows" && find Vorlix -type f | sort | zip -X -D -9 -q -@ "$out/vorlix-$version-windows.zip")

  (cd "$out" && sha256sum -- *.deb *.exe *.zip *.tar.gz >SHA256SUMS)
  rm -rf "$dist"
  mkdir -p "$(dirname "$dist")"
  mv "$out" "$dist"
  rm -rf "$work"
  trap - EXIT
  say "Release $version in $dist:"
  (cd "$dist" && for file in *.deb *.exe *.zip *.tar.gz SHA256SUMS; do
     printf '%-34s %10s bytes  %s\n' "$file" "$(stat -c %s "$file")" "$(sha256sum "$file" | cut -d' ' -f1)"
   done)
}

# compare FIRST SECOND: every file of FIRST's release against SECOND's, and each file of the zips.
compare() {
  local first="$1" second="$2" file status=0
  for file in "$first"/*; do
    file="$(basename "$file")"
    if cmp -s "$first/$file" "$second/$file"; then
      echo "identical  $file"
      continue
    fi
    echo "DIFFERENT  $file"
    status=1  # a difference fails the check
    case "$file" in
      *.zip)
        local a b
        a="$(mktemp -d)" b="$(mktemp -d)"
        unzip -q "$first/$file" -d "$a" && unzip -q "$second/$file" -d "$b"
        diff -r -q "$a" "$b" | sed 's/^/           /' || true
        rm -rf "$a" "$b"
        ;;
    esac
  done
  return "$status"
}

# upgrade_from_previous VERSION: builds the installer of the newest release in
# packaging/windows/releases/commits.txt from its commit, as that release was built, and upgrades
# from it with the release of VERSION in ./dist.
upgrade_from_previous() {
  local version="$1" previous commit work
  read -r previous commit < <(grep -v '^#' "$here/packaging/windows/releases/commits.txt" | tail -n1)
  say "Building the installer of release $previous from its commit $commit, as its release did"
  work="$(mktemp -d "${TMPDIR:-/tmp}/vorlix-previous.XXXXXX")"
  git -C "$here" archive --format=tar --prefix="vorlix-$previous/" "$commit" | tar -x -C "$work"
  (reproducible_build_of "$here" "$commit" && windows_release "$work" "$work/vorlix-$previous") 2>"$work/build.log" ||
    { cat "$work/build.log" >&2; die "release $previous did not build"; }
  local status=0
  # The list the installer carries of that release must be what that release installed: built
  # elsewhere or at another time, its programs and DLLs would differ in their time stamps.
  diff "$here/packaging/windows/releases/$previous.sha256" "$work"/windows/packaging/windows/vorlix-*-files.sha256 >&2 ||
    { say "packaging/windows/releases/$previous.sha256 (<) is not the list of what release $previous installed (>)"; status=1; }
  bash "$here/scripts/check-upgrade.sh" "$(ls "$work"/windows/vorlix-setup-*.exe)" "$here/dist/vorlix-setup-$version.exe" \
    "$here/dist/vorlix-$version-windows.zip" || status=1
  rm -rf "$work"
  return "$status"
}

check() {
  refuse_changes "$here"
  local commit started first second
  commit="$(git -C "$here" rev-parse HEAD)"
  VORLIX_MINGW_PREFIX="$(find_windows_toolchain)"
  export VORLIX_MINGW_PREFIX
  started="$(date +%s)"
  # Two clones whose folders differ in name and depth, released one after the other.
  first="$(mktemp -d "${TMPDIR:-/tmp}/vorlix-check.XXXXXX")"
  second="$(mktemp -d "${TMPDIR:-/tmp}/vorlix-check-second.XXXXXX")/some/other/folder"
  for clone in "$first" "$second"; do
    git clone -q --no-checkout "$here" "$clone/vorlix"
    git -C "$clone/vorlix" checkout -q --detach "$commit"
    bash "$clone/vorlix/scripts/release.sh"
  done
  say ""
  say "The two releases of $commit:"
  local verdict=0
  compare "$first/vorlix/dist" "$second/vorlix/dist" || verdict=1
  rm -rf "$here/dist"
  mv "$first/vorlix/dist" "$here/dist"
  rm -rf "$first" "${second%/some/other/folder}"
  local upgraded=0
  upgrade_from_previous "$(project_version "$here")" || upgraded=1
  say "Checked in $(( ($(date +%s) - started) / 60 )) min $(( ($(date +%s) - started) % 60 )) s; the first release is in $here/dist"
  [ "$verdict" -eq 0 ] || die "the two releases differ"
  [ "$upgraded" -eq 0 ] || die "the upgrade from the release before fails"
}

case "${1:-}" in
  "") release "$here" "$here/dist" ;;
  --check) check ;;
  *) die "usage: release.sh [--check]" ;;
esac
