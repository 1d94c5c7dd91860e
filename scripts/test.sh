#!/usr/bin/env bash
# Builds everything and runs every test, then does the same with AddressSanitizer and
# UndefinedBehaviorSanitizer built in; exits non-zero when any test fails.
# VORLIX_SANITIZED_TESTS=0 leaves out the second round (it takes about as long as the first).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORLIX_BUILD_DIR:-$here/build}"

bash "$here/scripts/build.sh"
(cd "$build" && ctest --output-on-failure -j "$(nproc)" --timeout 300)

if [ "${VORLIX_SANITIZED_TESTS:-1}" != 0 ]; then
  # Unoptimised: it builds faster, and the sanitizers see every access as written.
  VORLIX_BUILD_DIR="$build-sanitized" CMAKE_BUILD_TYPE=Debug bash "$here/scripts/build.sh" -DVORLIX_SANITIZE=ON
  (cd "$build-sanitized" && ctest --output-on-failure -j "$(nproc)" --timeout 300)
fi
