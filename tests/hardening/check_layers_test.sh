#!/usr/bin/env bash
# Proves that scripts/check_layers fails on each kind of fault it names: a small tree of three
# folders (ground first: low, mid, top) is checked clean, then with one fault at a time.
set -euo pipefail
check="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check_layers"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fails=0

reset_tree() {
    rm -rf "$root"/*
    mkdir -p "$root"/{low,mid,top,design,dialogs}
    cat > "$root/CMakeLists.txt" <<'CM'
splice_folder(low)
splice_folder(dialogs     low)
splice_folder(mid         low)
splice_folder(design      mid)
splice_folder(top         design dialogs mid low)
CM
    echo '#include "low/a.h"' > "$root/mid/b.h"
    echo '#include "mid/b.h"' > "$root/design/d.h"
    printf '#include "design/d.h"\n#include "dialogs/w.h"\n#include "mid/b.h"\n#include "low/a.h"\n' > "$root/top/c.cpp"
    echo '#include "low/a.h"' > "$root/dialogs/w.h"
    touch "$root/low/a.h"
}

expect() {   # expect PATTERN "what": the check fails on the tree with a message matching PATTERN
    local pattern=$1 what=$2 rc=0
    "$check" "$root" > "$root.out" 2>&1 || rc=$?
    if [ "$pattern" = clean ]; then
        [ $rc -eq 0 ] || { echo "FAIL: $what: the check failed"; cat "$root.out"; fails=1; }
    elif [ $rc -eq 0 ] || ! grep -q "$pattern" "$root.out"; then
        echo "FAIL: $what: expected a failure saying '$pattern'"; cat "$root.out"; fails=1
    fi
    rm -f "$root.out"
}

reset_tree; expect clean "the clean tree"
reset_tree; echo '#include "mid/b.h"' > "$root/low/x.cpp"; expect "a back edge: low includes mid" "a back edge"
reset_tree; echo '#include "dialogs/w.h"' > "$root/mid/y.cpp"; expect "an undeclared edge: mid includes dialogs" "an undeclared edge"
reset_tree; sed -i '/dialogs/d' "$root/top/c.cpp"; expect "declares top -> dialogs, but no include" "a declared edge without include"
reset_tree; echo 'target_link_libraries(splice_low PUBLIC splice_mid)' >> "$root/CMakeLists.txt"; expect "linked outside splice_folder" "a link outside splice_folder"
reset_tree; echo '#include "top/c.h"' > "$root/low/a.h"; expect "on an include cycle: low" "a cycle"
reset_tree; sed -i 's/^splice_folder(design .*/splice_folder(design      mid dialogs)/' "$root/CMakeLists.txt"
            echo '#include "dialogs/w.h"' >> "$root/mid/b.h"; sed -i 's/^splice_folder(mid .*/splice_folder(mid         dialogs low)/' "$root/CMakeLists.txt"
            sed -i 's/^splice_folder(design .*/splice_folder(design      mid)/' "$root/CMakeLists.txt"
            expect "design/ reaches dialogs/w.h: design/d.h -> mid/b.h -> dialogs/w.h" "design reaching the toolkit"
exit $fails
