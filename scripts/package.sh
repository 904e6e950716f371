#!/usr/bin/env bash
# Builds the Debian package build-package/vantor_<version>_<arch>.deb: Release, with
# Debian's hardening flags, installed under /usr, without the tests and benchmarks.
# Install it with: sudo apt install ./build-package/vantor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DVANTOR_BUILD_TESTS=OFF -DVANTOR_BUILD_BENCH=OFF
cmake --build build-package --target vantor vantor_package_files
rm -f build-package/vantor_*.deb
cpack --config build-package/CPackConfig.cmake -B build-package
ls build-package/vantor_*.deb
