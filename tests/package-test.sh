#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (make package), built from this build tree into a scratch folder,
# unpacked into a scratch root (never installed on the machine) and checked:
#  - lintian, pedantic and with its informational tags: nothing but what the package's
#    own override file explains;
#  - its control fields and its files: the program, desktop entry, metainfo, copyright
#    with its year, changelog of this version, manual page, and the icon at every size of
#    the icon theme, each PNG really of its size; nothing outside /usr;
#  - the program built with Debian's hardening (Release builds): stack protector, source
#    fortification, read-only relocations, immediate binding, position independence;
#  - the program's --help and --version, which answer without a display, and its manual
#    page, which names every option --help lists;
#  - desktop-file-validate and appstreamcli on the unpacked desktop entry and metainfo,
#    and that they, the icon names and the program agree on one application id;
#  - the unpacked program, started as the desktop entry starts it: headless (offscreen) it
#    must stay up, quiet and idle; on a virtual X display with a window manager it must
#    show its title window, whose window class the desktop entry names;
#  - every library and font the running program needs (linked in, the platform plugins it
#    used, the fonts it drew with) must come from a package that the package's
#    dependencies bring in (first installed choice of each alternative; essential
#    packages count as present).
#   package-test.sh <build directory> <version> <build type>
# With `wayland` after them, only this instead: the unpacked program, started as the
# desktop entry starts it where a Wayland compositor (weston, headless) is the only window
# system, must show its title window there, through the Wayland platform plugin that the
# package recommends; exits 77 (skipped) when the compositor cannot start here.
# Exits 77 (skipped) where there is no dpkg-deb, that is off Debian and its derivatives.
set -eu

app_id=io.github.ossarion.Ossarion
# The icon theme's sizes that menus, panels, docks and software centres look up.
icon_sizes="16 22 24 32 48 64 128 256"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
say() { printf '\n== %s\n' "$*"; }

# ---------------------------------------------------------------------------------------
# On the virtual display (the script runs itself under xvfb-run): start a window manager,
# start the program, wait for its window; on success writes its window class to
# <out>/xcb.window and the files it has mapped to <out>/xcb.maps.
if [ "${1:-}" = --on-display ]; then
    root=$2 out=$3
    openbox >"$out/openbox.log" 2>&1 &
    wm=$!
    # Up to 30 s: a busy machine can take long to start it.
    i=0
    until wmctrl -m >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -le 300 ] && kill -0 $wm 2>/dev/null ||
            { cat "$out/openbox.log" >&2; echo "the window manager did not start" >&2; exit 1; }
        sleep 0.1
    done
    QT_QPA_PLATFORM=xcb ossarion >"$out/xcb.out" 2>"$out/xcb.err" &
    pid=$!
    # Up to 30 s for the first window (slow machines, sanitizer builds)
    i=0 line=
    while [ $i -lt 300 ]; do
        kill -0 $pid 2>/dev/null || { echo "the program ended before showing a window" >&2; break; }
        # id desktop pid class host title
        line=$(wmctrl -lpx | awk -v pid=$pid '$3 == pid' | head -n 1)
        [ -n "$line" ] && break
        i=$((i + 1))
        sleep 0.1
    done
    [ -n "$line" ] || ! kill -0 $pid 2>/dev/null || echo "no window of the program within 30 s" >&2
    status=1
    if [ -n "$line" ]; then
        echo "window: $line" >&2
        title=$(echo "$line" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
        class=$(echo "$line" | awk '{ print $4 }')
        sleep 3
        if [ "$title" != Ossarion ]; then
            echo "the first window is titled '$title', not the title screen's 'Ossarion'" >&2
        elif ! kill -0 $pid 2>/dev/null; then
            echo "the program ended within 3 s of showing its title window" >&2
        else
            awk '$6 ~ /^\// { print $6 }' "/proc/$pid/maps" | sort -u >"$out/xcb.maps"
            echo "$class" >"$out/xcb.window"
            status=0
        fi
    fi
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    kill $wm 2>/dev/null || true
    exit $status
fi

# ---------------------------------------------------------------------------------------
[ $# -eq 3 ] || [ $# -eq 4 -a "${4:-}" = wayland ] || fail "usage: $0 <build directory> <version> <build type> [wayland]"
build=$(cd "$1" && pwd)
version=$2
build_type=$3
mode=${4:-all}
command -v dpkg-deb >/dev/null || { echo "no dpkg-deb: not a Debian system, skipped"; exit 77; }
for tool in cpack dpkg-query desktop-file-validate appstreamcli xvfb-run openbox wmctrl readelf strings od \
    lintian hardening-check man weston; do
    command -v $tool >/dev/null || fail "$tool is missing (make deps installs what the tests need)"
done
[ -f "$build/CPackConfig.cmake" ] || fail "$build has no CPackConfig.cmake"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/ossarion-package.XXXXXX")
pid=
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
root=$scratch/root
mkdir -p "$scratch/packages" "$root" "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"

# Its own folder first on the path; the machine's libraries and plugins, as installed.
# It replaces the shell it runs in: call it in the background or in a subshell, and $!
# is the program's own process.
run_env() {
    exec env -u LD_LIBRARY_PATH -u LD_PRELOAD -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH \
        -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        -u QT_SCALE_FACTOR -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u DISPLAY -u WAYLAND_DISPLAY \
        -u DBUS_SESSION_BUS_ADDRESS -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
        PATH="$root/usr/bin:$PATH" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" "$@"
}
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }


# Where Wayland is the only window system: a headless weston on a socket of its own, the
# program started as the desktop entry starts it, with no DISPLAY and no platform chosen
# for it. Its title window must reach the compositor: weston's protocol log must show a
# toplevel titled "Ossarion" with the application id, whose surface got a picture and was
# put on the compositor's output; the program must stay up, quiet, and have used the
# Wayland platform plugin, from the package that the package recommends.
wayland_check() {
    say "on a headless Wayland compositor, without X11: the title window"
    socket=wayland-ossarion-test-$$
    env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home" \
        weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --no-config \
        --idle-time=0 --socket=$socket --logger-scopes=log,proto --log="$scratch/weston.log" \
        >"$scratch/weston.out" 2>&1 &
    compositor=$!
    i=0
    until [ -S "$scratch/runtime/$socket" ]; do
        i=$((i + 1))
        if [ $i -gt 100 ] || ! kill -0 $compositor 2>/dev/null; then
            cat "$scratch/weston.out" "$scratch/weston.log" 2>/dev/null | tail -n 20
            echo "weston (headless) did not start here: the Wayland check is skipped"
            kill $compositor 2>/dev/null || true
            exit 77
        fi
        sleep 0.1
    done
    echo "weston runs on $socket"
    run_env WAYLAND_DISPLAY=$socket "$(entry Exec)" >"$scratch/wayland.out" 2>"$scratch/wayland.err" &
    pid=$!
    # The title window's toplevel and surface, as weston logs the program's requests and
    # its own events: "<client> <what> <object ids...>".
    toplevel_state() {
        sed -nE \
            -e 's/.*client (0x[0-9a-f]+) rq xdg_wm_base@[0-9]+\.get_xdg_surface\(new id xdg_surface@([0-9]+), wl_surface@([0-9]+)\).*/\1 xdg \2 \3/p' \
            -e 's/.*client (0x[0-9a-f]+) rq xdg_surface@([0-9]+)\.get_toplevel\(new id xdg_toplevel@([0-9]+)\).*/\1 toplevel \2 \3/p' \
            -e 's/.*client (0x[0-9a-f]+) rq xdg_toplevel@([0-9]+)\.set_title\("(.*)"\)$/\1 title \2 \3/p' \
            -e 's/.*client (0x[0-9a-f]+) rq xdg_toplevel@([0-9]+)\.set_app_id\("(.*)"\)$/\1 app_id \2 \3/p' \
            -e 's/.*client (0x[0-9a-f]+) rq wl_surface@([0-9]+)\.attach\(wl_buffer@.*/\1 attach \2/p' \
            -e 's/.*client (0x[0-9a-f]+) ev wl_surface@([0-9]+)\.enter\(wl_output@.*/\1 enter \2/p' \
            "$scratch/weston.log" |
            awk '$2 == "xdg" { surface[$1 " " $3] = $4 }
                 $2 == "toplevel" { of[$1 " " $4] = surface[$1 " " $3] }
                 $2 == "title" && $4 == "Ossarion" && client == "" { client = $1; top = $3; s = of[$1 " " $3] }
                 $2 == "app_id" { app[$1 " " $3] = $4 }
                 $2 == "attach" { attached[$1 " " $3] = 1 }
                 $2 == "enter" { entered[$1 " " $3] = 1 }
                 END {
                     if (client == "") { print "none"; exit }
                     k = client " " s
                     printf "title Ossarion, app id %s, %s, %s\n", app[client " " top],
                            attached[k] ? "picture attached" : "no picture", entered[k] ? "on the output" : "not on the output"
                 }'
    }
    shown="title Ossarion, app id $app_id, picture attached, on the output"
    i=0 state=none
    while [ $i -lt 300 ]; do
        kill -0 $pid 2>/dev/null || break
        state=$(toplevel_state)
        [ "$state" != "$shown" ] || break
        i=$((i + 1))
        sleep 0.1
    done
    echo "the program's first toplevel: $state"
    if ! kill -0 $pid 2>/dev/null; then
        cat "$scratch/wayland.out" "$scratch/wayland.err"
        kill $compositor 2>/dev/null || true
        fail "the program ended on Wayland"
    fi
    sleep 3
    kill -0 $pid 2>/dev/null || { cat "$scratch/wayland.err"; fail "the program ended within 3 s on Wayland"; }
    awk '$6 ~ /^\// { print $6 }' "/proc/$pid/maps" | sort -u >"$scratch/wayland.maps"
    kill $pid
    { wait $pid; } 2>/dev/null || true
    pid=
    kill $compositor 2>/dev/null || true
    wait $compositor 2>/dev/null || true
    [ "$state" = "$shown" ] ||
        { tail -n 40 "$scratch/weston.log"; fail "the title window did not reach the compositor's output"; }
    if [ -s "$scratch/wayland.out" ] || [ -s "$scratch/wayland.err" ]; then
        cat "$scratch/wayland.out" "$scratch/wayland.err"
        fail "the program printed the above on Wayland"
    fi
    plugin=$(grep '/qt6/plugins/platforms/libqwayland' "$scratch/wayland.maps" | head -n 1)
    [ -n "$plugin" ] || fail "the program did not use the Wayland platform plugin"
    owner=$(dpkg-query -S "$plugin" 2>/dev/null | sed 's/:.*//; s/, /\n/g' | head -n 1)
    echo "platform plugin $plugin, from $owner"
    [ -n "$owner" ] || fail "no package provides $plugin"
    field Recommends | tr ',' '\n' | grep -Eq "^ *$owner( |\$)" ||
        fail "the package does not recommend $owner, which has the Wayland platform plugin"
    say "Wayland check passed"
}

# --- build ------------------------------------------------------------------------------
say "cpack"
cpack --config "$build/CPackConfig.cmake" -B "$scratch/packages" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }
arch=$(dpkg --print-architecture)
deb=$scratch/packages/ossarion_${version}_$arch.deb
[ -f "$deb" ] || { ls "$scratch/packages"; fail "no ossarion_${version}_$arch.deb"; }
ls "$scratch/packages"
field() { dpkg-deb -f "$deb" "$1"; }
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
entry() { sed -n "s/^$1=//p" "$desktop"; }
if [ "$mode" = wayland ]; then
    dpkg-deb -x "$deb" "$root"
    wayland_check
    exit 0
fi

# --- the README --------------------------------------------------------------------------
# It names every package that make deps installs, so that a reader can install them first.
say "README: the packages make deps installs"
sources=$(cd "$(dirname "$0")/.." && pwd)
packages=$(sed -n '/^PACKAGES := /,/^[^ ]/p' "$sources/Makefile" | sed -n 's/^    \([a-z0-9][a-z0-9.+-]*\).*/\1/p')
[ -n "$packages" ] || fail "no PACKAGES list in the Makefile"
missing=
for p in $packages; do
    tr '\n' ' ' <"$sources/README.md" | grep -Fq "\`$p\`" || missing="$missing $p"
done
[ -z "$missing" ] || fail "the README does not name:$missing"
echo "$(echo $packages | wc -w) packages, each in the README"

# --- lintian ----------------------------------------------------------------------------
# Every tag, informational and pedantic ones included, is fixed or overridden in the
# package's override file, each override with its reason in a comment above it.
say "lintian -i -I --pedantic"
# Only Release builds get Debian's hardening (below); a package of another build, say a
# sanitizer build's, is judged on everything else.
suppress=
if [ "$build_type" != Release ]; then
    suppress=hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-relro,hardening-no-pie
    echo "not a Release build ($build_type): lintian's hardening tags not checked"
fi
status=0
# (Every tag it prints fails the test, whatever its level: lintian's own --fail-on cannot
# be combined with showing the overridden ones.)
lintian -i -I --pedantic --show-overrides ${suppress:+--suppress-tags "$suppress"} "$deb" \
    >"$scratch/lintian" 2>"$scratch/lintian.err" || status=$?
grep -v '^running with root privileges' "$scratch/lintian.err" >&2 || true
grep '^O: ' "$scratch/lintian" || true
# Whether some run of the compressed pictures' bytes happens to spell a misspelt word changes
# with every redrawn picture, so that one override may go unused without anything being wrong.
sed -i '/^I: [^ ]* unused-override spelling-error-in-binary /d' "$scratch/lintian"
if grep -E '^[EWIPX]: ' "$scratch/lintian"; then
    fail "lintian reports the tags above"
fi
[ $status -eq 0 ] || { cat "$scratch/lintian"; fail "lintian failed (status $status)"; }
echo "lintian: no tag but those overridden"

# --- control fields ---------------------------------------------------------------------
say "dpkg-deb -I"
dpkg-deb -I "$deb"
[ "$(field Package)" = ossarion ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
maintainer=$(field Maintainer)
case $maintainer in "The Ossarion project <"?*@?*.?*">") ;; *) fail "Maintainer is '$maintainer', not the project with an address" ;; esac
depends=$(field Depends)
echo "$depends" | tr ',' '\n' | grep -Eq '^ *fonts-liberation( |$)' ||
    fail "Depends does not name fonts-liberation, the font the screens are laid out for"
field Recommends | tr ',' '\n' | grep -Eq '^ *qt6-wayland( |$)' ||
    fail "Recommends does not name qt6-wayland, the platform plugin for sessions with Wayland alone"

# --- contents ---------------------------------------------------------------------------
say "dpkg-deb -c"
dpkg-deb -c "$deb" | tee "$scratch/listing"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' "$scratch/listing" ||
    fail "entries above are not owned by root"
awk '$6 !~ /^\.\/usr\// && $6 != "./" { print; bad = 1 } $6 ~ /^\.\/usr\/local\// { print; bad = 1 }
     END { exit bad }' "$scratch/listing" || fail "entries above lie outside /usr"
dpkg-deb -x "$deb" "$root"

listed() {
    grep -Eq " \./$1\$" "$scratch/listing" || fail "the package does not list /$1"
    [ -f "$root/$1" ] || fail "/$1 is listed but did not unpack"
}
listed usr/bin/ossarion
listed usr/share/applications/$app_id.desktop
listed usr/share/metainfo/$app_id.metainfo.xml
listed usr/share/doc/ossarion/copyright
listed usr/share/icons/hicolor/scalable/apps/$app_id.svg
listed usr/share/doc/ossarion/changelog.gz
listed usr/share/man/man1/ossarion.1.gz
listed usr/share/lintian/overrides/ossarion
[ -x "$root/usr/bin/ossarion" ] || fail "/usr/bin/ossarion is not executable"
readelf -h "$root/usr/bin/ossarion" >/dev/null 2>&1 || fail "/usr/bin/ossarion is not a program"
if readelf -S -W "$root/usr/bin/ossarion" | grep -q ' \.symtab '; then
    fail "/usr/bin/ossarion is not stripped"
fi
# A packaged program finds its libraries where the system keeps them, nowhere else.
if readelf -d "$root/usr/bin/ossarion" | grep -E '\((RPATH|RUNPATH)\)'; then
    fail "/usr/bin/ossarion has its own library search path"
fi
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ||
    fail "the scalable icon is not an SVG"

# A PNG's width and height: big-endian words at bytes 16 and 20, after its signature.
png_size() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "not-a-PNG"; return; }
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ printf "%dx%d\n", (($1 * 256 + $2) * 256 + $3) * 256 + $4, (($5 * 256 + $6) * 256 + $7) * 256 + $8 }'
}
say "icons"
for size in $icon_sizes; do
    png=usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    listed "$png"
    got=$(png_size "$root/$png")
    echo "/$png: $got"
    [ "$got" = "${size}x$size" ] || fail "/$png is $got, not ${size}x$size"
done

# --- documents --------------------------------------------------------------------------
say "changelog, copyright, lintian overrides"
doc=$root/usr/share/doc/ossarion
head=$(gzip -dc "$doc/changelog.gz" | head -n 1)
echo "changelog: $head"
case $head in "ossarion ($version) "*) ;; *) fail "the changelog's latest entry is not for version $version" ;; esac
signer=$(gzip -dc "$doc/changelog.gz" | sed -n 's/^ -- \(.*>\)  .*/\1/p' | head -n 1)
[ "$signer" = "$maintainer" ] ||
    fail "the changelog's latest entry is signed '$signer', the package's Maintainer is '$maintainer'"
grep -E '^Copyright: [0-9]{4}(-[0-9]{4})? ' "$doc/copyright" || fail "the copyright file has no year"
# Each override with its reason: comment lines right above it.
awk '/^#/ { reason = 1; next } /^[ \t]*$/ { reason = 0; next }
     { if (!reason) { print "no reason given for: " $0; bad = 1 } }
     END { exit bad }' "$root/usr/share/lintian/overrides/ossarion" || fail "lintian overrides without their reason"

# --- hardening ----------------------------------------------------------------------------
# Debian 12's hardening flags do not include control-flow protection; stack clash
# protection hardening-check can only call unknown.
say "hardening-check"
if [ "$build_type" = Release ]; then
    status=0
    hardening-check --nocfprotection --nofortify "$root/usr/bin/ossarion" >"$scratch/hardening" 2>&1 || status=$?
    cat "$scratch/hardening"
    [ $status -eq 0 ] || fail "hardening-check failed"
    for feature in "Position Independent Executable" "Stack protected" "Read-only relocations" "Immediate binding"; do
        grep -q "^ *$feature: yes" "$scratch/hardening" || fail "$feature: not yes"
    done
    # Fortification turns a call into its checked form only where the compiler knows the
    # size of the buffer, so the program can keep plain memcpy calls however it was built:
    # every compile command that went into it must have asked for it.
    if ! grep -q '^ *Fortify Source functions: yes' "$scratch/hardening"; then
        [ -f "$build/build.ninja" ] && command -v ninja >/dev/null ||
            fail "the program shows no fortified call, and its compile commands cannot be read"
        ninja -C "$build" -t commands ossarion | grep -- ' -c ' >"$scratch/compiles" || true
        compiled=$(wc -l <"$scratch/compiles")
        unfortified=$(grep -cv -- '-D_FORTIFY_SOURCE=[23]' "$scratch/compiles" || true)
        [ "$compiled" -gt 0 ] || fail "no compile command of the program found"
        [ "$unfortified" -eq 0 ] || fail "$unfortified of $compiled compile commands lack -D_FORTIFY_SOURCE"
        echo "Fortify: all $compiled compile commands of the program with -D_FORTIFY_SOURCE"
    fi
else
    echo "not a Release build ($build_type): hardening not checked"
fi

# --- command line and manual page ---------------------------------------------------------
# Answered without any window system: no display, no compositor, no platform chosen.
say "--help, --version and a wrong option, without a display"
answer() {
    status=0
    (run_env timeout 20 ossarion "$@") >"$scratch/answer.out" 2>"$scratch/answer.err" || status=$?
}
answer --version
[ $status -eq 0 ] || { cat "$scratch/answer.err"; fail "ossarion --version ended with status $status"; }
[ "$(cat "$scratch/answer.out")" = "Ossarion $version" ] || fail "ossarion --version printed '$(cat "$scratch/answer.out")'"
[ ! -s "$scratch/answer.err" ] || { cat "$scratch/answer.err"; fail "ossarion --version wrote the above on standard error"; }
echo "--version: $(cat "$scratch/answer.out")"
answer --help
[ $status -eq 0 ] || { cat "$scratch/answer.err"; fail "ossarion --help ended with status $status"; }
[ ! -s "$scratch/answer.err" ] || { cat "$scratch/answer.err"; fail "ossarion --help wrote the above on standard error"; }
cat "$scratch/answer.out"
head -n 1 "$scratch/answer.out" | grep -q '^Usage: ' || fail "ossarion --help prints no usage line"
sed -n 's/^  \(-[^ ].*[^ ]\)   *[A-Z].*/\1/p' "$scratch/answer.out" | tr -d ',' | tr ' ' '\n' >"$scratch/options"
grep -qx -- --help "$scratch/options" && grep -qx -- --version "$scratch/options" ||
    fail "ossarion --help does not list --help and --version"
cp "$scratch/answer.out" "$scratch/help"
answer --no-such-option
[ $status -eq 1 ] || fail "ossarion --no-such-option ended with status $status, not 1"
[ ! -s "$scratch/answer.out" ] && grep -q "no-such-option" "$scratch/answer.err" ||
    fail "ossarion --no-such-option did not say what was wrong on standard error"
echo "--no-such-option: $(cat "$scratch/answer.err")"
say "man ossarion"
LC_ALL=C MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/ossarion.1.gz" >"$scratch/man" 2>"$scratch/man.err" ||
    { cat "$scratch/man.err"; fail "man could not show the manual page"; }
[ ! -s "$scratch/man.err" ] || { cat "$scratch/man.err"; fail "the manual page has the faults above"; }
head -n 8 "$scratch/man"
grep -Eq "^ +ossarion - learn the bones" "$scratch/man" || fail "the manual page has no NAME line for ossarion"
while read -r option; do
    grep -Fq -- "$option" "$scratch/man" || fail "the manual page does not describe $option, which --help lists"
done <"$scratch/options"
echo "the manual page describes $(echo $(cat "$scratch/options"))"

# --- validators -------------------------------------------------------------------------
say "desktop-file-validate"
desktop-file-validate "$desktop" >"$scratch/dfv" 2>&1 || { cat "$scratch/dfv"; fail "desktop-file-validate failed"; }
cat "$scratch/dfv"
# Hints (advice) may stand; errors and warnings may not.
if grep -E ': (error|warning):' "$scratch/dfv" >/dev/null; then
    fail "desktop-file-validate reports errors or warnings"
fi
say "appstreamcli validate --no-net"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"
say "appstreamcli validate-tree --no-net"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree failed"

# One application id everywhere: desktop entry's name and icon, metainfo's id and
# launchable, and the desktop file name the program announces (Wayland's app id).
[ "$(entry Icon)" = "$app_id" ] || fail "the desktop entry's Icon is '$(entry Icon)'"
[ "$(entry Exec)" = ossarion ] || fail "the desktop entry's Exec is '$(entry Exec)'"
[ "$(entry Terminal)" = false ] || fail "the desktop entry's Terminal is '$(entry Terminal)'"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
# One main menu category, so that menus show the program once: Education; the others
# refine it. The metainfo names the same ones.
categories=$(entry Categories | tr ';' '\n' | sed '/^$/d')
main=$(echo "$categories" |
    grep -Ex 'AudioVideo|Audio|Video|Development|Education|Game|Graphics|Network|Office|Science|Settings|System|Utility' |
    tr '\n' ' ')
echo "categories: $(echo $categories); main: $main"
[ "$main" = "Education " ] || fail "the main categories are '$main', not Education alone"
[ "$(echo "$categories" | sort)" = "$(sed -n 's:.*<category>\(.*\)</category>.*:\1:p' "$metainfo" | sort)" ] ||
    fail "the metainfo's categories are not the desktop entry's"
# (as 16-bit text, the way string literals of the toolkit are stored, or as 8-bit text)
{ strings -el "$root/usr/bin/ossarion"; strings -a "$root/usr/bin/ossarion"; } | grep -qFx "$app_id" ||
    fail "the program does not name $app_id as its desktop file"

# --- the unpacked program, run as the desktop entry runs it ------------------------------
say "headless (offscreen): up, quiet and idle"
run_env QT_QPA_PLATFORM=offscreen "$(entry Exec)" >"$scratch/offscreen.out" 2>"$scratch/offscreen.err" &
pid=$!
sleep 3
kill -0 $pid 2>/dev/null || { cat "$scratch/offscreen.out" "$scratch/offscreen.err"; fail "the program ended within 3 s"; }
awk '$6 ~ /^\// { print $6 }' "/proc/$pid/maps" | sort -u >"$scratch/offscreen.maps"
ticks=$(cpu_ticks $pid)
sleep 2
kill -0 $pid 2>/dev/null || { cat "$scratch/offscreen.err"; fail "the program ended within 5 s"; }
busy=$(($(cpu_ticks $pid) - ticks))
hz=$(getconf CLK_TCK)
echo "running after 5 s; CPU time in the last 2 s: $busy/$hz s"
# Waiting for the user costs no time; half a processor means something runs on its own.
[ $((busy * 2)) -lt "$hz" ] || fail "the program kept the processor busy while nobody used it"
kill $pid
status=0
{ wait $pid; } 2>/dev/null || status=$?
pid=
[ $status -eq 143 ] || fail "the program did not end on SIGTERM as expected (status $status)"
if [ -s "$scratch/offscreen.out" ] || [ -s "$scratch/offscreen.err" ]; then
    cat "$scratch/offscreen.out" "$scratch/offscreen.err"
    fail "the program printed the above; it prints nothing when all is well"
fi
grep -Fqx "$root/usr/bin/ossarion" "$scratch/offscreen.maps" || fail "the running program was not the unpacked one"

say "on a virtual X display with a window manager: the title window"
(run_env xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" --on-display "$root" "$scratch") ||
    { cat "$scratch/xcb.out" "$scratch/xcb.err" 2>/dev/null; fail "the program did not show its title window"; }
read -r class <"$scratch/xcb.window"
wmclass=$(entry StartupWMClass)
echo "window class $class; the desktop entry's StartupWMClass: $wmclass"
[ "${class#*.}" = "$wmclass" ] || fail "the window's class ${class#*.} is not the desktop entry's StartupWMClass '$wmclass'"
if [ -s "$scratch/xcb.out" ] || [ -s "$scratch/xcb.err" ]; then
    cat "$scratch/xcb.out" "$scratch/xcb.err"
    fail "the program printed the above on the X display"
fi
[ -s "$scratch/xcb.maps" ] || fail "no map of the running program's files"

# --- where the libraries and fonts it needs come from ------------------------------------
# Needed: what the loader links in, the platform plugins in use with what they link in,
# and the fonts the screens were drawn with. Qt also loads every image format plugin and
# some optional libraries it finds; those are the machine's extras, listed, not required.
say "libraries and fonts the program needs, by package"
sort -u "$scratch/offscreen.maps" "$scratch/xcb.maps" | grep -vF "$root/" >"$scratch/loaded"
grep -q '/qt6/plugins/platforms/libqxcb\.so$' "$scratch/loaded" || fail "no xcb platform plugin among the loaded files"
grep -q '/qt6/plugins/platforms/libqoffscreen\.so$' "$scratch/loaded" ||
    fail "no offscreen platform plugin among the loaded files"
for f in "$root/usr/bin/ossarion" $(grep '/qt6/plugins/platforms/' "$scratch/loaded"); do
    [ "$f" = "$root/usr/bin/ossarion" ] || echo "$f"
    ldd "$f" >"$scratch/ldd" || fail "ldd $f failed"
    if grep 'not found' "$scratch/ldd" >&2; then fail "$f: libraries not found"; fi
    awk '$2 == "=>" && $3 ~ /^\// { print $3 } $1 ~ /^\// { print $1 }' "$scratch/ldd" | xargs readlink -f
done >"$scratch/needed"
grep -E '\.(ttf|ttc|otf|pfb|pcf|pcf\.gz)$' "$scratch/loaded" >>"$scratch/needed" ||
    fail "the program loaded no font file"
sort -u -o "$scratch/needed" "$scratch/needed"
grep -E '^/(usr|lib|lib64|opt|etc)/' "$scratch/loaded" | sort -u - "$scratch/needed" >"$scratch/files"
# Merged /usr: the packages may list a file under /lib that the program maps from /usr/lib.
awk '{ print } /^\/usr\/(lib|lib64|bin|sbin)\// { print substr($0, 5) }' "$scratch/files" |
    xargs dpkg-query -S 2>/dev/null |
    awk '{ i = index($0, ": /"); n = split(substr($0, 1, i - 1), p, ", ");
           for (k = 1; k <= n; k++) { sub(/:.*/, "", p[k]); print substr($0, i + 2) "\t" p[k] } }' \
        >"$scratch/owners" || true
# The packages that the package's dependencies bring in.
dpkg-query -W -f='${Package}\t${db:Status-Abbrev}\t${Essential}\t${Provides}\t${Pre-Depends}, ${Depends}\n' |
    awk -F '\t' -v roots="$depends" '
        function bare(s) { sub(/\(.*/, "", s); sub(/:.*/, "", s); gsub(/[ \t]/, "", s); return s }
        function choose(group,   n, alts, i, a, p) {
            n = split(group, alts, "|")
            for (i = 1; i <= n; i++) {
                a = bare(alts[i])
                if (a in installed) return a
                if (a in provider) { split(provider[a], p, " "); return p[1] }
            }
            return ""
        }
        function take(list,   n, groups, i, c) {
            n = split(list, groups, ",")
            for (i = 1; i <= n; i++)
                if ((c = choose(groups[i])) != "" && !(c in closure)) { closure[c] = 1; queue[++last] = c }
        }
        $2 ~ /^ii/ {
            installed[$1] = 1; deps[$1] = $5
            if ($3 == "yes") essential[$1] = 1
            n = split($4, pv, ","); for (i = 1; i <= n; i++) if ((v = bare(pv[i])) != "") provider[v] = provider[v] " " $1
        }
        END {
            last = 0
            take(roots)
            for (e in essential) if (!(e in closure)) { closure[e] = 1; queue[++last] = e }
            for (q = 1; q <= last; q++) take(deps[queue[q]])
            for (c in closure) print c
        }' | sort >"$scratch/closure"
echo "$(wc -l <"$scratch/closure") packages come with ossarion's dependencies"
problems=0
while read -r file; do
    alt=${file#/usr}
    owners=$(awk -F '\t' -v f="$file" -v a="$alt" '$1 == f || $1 == a { print $2 }' "$scratch/owners" | sort -u)
    found=
    for o in $owners; do grep -Fqx "$o" "$scratch/closure" && found=$o; done
    if grep -Fqx "$file" "$scratch/needed"; then
        if [ -n "$found" ]; then
            echo "  needed   $file: $found"
        elif [ -n "$owners" ]; then
            echo "  needed   $file: $(echo $owners), which ossarion's dependencies do not bring in"
            problems=$((problems + 1))
        else
            case $file in
            *.so | *.so.*)
                echo "  needed   $file: no package provides it"
                problems=$((problems + 1)) ;;
            *) echo "  needed   $file: no package (the machine's own font)" ;;
            esac
        fi
    elif [ -n "$owners" ] && [ -z "$found" ]; then
        echo "  optional $file: $(echo $owners), loaded because it is there"
    fi
done <"$scratch/files"
[ $problems -eq 0 ] || fail "$problems needed files come from outside the package's dependencies"

say "package test passed"
