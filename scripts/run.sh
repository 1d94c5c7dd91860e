#!/usr/bin/env bash
# Builds the program and starts it on its bundled word database.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/build.sh"
exec "${VORLIX_BUILD_DIR:-$here/build}/bin/vorlix"
