#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs all tests.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" --with-tests
"$root/scripts/build.sh" -DHALVENOR_BUILD_TESTS=ON -DHALVENOR_WERROR=ON
cd "$root/build"
ctest --output-on-failure --timeout 300

# ---- Quality gates: formatting and static analysis, then the unit tests
# ---- again under AddressSanitizer and UndefinedBehaviorSanitizer.
gate() {
  local started=$SECONDS
  echo "==== $1"
  "$root/scripts/$1"
  echo "==== $1 passed in $((SECONDS - started)) s"
}
gate lint.sh
gate sanitize.sh
gate fuzz.sh
