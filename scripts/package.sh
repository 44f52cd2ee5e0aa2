#!/usr/bin/env bash
# Builds the Debian package build-package/halvenor_<version>_<arch>.deb:
# a Release build for /usr with Debian's hardening flags, stripped by CPack.
# Install it with: sudo apt-get install ./build-package/halvenor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh --for-package
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DHALVENOR_BUILD_TESTS=OFF \
      -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
      -DHALVENOR_HOME_PAGE=file:///usr/share/doc/halvenor/manual.html
cmake --build build-package --parallel "$(nproc)"
(cd build-package && cpack -G DEB)
ls -l build-package/halvenor_*.deb
# Debian's package checker: errors fail the build, warnings are shown.
lintian build-package/halvenor_*.deb
