#!/usr/bin/env bash
# Builds the fuzz target for the data file reader with clang and its
# sanitizers in ./build-fuzz and runs it for a bounded time on the seed
# corpus. Any crash or sanitizer report fails the run.
#   FUZZ_SECONDS  how long to fuzz (default 60)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${FUZZ_SECONDS:-60}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHALVENOR_BUILD_FUZZERS=ON -DHALVENOR_BUILD_GUI=OFF -DHALVENOR_BUILD_TESTS=OFF \
  -DHALVENOR_BUILD_BENCH=OFF
cmake --build build-fuzz --parallel "$(nproc)" --target halvenor_datafile_fuzzer

# New inputs go to a scratch folder; the committed seeds stay as they are.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
cd "$work"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$root/build-fuzz/fuzz/halvenor_datafile_fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 \
  -max_len=65536 -timeout=30 -print_final_stats=1 -artifact_prefix="$root/build-fuzz/" \
  "$work/corpus" "$root/fuzz/corpus"
