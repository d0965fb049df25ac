#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on a copy of the sample register
# in the scratch folder scratch/ (made on the first run; delete it to start again from the sample).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANEL_BUILD_TESTS=OFF -DORVANEL_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)" --target orvanel orvanel-check

mkdir -p scratch
[ -f scratch/zok.xml ] || cp data/zok.xml scratch/zok.xml
echo "Working folder: $PWD/scratch"
cd scratch
exec ../build/orvanel
