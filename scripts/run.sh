#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job; its outputs go to ./out.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVIK_TESTS=OFF
cmake --build "$build" -j "$(nproc)"
mkdir -p out
"$build/bin/tarvik" probe TARVIK_GEAR --set ON_GROUND=0 --click 5,5 --update --dump | tee out/gear.json
