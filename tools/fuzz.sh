#!/usr/bin/env bash
# Fuzzes the readers of the files a player may hand the program (layouts, settings, hall of
# fame, help texts, music, SoundFonts, pictures) with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]     SECONDS per target (default 60), TARGET as in fuzz/
#
# Each target starts from its seeds in tests/data/fuzz/<target>/, copied to a scratch folder
# ($RIBAKU_FUZZ_SCRATCH, default /tmp/ribaku-fuzz) that also takes the grown corpus, the log
# and any input that crashed, leaked, ran too long or took too much memory.
# Exits non-zero when a target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

ALL_TARGETS=(lay shp settings soundfont hall rtf midi jpeg bmp)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${ALL_TARGETS[@]}")
build=build-fuzz
scratch=${RIBAKU_FUZZ_SCRATCH:-/tmp/ribaku-fuzz}

ribaku_install_packages "${RIBAKU_PACKAGES[@]}" clang libclang-rt-14-dev

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRIBAKU_FUZZ=ON -DRIBAKU_ASSET_TOOLS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
# Qt's decoders warn about every damaged picture; the log is for what the fuzzer finds.
export QT_LOGGING_RULES='default.warning=false'
export UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp
found=0
for target in "${targets[@]}"; do
    work="$scratch/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    # The targets that write files write them atomically, with fsync: on tmpfs that costs
    # nothing, on a disk it would slow them a hundredfold.
    inputs=$(mktemp -d -p "$([ -w /dev/shm ] && echo /dev/shm || echo "$work")" ribaku-fuzz.XXXXXX)
    cp tests/data/fuzz/"$target"/* "$work/corpus/"
    echo "== fuzz_$target for $seconds s (log: $work/log)"
    status=0
    TMPDIR="$inputs" "$build/fuzz/fuzz_$target" "$work/corpus" \
        -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" >"$work/log" 2>&1 || status=$?
    rm -rf "$inputs"
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' \
        "$work/log" || true
    if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/artifacts")" ]; then
        echo "   FOUND (exit $status):" "$work"/artifacts/*
        grep -m1 -E 'ERROR: |runtime error|==ERROR' "$work/log" || true
        found=1
    else
        echo "   nothing found"
    fi
done
exit "$found"
