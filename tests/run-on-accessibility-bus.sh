#!/bin/sh
# Runs a test program as on a desktop with a screen reader: a virtual X display with a
# window manager (which gives windows the focus), a session bus, the accessibility bus
# beside it and the toolkit's bridge to it always on. Exits 77
# (skipped) only where the display or the buses cannot be started.
launcher=/usr/libexec/at-spi-bus-launcher
command -v xvfb-run >/dev/null && command -v dbus-run-session >/dev/null \
    && command -v dbus-send >/dev/null && command -v openbox >/dev/null && command -v wmctrl >/dev/null \
    && [ -x "$launcher" ] || exit 77
exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- sh -c '
    openbox >/dev/null 2>&1 &
    manager=$!
    for i in $(seq 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    # wait for the accessibility bus to answer on the session bus
    up=no
    for i in $(seq 100); do
        if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null \
            | grep -q unix; then up=yes; break; fi
        sleep 0.1
    done
    if [ $up = no ]; then echo "the accessibility bus did not start" >&2; kill $launcher $manager 2>/dev/null; exit 77; fi
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
    status=$?
    kill $launcher $manager 2>/dev/null
    exit $status' "$launcher" "$@"
