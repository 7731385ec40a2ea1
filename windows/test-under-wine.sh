#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Ossarion.exe under Wine on a virtual display of its own: first the unit tests that need no
# window manager (ctest, each run by Wine), then, with a window manager, the program driven
# from outside by clicks and keys as a user would: the title screen centred, the way to the
# arm test, answers typed, Check, Reset, and the question on closing, answered No and Yes.
# Screenshots of those steps go to BUILD/screenshots.
#
#   windows/test-under-wine.sh BUILD
set -u
build=$(cd "$1" && pwd)
exe="$build/Ossarion.exe"
shots="$build/screenshots"
rm -rf "$shots"
mkdir -p "$shots"
for tool in wine Xvfb openbox xdotool xwininfo xprop import convert wmctrl; do
    command -v $tool >/dev/null || { echo "test-windows: $tool is missing (make windows-deps)" >&2; exit 1; }
done

# A Wine prefix of the build's own, set up without asking for the .NET or browser add-ons.
export WINEPREFIX="$build/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

scratch=$(mktemp -d)
cleanup() {
    [ -n "${program:-}" ] && kill "$program" 2>/dev/null
    wineserver -k 2>/dev/null
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The display: the first free number, as the server reports it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "test-windows: no virtual display" >&2; exit 1; }
export DISPLAY=":$(cat "$scratch/display")"
echo "test-windows: display $DISPLAY, Wine prefix $WINEPREFIX"

[ -d "$WINEPREFIX" ] || { wine wineboot --init >/dev/null 2>&1; wineserver -w; }

# 1. The unit tests, each a Windows program on the Windows platform plugin, no window manager.
if (cd "$build" && ctest --output-on-failure --timeout 600); then
    pass "unit tests under Wine"
else
    fail "unit tests under Wine"
fi

# 2. The program as a user has it, with a window manager framing its windows.
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done

wine "$exe" >"$scratch/program.log" 2>&1 &
program=$!

# The visible window whose whole title matches the pattern $1 (waits up to 60 s: Wine's first start is slow).
window() {
    for _ in $(seq 600); do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
shot() { sleep 0.5; import -window root "$shots/$1.png"; }
# Client-area position and size, and the frame the window manager put round it.
geometry() {
    eval "$(xwininfo -id "$1" | sed -n \
        -e 's/^ *Absolute upper-left X: *\(-*[0-9]*\)/x=\1/p' \
        -e 's/^ *Absolute upper-left Y: *\(-*[0-9]*\)/y=\1/p' \
        -e 's/^ *Width: *\([0-9]*\)/w=\1/p' -e 's/^ *Height: *\([0-9]*\)/h=\1/p')"
    set -- $(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,//g')
    fl=${1:-0} fr=${2:-0} ft=${3:-0} fb=${4:-0}
}
# Clicks at a point given in the screen's own layout (pixels of its client area).
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
# The colour of a pixel of the last screenshot, as r,g,b.
pixel() {
    convert "$shots/$1.png" -format '%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]' \
        -crop "1x1+$2+$3" info:
}
# 1 if every pixel of a rectangle of the last screenshot is white (an empty white box).
blank() { convert "$shots/$1.png" -crop "$4x$5+$2+$3" -format '%[fx:minima.intensity==1]' info:; }

near() { d=$(($1 - $2)); [ "${d#-}" -le "$3" ]; }

if title=$(window "Ossarion"); then
    pass "the title screen appears"
    shot 01-title
    geometry "$title"
    left=$((x - fl)) top=$((y - ft)) outer_w=$((w + fl + fr)) outer_h=$((h + ft + fb))
    # Across exactly; down within the difference between the caption height the program is
    # told (Wine's) and the window manager's title bar.
    if near "$left" $(((1024 - outer_w) / 2)) 2 && near "$top" $(((768 - outer_h) / 2)) 8; then
        pass "the title screen is centred (frame at $left,$top, $outer_w x $outer_h)"
    else
        fail "the title screen is not centred: frame at $left,$top, $outer_w x $outer_h on 1024 x 768"
    fi

    # Title -> skeleton (front) -> arm -> arm test, each by its button.
    click "$title" 448 288
    if front=$(window "Skeleton - Major features - Anterior view") && gone "Ossarion"; then
        pass "Full skeleton Anterior view"
        click "$front" 552 144
    else
        fail "the title screen's button did not lead to the skeleton"
    fi
    if arm=$(window "Arm - Major features "); then
        pass "Arm"
        click "$arm" 712 24
    else
        fail "no way to the arm"
    fi
    if test=$(window "Arm - Major features - test"); then
        pass "Arm test"
        shot 02-arm-test
        # Answer boxes (client pixels): Text1 humerus, Text2 ulna, Text3 radius, Text4 carpals.
        click "$test" 504 109; xdotool type --delay 50 "humerus"
        click "$test" 504 235; xdotool type --delay 50 "radius"
        click "$test" 504 302; xdotool type --delay 50 "RADIUS"
        shot 03-typed
        geometry "$test"
        box() { echo $((x + $1 + 3)) $((y + $2 + 3)); }
        # Text1, Text2, Text3 and Text4 at their places in the screen's layout.
        set -- 464 100 464 226 464 293 464 366
        t1="$(box "$1" "$2")" t2="$(box "$3" "$4")" t3="$(box "$5" "$6")" t4="$(box "$7" "$8")"
        typed=0
        for b in "$t1" "$t2" "$t3"; do
            # shellcheck disable=SC2086
            [ "$(blank 03-typed $b 75 13)" = 0 ] && typed=$((typed + 1))
        done
        # shellcheck disable=SC2086
        if [ $typed = 3 ] && [ "$(blank 03-typed $t4 75 13)" = 1 ]; then
            pass "typed answers show in their boxes"
        else
            fail "typed answers: $typed of 3 boxes show text, Text4 blank: $(blank 03-typed $t4 75 13)"
        fi

        click "$test" 712 24
        shot 04-checked
        expect() {
            # shellcheck disable=SC2086
            got=$(pixel 04-checked $2)
            if [ "$got" = "$3" ]; then pass "Check: $1 is $4"; else fail "Check: $1 is $got, not $4"; fi
        }
        expect "humerus in Text1" "$t1" "0,255,0" green
        expect "radius in Text2" "$t2" "255,0,0" red
        expect "RADIUS in Text3" "$t3" "0,255,0" green
        expect "empty Text4" "$t4" "255,0,0" red

        click "$test" 712 72
        shot 05-reset
        cleared=0
        for b in "$t1" "$t2" "$t3" "$t4"; do
            # shellcheck disable=SC2086
            [ "$(blank 05-reset $b 75 13)" = 1 ] && cleared=$((cleared + 1))
        done
        if [ $cleared = 4 ]; then pass "Reset empties the boxes and whitens them"; else fail "Reset: $cleared of 4 boxes empty and white"; fi

        # Closing asks; No keeps the program and its screen, Yes ends it.
        xdotool windowactivate --sync "$test" key alt+F4
        if question=$(window "Finished\\?"); then
            pass "closing asks \"Are you sure?\""
            shot 06-question
            xdotool windowactivate --sync "$question" key n
            if gone "Finished\\?" && kill -0 "$program" 2>/dev/null && window "Arm - Major features - test" >/dev/null; then
                pass "No keeps the program and the arm test"
            else
                fail "No did not keep the program"
            fi
            shot 07-after-no
        else
            fail "closing did not ask"
            shot 06-question
        fi
        xdotool windowactivate --sync "$test" key alt+F4
        if question=$(window "Finished\\?"); then
            xdotool windowactivate --sync "$question" key Return
            for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
            if kill -0 "$program" 2>/dev/null; then
                fail "Yes did not end the program"
            else
                wait "$program"
                status=$?
                program=
                if [ $status = 0 ]; then pass "Yes ends the program"; else fail "Yes ended the program with status $status"; fi
            fi
        else
            fail "closing again did not ask"
        fi
    else
        fail "no way to the arm test"
        shot 02-arm-test
    fi
else
    fail "no title screen"
    shot 01-title
    cat "$scratch/program.log"
fi

echo "test-windows: $passed passed, $failed failed"
[ $failed = 0 ]
