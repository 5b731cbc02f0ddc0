#!/usr/bin/env bash
# Builds the fuzz targets and runs each on its corpus for a fixed time (default 60 s each).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   e.g. scripts/fuzz.sh 1800 picture
# The corpora grow in build-fuzz/corpus/; a finding is kept in build-fuzz/findings/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(settings number picture)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)"
build=build-fuzz
"$build/tests/fuzz/make_seeds" "$build/seeds"

export ASAN_OPTIONS="detect_leaks=0:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
failed=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    mkdir -p "$corpus" "$findings"
    echo "== fuzzing $target for ${seconds}s"
    if ! "$build/tests/fuzz/${target}_fuzzer" "$corpus" "$build/seeds/$target" \
        -dict="tests/fuzz/$target.dict" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1 2>"$build/$target.log"; then
        failed=1
        tail -n 40 "$build/$target.log"
        echo "FAILED: $target; reproducer: $(ls -t "$findings"/* 2>/dev/null | head -n 1)"
        echo "  rerun it with: $build/tests/fuzz/${target}_fuzzer <reproducer>"
    else
        grep -E '^stat::number_of_executed_units|^Done|cov:' "$build/$target.log" | tail -n 2
    fi
done
exit $failed
