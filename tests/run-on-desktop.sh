#!/bin/sh
# Runs a test program on a virtual X display with a window manager, as a user's desktop
# would run the program. Exits 77 (skipped) where no virtual display is available.
command -v xvfb-run >/dev/null && command -v openbox >/dev/null && command -v wmctrl >/dev/null || exit 77
exec xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    openbox >/dev/null 2>&1 &
    # wait for the window manager to take the display
    for i in $(seq 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
    QT_QPA_PLATFORM=xcb "$@"
    status=$?
    kill %1 2>/dev/null
    exit $status' sh "$@"
