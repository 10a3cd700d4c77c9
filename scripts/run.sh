#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Installs what is missing, builds, and starts the Zodrivel desktop program. Arguments go to
# the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zodrivel zodrivel-cli
exec ./build/desktop/zodrivel "$@"
