#!/usr/bin/env bash
# Builds the user's Release configuration and the ASan/UBSan tree with warnings
# as errors, starts the Release programs once on the demo data, and runs every
# test under the sanitizers; GUI tests run on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

echo "== Release build (the editor's configuration, warnings as errors)"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DQV_TESTS=OFF -DQV_BENCH=OFF \
      -DQV_WERROR=ON > /dev/null
cmake --build build-release -j"$jobs" --target quorvane quorvane-cli quorvane-dspbox

echo "== Release smoke test on data/demo"
smoke="$(mktemp -d)"
trap 'rm -rf "$smoke"' EXIT
(
  cd data/demo
  ../../build-release/cli/quorvane-cli synth --variant eq --level amlin.cor --delay amlin.cor \
      --correction amlin.cor --filter "$smoke/filter.dat" > /dev/null
  test -s "$smoke/filter.dat"
  ../../build-release/app/quorvane --virtual-dsp --quit-after-start
)
echo "smoke test passed: synth wrote a filter, the editor showed its window and quit"

echo "== Sanitizer build"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_SANITIZE=ON -DQV_BENCH=ON \
      -DQV_WERROR=ON > /dev/null
cmake --build build-test -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test
ctest --output-on-failure -j"$jobs" --timeout 600
