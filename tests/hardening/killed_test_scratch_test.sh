#!/usr/bin/env bash
# Proves that a test binary killed while a test runs leaves nothing in the folder it was started
# in (the checkout, where the README runs it): the test's scratch folder stands below TMPDIR.
# Usage: killed_test_scratch_test.sh TEST_BINARY
set -euo pipefail
binary=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/start" "$root/tmp"
cd "$root/start"
# the kill test saves a large file some hundred times: it runs for seconds
TMPDIR="$root/tmp" "$binary" --gtest_filter=SaveKill.TheFileIsAlwaysTheOldOrTheNewVersion \
  > "$root/out" 2>&1 &
pid=$!
# killed as soon as its scratch folder stands (at most 60 s)
for _ in $(seq 600); do
  if [ -n "$(ls -A "$root/tmp")$(ls -A "$root/start")" ]; then break; fi
  sleep 0.1
done
sleep 0.5
kill -KILL "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
fails=0
if [ -n "$(ls -A "$root/start")" ]; then
  echo "FAIL: the killed test left in the folder it was started in:"; ls -A "$root/start"; fails=1
fi
if [ -z "$(ls -A "$root/tmp")" ]; then
  echo "FAIL: no scratch folder below TMPDIR"; cat "$root/out"; fails=1
fi
exit $fails
