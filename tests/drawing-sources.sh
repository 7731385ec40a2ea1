#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The drawings' SVG sources are what their generators write: every generator of tools/art
# writes its drawings again into a scratch folder and each must equal the committed source
# (in assets/drawings; the desktop icon's in desktop/).
# A source edited by hand, a source that no generator writes, or a generator (or a module
# it shares) changed without `make drawings`, fails here; so does a generator's own check, such as the bone atlas
# measuring its bones against their reference lengths.
#   drawing-sources.sh <source tree>
src=${1:?usage: drawing-sources.sh <source tree>}
if ! command -v python3 >/dev/null 2>&1; then
    echo "python3 is not installed: skipped"
    exit 77
fi
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
for g in "$src"/tools/art/*.py; do
    grep -q '__main__' "$g" || continue   # a module the generators share
    if ! python3 "$g" "$tmp" >/dev/null 2>"$tmp/errors"; then
        cat "$tmp/errors"
        echo "FAIL: $g stopped"
        exit 1
    fi
done
fail=0
count=0
for f in "$tmp"/*.svg; do
    name=$(basename "$f")
    count=$((count + 1))
    case $name in
    io.github.ossarion.*) committed=desktop/$name ;;
    *) committed=assets/drawings/$name ;;
    esac
    if ! cmp -s "$f" "$src/$committed"; then
        echo "FAIL: $committed is not what its generator writes (run make drawings)"
        fail=1
    fi
done
[ "$count" -gt 0 ] || { echo "FAIL: no generator wrote a drawing"; exit 1; }
# and no drawing is written by hand: each one comes from a generator
for f in "$src"/assets/drawings/*.svg; do
    name=$(basename "$f")
    if [ ! -f "$tmp/$name" ]; then
        echo "FAIL: assets/drawings/$name is written by no generator"
        fail=1
    fi
done
[ "$fail" = 0 ] && echo "$count drawings are what their generators write"
exit $fail
