#!/bin/sh
# Run one fuzz target: fuzz/run.sh BUILD_DIR NAME SECONDS [extra libFuzzer options]
# Leaks inside the font library (its one-time set-up) are suppressed: fuzz/lsan.supp.
# The working corpus build/fuzz-work/NAME starts from fuzz/corpus/NAME; findings go to
# build/fuzz-artifacts/NAME/, the log to build/fuzz-logs/NAME.log.
set -e
build=$1; name=$2; secs=$3; shift 3
src=$(cd "$(dirname "$0")/.." && pwd)
work=$build/fuzz-work/$name; art=$build/fuzz-artifacts/$name; logs=$build/fuzz-logs
mkdir -p "$work" "$art" "$logs"
cp -n "$src/fuzz/corpus/$name"/* "$work"/ 2>/dev/null || true
cd "$art"
export LSAN_OPTIONS="suppressions=$src/fuzz/lsan.supp:print_suppressions=0"
exec nice -n 10 "$build/fuzz/fuzz_$name" "$work" -max_total_time="$secs" -timeout=10 \
  -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=65536 -print_final_stats=1 \
  -artifact_prefix="$art/" "$@" > "$logs/$name.log" 2>&1
