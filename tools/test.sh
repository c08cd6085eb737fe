#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Virelo and runs every test: engine and UI tests (headless), the
# engine and UI tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the engine tests under ThreadSanitizer, the fuzzers for five minutes in all,
# each on its seed corpus, and the Debian package built, linted, installed, run
# and removed again.
# Run as root on Debian 12 (it installs what is missing with apt-get).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/ensure-packages.sh cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev \
  clang libclang-rt-14-dev fonts-dejavu-core locales lintian appstream nlohmann-json3-dev poppler-utils qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
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

echo "== Engine and UI tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# Leaks that Qt and the libraries below it keep for the whole run are
# suppressed by tools/lsan-qt.supp; a leak of ours is reported.
# -O1, as the sanitizers' own documentation advises: the report tests run ten
# times slower unoptimised, and the run must stay well inside CI's time.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DVIRELO_SANITIZE=ON \
  -DVIRELO_BUILD_UI=ON -DVIRELO_BUILD_BENCH=OFF >/dev/null
ASAN_OPTIONS=detect_leaks=0 cmake --build build-sanitize -j"$jobs"
LOCPATH="$PWD/build/locale" ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$PWD/tools/lsan-qt.supp:print_suppressions=0" QT_QPA_PLATFORM=offscreen QT_NO_GLIB=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

echo "== Engine tests under ThreadSanitizer"
# The engine runs on worker threads beside the interface thread; a shared
# buffer that gives the right answer by luck is still reported here.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIRELO_SANITIZE_THREAD=ON \
  -DVIRELO_BUILD_UI=OFF -DVIRELO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target engine_tests
LOCPATH="$PWD/build/locale" TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build-tsan --output-on-failure -j"$jobs"

# Five minutes shared by every fuzzer, so that a new one costs the others some
# of their time rather than lengthening the run.
echo "== Fuzzers, five minutes in all"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIRELO_FUZZ=ON \
  -DVIRELO_BUILD_UI=OFF -DVIRELO_BUILD_TESTS=OFF -DVIRELO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
fuzzers=()
for fuzzer in build-fuzz/fuzz/fuzz_*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] && fuzzers+=("$fuzzer")
done
seconds=$((300 / ${#fuzzers[@]}))
[ "$seconds" -ge 20 ] || seconds=20
for fuzzer in "${fuzzers[@]}"; do
  name=$(basename "$fuzzer")
  corpus=$(mktemp -d)
  cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/" 2>/dev/null || true
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=0 "$corpus" 2>&1 | tail -n 3
  rm -rf "$corpus"
done

echo "== The Debian package: built, linted, installed, run, removed"
bash tools/install.sh --build-only
deb=$(ls build-package/virelo_*_amd64.deb)
lintian --fail-on error --info "$deb"
bash tools/install.sh
appstreamcli validate --no-net /usr/share/metainfo/org.example.virelo.metainfo.xml
installed_home=$(mktemp -d)
XDG_DATA_HOME="$installed_home" /usr/bin/virelo-cli paths | tee "$installed_home/paths"
grep -qx "start-up database:     /usr/share/virelo/generic.vrc" "$installed_home/paths"
grep -qx "manual:                /usr/share/virelo/manual.pdf" "$installed_home/paths"
/usr/bin/virelo-cli assess /usr/share/doc/virelo/examples/fuel-depot.vrp
rm -rf "$installed_home"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq virelo
if [ -e /usr/bin/virelo-cli ] || [ -e /usr/share/virelo/generic.vrc ]; then
  echo "Virelo's files are still installed after the package was removed" >&2
  exit 1
fi

echo "All tests passed."
