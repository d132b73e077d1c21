#!/bin/sh
# Fuzz every target in turn: fuzz/campaign.sh BUILD_DIR CORPUS_SECONDS EMPTY_SECONDS [JOBS]
# Each target runs CORPUS_SECONDS from its committed corpus and EMPTY_SECONDS from an empty one
# (both with its dictionary, see run.sh), JOBS runs at a time (default 2), the working corpora
# started afresh. One line per run goes to BUILD_DIR/fuzz-logs/campaign.txt: target, start,
# mode, seconds, executions, corpus size and the files of any finding.
set -e
build=$(cd "$1" && pwd); corpus_secs=$2; empty_secs=$3; jobs=${4:-2}
src=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$build/fuzz-work" "$build/fuzz-artifacts"
mkdir -p "$build/fuzz-logs"
summary=$build/fuzz-logs/campaign.txt
: > "$summary"
for exe in "$build"/fuzz/fuzz_*; do
  name=${exe##*/fuzz_}
  [ "$corpus_secs" -gt 0 ] && echo "$name corpus $corpus_secs"
  [ "$empty_secs" -gt 0 ] && echo "$name empty $empty_secs"
done | xargs -P "$jobs" -L 1 sh -c '
  src=$0; build=$1; name=$2; mode=$3; secs=$4; run=$name; [ "$mode" = empty ] && run=$name-empty
  start=$(date -u +%H:%M)
  "$src/fuzz/run.sh" "$build" "$name" "$secs" "$mode" || true
  log=$build/fuzz-logs/$run.log
  execs=$(sed -n "s/^stat::number_of_executed_units: *//p" "$log" | tail -1)
  units=$(ls "$build/fuzz-work/$run" | wc -l)
  found=$(ls "$build/fuzz-artifacts/$run" | tr "\n" " ")
  echo "$name $start $mode ${secs}s execs=${execs:-?} corpus=$units findings=${found:-none}" >> "$build/fuzz-logs/campaign.txt"
' "$src" "$build"
cat "$summary"
