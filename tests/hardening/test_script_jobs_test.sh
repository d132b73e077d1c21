#!/usr/bin/env bash
# Proves that scripts/test hands SPLICE_JOBS to both builds and to ctest: a copy of the script
# runs in a scratch tree whose checks pass and whose cmake and ctest only note their arguments;
# and that it fails, naming the file, where a test run leaves a file in the checkout or in a
# test's working folder below the build folder (the ctest stand-in plants one on request).
set -euo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/test"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/tree/scripts" "$root/bin" "$root/tree/build-test"
cp "$script" "$root/tree/scripts/test"
for s in deps check_layers check_format; do printf '#!/bin/sh\nexit 0\n' > "$root/tree/scripts/$s"; done
for t in cmake ctest; do printf '#!/bin/sh\necho "%s $*" >> "%s/calls"\n' "$t" "$root" > "$root/bin/$t"; done
printf '[ -z "$PLANT" ] || { mkdir -p "$(dirname "$PLANT")"; : > "$PLANT"; }\n' >> "$root/bin/ctest"
git init -q "$root/tree"
mkdir -p "$root/tree/build-test/testrun/splice"
printf '#!/bin/sh\necho 64\n' > "$root/bin/nproc"
chmod +x "$root"/tree/scripts/* "$root"/bin/*
fails=0
expect() {   # expect JOBS PATTERN: with SPLICE_JOBS=JOBS ("" unset) a call matches PATTERN
    rm -f "$root/calls"
    if [ -n "$1" ]; then SPLICE_JOBS=$1 PATH="$root/bin:$PATH" "$root/tree/scripts/test" -L x >/dev/null
    else env -u SPLICE_JOBS PATH="$root/bin:$PATH" "$root/tree/scripts/test" -L x >/dev/null; fi
    grep -qx -- "$2" "$root/calls" || { echo "FAIL: SPLICE_JOBS='$1': no call '$2'"; cat "$root/calls"; fails=1; }
}
expect 3 "cmake --build build-release -j 3"
expect 3 "cmake --build build-test -j 3"
expect 3 "ctest --output-on-failure -j 3 -L x"
expect "" "ctest --output-on-failure -j 64 -L x"
# a file left behind fails the run and is named; the same run without it passes
left() {   # left PATH: PATH planted by the test run (relative to the tree), or "" for none
    rm -f "$root/calls"
    (cd "$root/tree" && PLANT=${1:+$root/tree/$1} SPLICE_JOBS=3 PATH="$root/bin:$PATH" scripts/test > "$root/out" 2>&1)
}
left "" || { echo "FAIL: a clean run fails"; cat "$root/out"; fails=1; }
for f in Stoss.Kaputt.a1B2c3/title_01.txt build-test/testrun/splice/Stoss.Kaputt.x9Y8z7/x.oli; do
    if left "$f"; then echo "FAIL: $f left behind, the run passes"; fails=1
    elif ! grep -q -- "$(basename "$f")" "$root/out"; then echo "FAIL: $f not named"; cat "$root/out"; fails=1; fi
    rm -rf "$root/tree/Stoss.Kaputt.a1B2c3" "$root/tree/build-test/testrun/splice/Stoss.Kaputt.x9Y8z7"
done
exit $fails
