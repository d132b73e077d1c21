#!/bin/sh
# Run one fuzz target: fuzz/run.sh BUILD_DIR NAME SECONDS [corpus|empty] [extra libFuzzer options]
# corpus (the default): the working corpus BUILD_DIR/fuzz-work/NAME starts from fuzz/corpus/NAME;
# empty: BUILD_DIR/fuzz-work/NAME-empty starts empty. The dictionary fuzz/dict/NAME.dict of a text
# format is used in both. Leak detection is on without suppressions. Findings go to
# BUILD_DIR/fuzz-artifacts/NAME[-empty]/, the log to BUILD_DIR/fuzz-logs/NAME[-empty].log.
set -e
build=$(cd "$1" && pwd); name=$2; secs=$3; shift 3
mode=corpus
if [ "$1" = corpus ] || [ "$1" = empty ]; then mode=$1; shift; fi
src=$(cd "$(dirname "$0")/.." && pwd)
run=$name; [ "$mode" = empty ] && run=$name-empty
work=$build/fuzz-work/$run; art=$build/fuzz-artifacts/$run; logs=$build/fuzz-logs
mkdir -p "$work" "$art" "$logs"
[ "$mode" = corpus ] && cp -n "$src/fuzz/corpus/$name"/* "$work"/ 2>/dev/null || true
dict=""
[ -f "$src/fuzz/dict/$name.dict" ] && dict="-dict=$src/fuzz/dict/$name.dict"
cd "$art"
exec nice -n 10 "$build/fuzz/fuzz_$name" "$work" -max_total_time="$secs" -timeout=10 \
  -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=65536 -print_final_stats=1 \
  -artifact_prefix="$art/" $dict "$@" > "$logs/$run.log" 2>&1
