#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zodrivel. Extra arguments go to the program;
# with none, it shows the built-in example chart.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zodrivel-cli
if [ $# -eq 0 ]; then set -- --example; fi
exec ./build/zodrivel-cli "$@"
