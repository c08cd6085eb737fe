#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Virelo and runs every test: engine and UI tests (headless), the
# engine tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzzer for 60 seconds on its seed corpus.
# Run as root on Debian 12 (it installs what is missing with apt-get).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/ensure-packages.sh cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6svg6-dev libgl-dev libgtest-dev libbenchmark-dev \
  clang libclang-rt-14-dev fonts-dejavu-core locales poppler-utils
jobs=$(nproc)

# A decimal-comma locale of our own, so the tests see that numbers keep their
# point on such a desktop, whatever locales the machine has installed.
mkdir -p build/locale
[ -d build/locale/de_DE.UTF-8 ] || localedef -i de_DE -f UTF-8 build/locale/de_DE.UTF-8
comma_locale=(env LOCPATH="$PWD/build/locale" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8)

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs"
echo "== The same tests on a desktop that writes a decimal comma"
"${comma_locale[@]}" QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Engine tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVIRELO_SANITIZE=ON \
  -DVIRELO_BUILD_UI=OFF -DVIRELO_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$jobs" --target engine_tests
LOCPATH="$PWD/build/locale" ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ./build-sanitize/tests/engine_tests --gtest_brief=1

echo "== Fuzzers, 60 seconds each"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIRELO_FUZZ=ON \
  -DVIRELO_BUILD_UI=OFF -DVIRELO_BUILD_TESTS=OFF -DVIRELO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
for fuzzer in build-fuzz/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=$(mktemp -d)
  cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/" 2>/dev/null || true
  "$fuzzer" -max_total_time=60 -print_final_stats=0 "$corpus" 2>&1 | tail -n 3
  rm -rf "$corpus"
done
echo "All tests passed."
