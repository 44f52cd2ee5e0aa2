#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Packages already present are not fetched again.
set -euo pipefail

build_packages=(cmake make g++ pkg-config libwxgtk3.2-dev libgtk-3-dev xdg-utils)
test_packages=(googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
               xvfb xauth openbox xdotool wmctrl x11-utils dbus dbus-x11 at-spi2-core
               python3 python3-pyatspi imagemagick)
# Packaging: the install test validates the menu entry and the metadata;
# ./scripts/package.sh builds and checks the Debian package.
install_test_packages=(desktop-file-utils appstream)
package_packages=(dpkg-dev file lintian "${install_test_packages[@]}")
# The quality gates (scripts/lint.sh, scripts/sanitize.sh).
test_packages+=(clang-tidy clang-format cppcheck)

wanted=("${build_packages[@]}")
if [[ "${1:-}" == "--with-tests" ]]; then
  wanted+=("${test_packages[@]}" "${install_test_packages[@]}")
elif [[ "${1:-}" == "--for-package" ]]; then
  wanted+=("${package_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then sudo=sudo; else sudo=; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
