#!/usr/bin/env bash
# Proves that scripts/test hands SPLICE_JOBS to both builds and to ctest: a copy of the script
# runs in a scratch tree whose checks pass and whose cmake and ctest only note their arguments.
set -euo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/test"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/tree/scripts" "$root/bin" "$root/tree/build-test"
cp "$script" "$root/tree/scripts/test"
for s in deps check_layers check_format; do printf '#!/bin/sh\nexit 0\n' > "$root/tree/scripts/$s"; done
for t in cmake ctest; do printf '#!/bin/sh\necho "%s $*" >> "%s/calls"\n' "$t" "$root" > "$root/bin/$t"; done
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
exit $fails
