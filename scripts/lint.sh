#!/usr/bin/env bash
# Static checks. Fails on any difference from .clang-format in the tracked
# sources, on any clang-tidy finding (.clang-tidy) in the core and on any
# error cppcheck finds in the core. clang-tidy takes the compile commands of
# a configured ./build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

core_dirs=(src/afx src/app src/ui src/entries src/sort src/storage src/report)

echo "== clang-format"
git ls-files -z -- '*.h' '*.cpp' | xargs -0 clang-format --dry-run --Werror

echo "== clang-tidy"
database=build/compile_commands.json
if [[ ! -f $database ]]; then
  echo "$database is missing: configure ./build first (scripts/build.sh)" >&2
  exit 1
fi
# The core sources the build compiles (src/app/TheApp.cpp belongs to the
# front end and is only listed when that is built).
core_pattern="^$PWD/($(IFS='|'; echo "${core_dirs[*]}"))/[^\"]*\.cpp$"
mapfile -t sources < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$database" |
                       grep -E "$core_pattern" | sort -u)
if ((${#sources[@]} == 0)); then
  echo "no core sources found in $database" >&2
  exit 1
fi
echo "${#sources[@]} files"
printf '%s\0' "${sources[@]}" | xargs -0 -n1 -P2 clang-tidy -p build --quiet

echo "== cppcheck"
cppcheck --quiet --error-exitcode=1 --inline-suppr --std=c++20 --language=c++ -j2 \
         -I src -I build/src/generated "${core_dirs[@]}"
