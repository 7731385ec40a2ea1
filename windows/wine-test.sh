#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# One QtTest program of the Windows build run by Wine for ctest, its log on standard output.
# A Windows program started without a console, as ctest starts it (with pipes), sends the
# toolkit's plain-text log to the debugger, where nobody sees it: so the log goes to a file
# and is printed from there. The program's exit status is the test's.
#
#   windows/wine-test.sh PROGRAM.exe [ARGUMENT...]
set -u
log=$(mktemp --suffix=.txt)
trap 'rm -f "$log"' EXIT
# Wine hands no QT_ variable of the host to a Windows program (they are meant for the host's
# own toolkit), but gives it WINEQT_ ones without their WINE: the test's settings go that way.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    export "WINE$name=$(printenv "$name")"
done
# Wine's drive Z: is the root of this file system.
wine "$@" -o "Z:$(printf '%s' "$log" | sed 's|/|\\|g'),txt"
status=$?
cat "$log"
exit $status
