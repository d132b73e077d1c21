#!/usr/bin/env bash
# Proves that scripts/test fails where a test skips or is disabled, naming the test and the reason
# it gave, and passes where every test ran: a copy of the script runs in a scratch tree whose
# checks pass and whose cmake only notes its arguments; the real ctest runs a test list of shell
# commands that write what a test of GoogleTest writes when it passes or skips.
set -euo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/test"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/tree/scripts" "$root/bin" "$root/tree/build-test"
cp "$script" "$root/tree/scripts/test"
for s in deps check_layers check_format; do printf '#!/bin/sh\nexit 0\n' > "$root/tree/scripts/$s"; done
printf '#!/bin/sh\nexit 0\n' > "$root/bin/cmake"
chmod +x "$root"/tree/scripts/* "$root"/bin/*
git init -q "$root/tree"
# gtest NAME [SKIP-MESSAGE]: a ctest entry whose command writes the lines of a GoogleTest test
# that passes, or skips with the message (the skip pattern is gtest_discover_tests')
gtest() {
    local body="[ RUN      ] $1\n"
    if [ $# -gt 1 ]; then body+="/src/tests/x.cpp:12: Skipped\n$2\n[  SKIPPED ] $1 (0 ms)\n"
    else body+="[       OK ] $1 (0 ms)\n"; fi
    printf 'add_test([=[%s]=] "/bin/sh" "-c" [=[printf %s]=])\n' "$1" "'$body'"
    printf 'set_tests_properties([=[%s]=] PROPERTIES SKIP_REGULAR_EXPRESSION [==[\\[  SKIPPED \\]]==])\n' "$1"
}
fails=0
run() {   # run: scripts/test in the tree with the test list on stdin; its output in $root/out
    cat > "$root/tree/build-test/CTestTestfile.cmake"
    (cd "$root/tree" && SPLICE_JOBS=2 PATH="$root/bin:$PATH" scripts/test > "$root/out" 2>&1)
}
# every test ran: the run passes
if ! { gtest Window.Ends; gtest Pages.Refusal; } | run; then
    echo "FAIL: a run without a skip fails"; cat "$root/out"; fails=1
fi
# a skip fails the run, named with the reason the test gave; the test that passed is not named
if { gtest Window.Ends "Xvfb is not installed (Debian package xvfb)"; gtest Pages.Refusal; } | run; then
    echo "FAIL: a skipped test, the run passes"; cat "$root/out"; fails=1
fi
for want in "  Window.Ends (Skipped)" "    /src/tests/x.cpp:12: Skipped" \
            "    Xvfb is not installed (Debian package xvfb)"; do
    grep -qxF -- "$want" "$root/out" || { echo "FAIL: no line '$want'"; cat "$root/out"; fails=1; }
done
if grep -q "Pages.Refusal (" "$root/out"; then echo "FAIL: a test that ran is named"; fails=1; fi
# a disabled test fails the run as well, and so does a skip beside a failure
{ gtest Window.Ends; gtest Pages.Refusal;
  printf 'set_tests_properties(Pages.Refusal PROPERTIES DISABLED TRUE)\n'; } | run \
    && { echo "FAIL: a disabled test, the run passes"; fails=1; }
grep -qxF "  Pages.Refusal (Disabled)" "$root/out" || { echo "FAIL: disabled not named"; cat "$root/out"; fails=1; }
{ gtest Window.Ends "Xvfb did not start"; printf 'add_test(Pages.Fails /bin/false)\n'; } | run \
    && { echo "FAIL: a skip and a failure, the run passes"; fails=1; }
grep -qxF "    Xvfb did not start" "$root/out" || { echo "FAIL: skip beside a failure not named"; cat "$root/out"; fails=1; }
exit $fails
