#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Virelo with its bundled contaminant database and starts it.
# Run as root on Debian 12 (it installs what is missing with apt-get).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/ensure-packages.sh cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev fonts-dejavu-core nlohmann-json3-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target virelo virelo-cli generic_database manual
exec ./build/virelo "$@"
