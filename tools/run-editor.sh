#!/usr/bin/env bash
# Builds the editor and starts it on the demo workspace with the virtual DSP box.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQV_TESTS=OFF -DQV_BENCH=OFF -DQV_WERROR=OFF > /dev/null
cmake --build build -j"$(nproc)" --target quorvane
cd data/demo
exec ../../build/app/quorvane --virtual-dsp "$@"
