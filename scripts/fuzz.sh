#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Builds the libFuzzer targets of tests/fuzz in build-fuzz (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given seconds (default 60), starting from
# the seeds in tests/fuzz/seeds. A crash stops the script with the fuzzer's report and leaves
# the input in build-fuzz/crashes. Each run's last line shows its executions and coverage.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
case "$seconds" in
    '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [seconds]" >&2; exit 2 ;;
esac
build=${BUILD_DIR:-build-fuzz}
jobs=${JOBS:-2}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DZODRIVEL_FUZZ=ON -DZODRIVEL_BUILD_TESTS=OFF \
    -DZODRIVEL_BUILD_GUI=OFF -DZODRIVEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target FuzzCli FuzzEntry FuzzZones FuzzRtf FuzzBirthFile FuzzBatch

mkdir -p "$build/crashes"
for target in FuzzCli FuzzEntry FuzzZones FuzzRtf FuzzBirthFile FuzzBatch; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    seeds=()
    if [ -d "tests/fuzz/seeds/$target" ]; then seeds=("tests/fuzz/seeds/$target"); fi
    echo "== $target, $seconds s"
    # The zone table and the interpretation texts are long: -max_len leaves room for them.
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -timeout=20 \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" \
        "$corpus" "${seeds[@]}" 2>"$build/$target.log" || {
        tail -n 60 "$build/$target.log" >&2
        echo "fuzz: $target failed; the input is in $build/crashes" >&2
        exit 1
    }
    grep -E '^#[0-9]+ +DONE' "$build/$target.log" | tail -n 1 ||
        grep -E '^#[0-9]+' "$build/$target.log" | tail -n 1
    grep -E 'stat::number_of_executed_units' "$build/$target.log" || true
done
