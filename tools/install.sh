#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Virelo (build-package/virelo_<version>_amd64.deb)
# with Debian's hardening flags and installs it with apt-get.
# Run as root on Debian 12 (it installs what is missing with apt-get).
# A second run rebuilds only what changed and installs only a package whose
# contents differ from the installed one. With --build-only it stops after
# building the package.
set -euo pipefail
cd "$(dirname "$0")/.."
# Each step says what it starts, and the tools print their own progress: a
# first build takes minutes and should not look hung.
step() { echo "== $*"; }
step "Checking the build packages (installs only what is missing)"
bash tools/ensure-packages.sh cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libgl-dev \
  fonts-dejavu-core nlohmann-json3-dev dpkg-dev file qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
build=build-package
# Debian's own compiler and linker flags, with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
step "Configuring $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIRELO_BUILD_TESTS=OFF -DVIRELO_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
step "Building and packaging (ninja counts the steps; nothing to do on a second run)"
cmake --build "$build" --target package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$PWD/$build/virelo_${version}_$(dpkg --print-architecture).deb"
echo "Built $deb"
[ "${1:-}" = "--build-only" ] && exit 0

# The same version with the same file contents is installed already: done.
step "Comparing with the installed package"
installed=$(dpkg-query -W -f='${Status} ${Version}' virelo 2>/dev/null || true)
if [ "$installed" = "install ok installed $version" ] &&
  cmp -s <(dpkg-deb --info "$deb" md5sums | sort) <(sort /var/lib/dpkg/info/virelo.md5sums); then
  echo "virelo $version is installed already"
  exit 0
fi
step "Installing $deb"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q --reinstall "$deb"
