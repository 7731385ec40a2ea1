#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (make package), built from this build tree into a scratch folder,
# unpacked into a scratch root (never installed on the machine) and checked:
#  - its control fields and its files: the program, desktop entry, metainfo, copyright,
#    and the icon at every size, each PNG really of its size; nothing outside /usr;
#  - desktop-file-validate and appstreamcli on the unpacked desktop entry and metainfo,
#    and that they, the icon names and the program agree on one application id;
#  - the unpacked program, started as the desktop entry starts it: headless (offscreen) it
#    must stay up, quiet and idle; on a virtual X display with a window manager it must
#    show its title window, whose window class the desktop entry names;
#  - every library and font the running program needs (linked in, the platform plugins it
#    used, the fonts it drew with) must come from a package that the package's
#    dependencies bring in (first installed choice of each alternative; essential
#    packages count as present).
#   package-test.sh <build directory> <version>
# Exits 77 (skipped) where there is no dpkg-deb, that is off Debian and its derivatives.
set -eu

app_id=io.github.ossarion.Ossarion
icon_sizes="32 48 64 128 256"

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
    openbox >/dev/null 2>&1 &
    wm=$!
    i=0
    until wmctrl -m >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -le 100 ] || { echo "the window manager did not start" >&2; exit 1; }
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
[ $# -eq 2 ] || fail "usage: $0 <build directory> <version>"
build=$(cd "$1" && pwd)
version=$2
command -v dpkg-deb >/dev/null || { echo "no dpkg-deb: not a Debian system, skipped"; exit 77; }
for tool in cpack dpkg-query desktop-file-validate appstreamcli xvfb-run openbox wmctrl readelf strings od; do
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

# --- build ------------------------------------------------------------------------------
say "cpack"
cpack --config "$build/CPackConfig.cmake" -B "$scratch/packages" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }
arch=$(dpkg --print-architecture)
deb=$scratch/packages/ossarion_${version}_$arch.deb
[ -f "$deb" ] || { ls "$scratch/packages"; fail "no ossarion_${version}_$arch.deb"; }
ls "$scratch/packages"

# --- control fields ---------------------------------------------------------------------
say "dpkg-deb -I"
dpkg-deb -I "$deb"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ossarion ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
case $(field Maintainer) in *"The Ossarion project"*) ;; *) fail "Maintainer is '$(field Maintainer)'" ;; esac
depends=$(field Depends)
echo "$depends" | tr ',' '\n' | grep -Eq '^ *fonts-liberation( |$)' ||
    fail "Depends does not name fonts-liberation, the font the screens are laid out for"

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

# --- validators -------------------------------------------------------------------------
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
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
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Icon)" = "$app_id" ] || fail "the desktop entry's Icon is '$(entry Icon)'"
[ "$(entry Exec)" = ossarion ] || fail "the desktop entry's Exec is '$(entry Exec)'"
[ "$(entry Terminal)" = false ] || fail "the desktop entry's Terminal is '$(entry Terminal)'"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
# (as 16-bit text, the way string literals of the toolkit are stored, or as 8-bit text)
{ strings -el "$root/usr/bin/ossarion"; strings -a "$root/usr/bin/ossarion"; } | grep -qFx "$app_id" ||
    fail "the program does not name $app_id as its desktop file"

# --- the unpacked program, run as the desktop entry runs it ------------------------------
# Its own folder first on the path; the machine's libraries and plugins, as installed.
# It replaces the shell it runs in: call it in the background or in a subshell, and $!
# is the program's own process.
run_env() {
    exec env -u LD_LIBRARY_PATH -u LD_PRELOAD -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH \
        -u QT_SCALE_FACTOR -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u DISPLAY -u WAYLAND_DISPLAY \
        -u DBUS_SESSION_BUS_ADDRESS -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
        PATH="$root/usr/bin:$PATH" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" "$@"
}
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

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
