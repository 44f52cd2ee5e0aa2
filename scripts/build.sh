#!/usr/bin/env bash
# Configures and builds the program (and its tests) in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVENOR_BUILD_GUI=ON \
      -DHALVENOR_HOME_PAGE="file://$PWD/doc/manual.html" "$@"
cmake --build build --parallel "$(nproc)"
