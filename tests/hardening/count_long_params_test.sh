#!/usr/bin/env bash
# Proves that scripts/count_long_params --check fails on a long positional call and passes when
# every argument is named, a record is passed, or the function is short: a small tree with one
# header of long signatures and one caller, checked once per kind of call, and the positional
# call placed once in each kind of folder that the check covers (a source folder, a test folder,
# the benchmarks and the fuzz targets).
set -euo pipefail
count="$(cd "$(dirname "$0")/../.." && pwd)/scripts/count_long_params"
root=$(mktemp -d)
trap 'rm -rf "$root" "$root.out"' EXIT
fails=0
mkdir -p "$root/design"
cat > "$root/design/rules.h" <<'H'
#define THREE_ARGS int k, double e, double f
/* 13 parameters, three of them from the macro */
double Long_Rule(double a, double b, int c, int d, double g, double h, double i, double j,
                 int m, int n, THREE_ARGS);
double Short_Rule(double a, double b, int c, int d, double g, double h, double i, double j,
                  int m, int n, int k, double e);
struct Long_Rule_Input { double a, b; };
double Long_Rule(const Long_Rule_Input &in);
H

check() {   # check EXPECTED_RC "what" CALL [CALLER_FOLDER]
    local want=$1 what=$2 call=$3 folder=${4:-design} rc=0
    rm -rf "${root:?}/caller"
    mkdir -p "$root/caller/$folder"
    printf '#include "design/rules.h"\nstatic double x(void)\n{\n    return %s;\n}\n' "$call" > "$root/caller/$folder/use.cpp"
    cp -r "$root/design" "$root/caller/"
    (cd "$root/caller" && "$count" --check 13 --everywhere) > "$root.out" 2>&1 || rc=$?
    if [ "$rc" != "$want" ]; then
        echo "FAIL: $what: exit $rc, wanted $want"; cat "$root.out"; fails=$((fails + 1))
    elif [ "$want" = 1 ] && ! grep -q "^$folder/use.cpp:4: Long_Rule called with 13 positional arguments" "$root.out"; then
        echo "FAIL: $what: no message naming the call"; cat "$root.out"; fails=$((fails + 1))
    fi
}

check 1 "positional call" "Long_Rule(1.0, 2.0, 3, 4, 5.0, 6.0, 7.0, 8.0, 9, 10, 11, 12.0, 13.0)"
check 1 "one argument left unnamed" \
    "Long_Rule(/*a=*/1.0, /*b=*/2.0, /*c=*/3, /*d=*/4, /*g=*/5.0, /*h=*/6.0, /*i=*/7.0, /*j=*/8.0,
               /*m=*/9, /*n=*/10, /*k=*/11, /*e=*/12.0, 13.0)"
check 0 "every argument named" \
    "Long_Rule(/*a=*/1.0, /*b=*/2.0, /*c=*/3, /*d=*/4, /*g=*/5.0, /*h=*/6.0, /*i=*/7.0, /*j=*/8.0,
               /*m=*/9, /*n=*/10, /*k=*/11, /*e=*/12.0, /*f=*/13.0)"
check 0 "a record" "Long_Rule(Long_Rule_Input{.a = 1.0, .b = 2.0})"
check 0 "a short function" "Short_Rule(1.0, 2.0, 3, 4, 5.0, 6.0, 7.0, 8.0, 9, 10, 11, 12.0)"
positional="Long_Rule(1.0, 2.0, 3, 4, 5.0, 6.0, 7.0, 8.0, 9, 10, 11, 12.0, 13.0)"
for folder in foundation dialogs nad catalogue printlist results checks exchange splice platform \
              tools tests/dialogs tests/printlist bench fuzz; do
    check 1 "positional call in $folder" "$positional" "$folder"
done
[ "$fails" = 0 ] && echo "count_long_params --check: every case as expected"
exit "$fails"
