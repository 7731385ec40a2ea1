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
stop_display() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wm='' xvfb=''
}
cleanup() {
    [ -n "${program:-}" ] && kill "$program" 2>/dev/null
    wineserver -k 2>/dev/null
    stop_display
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A virtual display of the size $1 at the first free number, as the server reports it.
start_display() {
    rm -f "$scratch/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 300); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    [ -s "$scratch/display" ] || { echo "test-windows: no virtual display" >&2; exit 1; }
    DISPLAY=":$(cat "$scratch/display")"
    export DISPLAY
    echo "test-windows: display $DISPLAY ($1), Wine prefix $WINEPREFIX"
}
# Whether Wine leaves its windows to a window manager (Y) or frames and activates them
# itself (N). Wine's own processes end first, so that the next program reads the setting
# and the display afresh.
wine_managed() {
    wineserver -k 2>/dev/null
    wineserver -w
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1 ||
        { echo "test-windows: cannot write Wine's settings" >&2; exit 1; }
    wineserver -w
}

# 1. The unit tests, each a Windows program on the Windows platform plugin, with no window
# manager. Wine then takes the window manager's part: left to manage its windows (its
# default), it would wait 2 s at every window shown again or hidden for a manager that
# never answers. The display holds a main screen at twice its size (tst_density): Windows
# keeps a window within the desktop.
start_display 2048x1536
# The prefix is made once (about half a minute); one left unfinished is made again.
if [ ! -f "$WINEPREFIX/ossarion-prefix-ready" ]; then
    echo "test-windows: making the Wine prefix"
    rm -rf "$WINEPREFIX"
    wine wineboot --init >"$scratch/wineboot.log" 2>&1
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || {
        cat "$scratch/wineboot.log"; echo "test-windows: Wine could not make its prefix" >&2; exit 1; }
    touch "$WINEPREFIX/ossarion-prefix-ready"
fi
wine_managed N
if (cd "$build" && ctest --output-on-failure --timeout 600); then
    pass "unit tests under Wine"
else
    fail "unit tests under Wine"
fi

# 2. The program as a user has it, on a small school desktop, with a window manager framing
# its windows.
wine_managed Y
stop_display
start_display 1024x768
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 300); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || { echo "test-windows: the window manager did not start" >&2; exit 1; }

wine "$exe" >"$scratch/program.log" 2>&1 &
program=$!

# Every wait below polls for what it waits for, up to a generous limit (Wine's first start
# and a busy machine are slow); nothing relies on a fixed pause being long enough.
# Up to $1 seconds until the command that follows succeeds.
until_ok() {
    deadline=$(($(date +%s) + $1))
    shift
    while ! "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}
# The visible window whose whole title matches the pattern $1 (up to 120 s).
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
window() { until_ok 120 visible "$1" >/dev/null && visible "$1"; }
hidden() { ! visible "$1" >/dev/null; }
gone() { until_ok 60 hidden "$1"; }
shot() { import -window root "$shots/$1.png"; }
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
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# The colour of a pixel of a screenshot, as r,g,b.
pixel() {
    convert "$shots/$1.png" -format '%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]' \
        -crop "1x1+$2+$3" info:
}
# 1 if every pixel of a rectangle of a screenshot is white (an empty white box).
blank() { convert "$shots/$1.png" -crop "$4x$5+$2+$3" -format '%[fx:minima.intensity==1]' info:; }
# 1 if a rectangle of a screenshot shows text at least 15 pixels wide (more than a caret).
inked() {
    [ "$(convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -fuzz 20% -trim -format '%w' info: 2>/dev/null)" -ge 15 ] &&
        echo 1 || echo 0
}
near() { d=$(($1 - $2)); [ "${d#-}" -le "$3" ]; }

# Whether the title screen's frame stands centred on the 1024 x 768 desktop: across exactly,
# down within the difference between the caption height the program is told (Wine's) and
# the window manager's title bar.
centred() {
    geometry "$title"
    left=$((x - fl)) top=$((y - ft)) outer_w=$((w + fl + fr)) outer_h=$((h + ft + fb))
    near "$left" $(((1024 - outer_w) / 2)) 2 && near "$top" $(((768 - outer_h) / 2)) 8
}
# Screenshot $1 taken again until the check that follows holds of it (up to 30 s), so that
# it shows the program after it has drawn what it was asked to.
shot_and() { shot "$1" && shift && "$@"; }
shot_until() { until_ok 30 shot_and "$@"; }
ended() { ! kill -0 "$program" 2>/dev/null; }

if title=$(window "Ossarion"); then
    pass "the title screen appears"
    if until_ok 30 centred; then
        pass "the title screen is centred (frame at $left,$top, $outer_w x $outer_h)"
    else
        fail "the title screen is not centred: frame at $left,$top, $outer_w x $outer_h on 1024 x 768"
    fi
    shot 01-title

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
        geometry "$test"
        box() { echo $((x + $1 + 3)) $((y + $2 + 3)); }
        # Text1, Text2, Text3 and Text4 at their places in the screen's layout (client pixels).
        set -- 464 100 464 226 464 293 464 366
        t1="$(box "$1" "$2")" t2="$(box "$3" "$4")" t3="$(box "$5" "$6")" t4="$(box "$7" "$8")"
        # The four boxes as the screenshot $1 shows them: white and empty (1) or not (0).
        blanks() {
            # shellcheck disable=SC2086
            echo "$(blank "$1" $t1 75 13)$(blank "$1" $t2 75 13)$(blank "$1" $t3 75 13)$(blank "$1" $t4 75 13)"
        }
        # Which of the four show a word (1) or none (0).
        words() {
            # shellcheck disable=SC2086
            echo "$(inked "$1" $t1 75 13)$(inked "$1" $t2 75 13)$(inked "$1" $t3 75 13)$(inked "$1" $t4 75 13)"
        }
        colours() {
            # shellcheck disable=SC2086
            echo "$(pixel "$1" $t1) $(pixel "$1" $t2) $(pixel "$1" $t3) $(pixel "$1" $t4)"
        }
        is() { [ "$("$1" "$2")" = "$3" ]; }
        shot 02-arm-test

        # Answers: Text1 humerus (right), Text2 radius (wrong: it is the ulna's box), Text3
        # RADIUS (right: case does not count), Text4 left empty.
        click "$test" 504 109; xdotool type --delay 50 "humerus"
        click "$test" 504 235; xdotool type --delay 50 "radius"
        click "$test" 504 302; xdotool type --delay 50 "RADIUS"
        if shot_until 03-typed is words 03-typed 1110; then
            pass "typed answers show in their boxes"
        else
            fail "typed answers: the boxes showing a word are $(words 03-typed), not 1110"
        fi

        click "$test" 712 24
        want="0,255,0 255,0,0 0,255,0 255,0,0"
        if shot_until 04-checked is colours 04-checked "$want"; then
            pass "Check: humerus and RADIUS green, radius in the ulna's box and the empty box red"
        else
            fail "Check: the boxes are $(colours 04-checked), not $want (green, red, green, red)"
        fi

        click "$test" 712 72
        if shot_until 05-reset is blanks 05-reset 1111; then
            pass "Reset empties the boxes and whitens them"
        else
            fail "Reset: the boxes' emptiness is $(blanks 05-reset), not 1111"
        fi

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
            if until_ok 60 ended; then
                wait "$program"
                status=$?
                program=
                if [ $status = 0 ]; then pass "Yes ends the program"; else fail "Yes ended the program with status $status"; fi
                if gone "Arm - Major features - test"; then pass "no screen is left"; else fail "a screen is left after Yes"; fi
                shot 08-ended
            else
                fail "Yes did not end the program"
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
