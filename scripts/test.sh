#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Installs what is missing, builds with warnings as errors, and runs every test.
# BUILD_DIR and extra CMake options (CMAKE_ARGS) let CI reuse it for the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build_dir=${BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZODRIVEL_WERROR=ON ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
