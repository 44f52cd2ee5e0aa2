#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs all tests.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" --with-tests
"$root/scripts/build.sh" -DHALVENOR_BUILD_TESTS=ON
cd "$root/build"
ctest --output-on-failure --timeout 300
# A short fuzz run of the data file reader; any crash fails the run.
"$root/scripts/fuzz.sh"
