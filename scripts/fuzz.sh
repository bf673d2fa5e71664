#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: Clang, AddressSanitizer, UBSan)
# and runs each on its seed corpus for a fixed time. A finding fails the run
# and leaves its input in build/fuzz/findings/<fuzzer>/; reproduce it with
# `build/fuzz/fuzz/<fuzzer> <that file>`.
#
#   scripts/fuzz.sh                  every fuzzer, 20 seconds each (as CI)
#   scripts/fuzz.sh 600              every fuzzer, ten minutes each
#   scripts/fuzz.sh 3600 bitmap      one fuzzer, an hour
#
# The inputs a run adds are kept in build/fuzz/corpus/<fuzzer>/ and used by the
# next run; the checked-in seeds in fuzz/corpus/ are never written.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
fuzzers=("$@")
if [ ${#fuzzers[@]} -eq 0 ]; then
    fuzzers=(engine height settings bitmap commandline vector inputs labelstore design grade)
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
failed=()
for name in "${fuzzers[@]}"; do
    program="build/fuzz/fuzz/${name}_fuzzer"
    corpus="build/fuzz/corpus/$name"
    findings="build/fuzz/findings/$name"
    log="build/fuzz/$name.log"
    mkdir -p "$corpus" "$findings"
    echo "=== fuzz: $name, ${seconds}s ==="
    # The first corpus folder receives what the run finds; the seeds are read only.
    if "$program" "$corpus" "fuzz/corpus/$name" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
        grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^#[0-9]+ +DONE' "$log" || true
    else
        tail -n 60 "$log"
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzers with findings: ${failed[*]} (inputs in build/fuzz/findings/)"
    exit 1
fi
