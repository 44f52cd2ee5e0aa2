#!/usr/bin/env bash
# Builds the core and its unit tests with AddressSanitizer (leaks included)
# and UndefinedBehaviorSanitizer in ./build-asan and runs the tests there.
# Any sanitizer report stops the test at once and fails this script.
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_CXX_FLAGS="-O1 $sanitize" \
      -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
      -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" \
      -DHALVENOR_BUILD_GUI=OFF -DHALVENOR_BUILD_TESTS=ON -DHALVENOR_WERROR=ON \
      -DHALVENOR_HOME_PAGE="file://$PWD/doc/manual.html" "$@"
cmake --build build-asan --parallel "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-asan
ctest --output-on-failure --timeout 300 --parallel "$(nproc)"
