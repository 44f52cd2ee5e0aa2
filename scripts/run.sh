#!/usr/bin/env bash
# Sets up what is missing, builds and starts the program. The program keeps
# its data file "hv.dat" in the directory it is started from.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" -DHALVENOR_BUILD_TESTS=OFF
exec "$root/build/src/wx/halvenor"
