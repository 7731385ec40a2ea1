#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the toolkit for 64-bit Windows from Debian's own source of the release the program is
# built with on Linux: static, release, only Core, Gui, Widgets (and Test, for the unit tests)
# with the Windows platform plugin. Installs into PREFIX, once: a finished PREFIX holds a
# stamp file naming its options and is left alone. Debian's host tools (moc, rcc, uic) of the same release do the
# code generation.
#
#   windows/build-qt.sh PREFIX VERSION
set -eu
prefix=$1
version=$2
here=$(cd "$(dirname "$0")" && pwd)
stamp="$prefix/ossarion-qt-complete"

# The features left out are the ones the program does not use, and those whose bundled code
# Debian's source leaves out (tablet input, SQL's own database). The DirectWrite 3 font
# database is built only with Direct2D, which the Windows platform does not know: it goes too.
options="-prefix $prefix -release -static -static-runtime \
    -opensource -confirm-license -xplatform win32-g++ -qt-host-path /usr \
    -nomake examples -nomake tests \
    -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -no-freetype -no-libjpeg -no-gif -no-ico \
    -no-opengl -no-vulkan -no-dbus -no-direct2d -no-feature-directwrite3 -no-feature-network -no-feature-sql \
    -no-feature-concurrent -no-feature-xml -no-feature-printsupport -no-feature-tabletevent \
    -- -DCMAKE_TOOLCHAIN_FILE=$here/mingw-w64-x86_64.cmake \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake"

# A cache built with other options is built again. Where the checkout lies (the toolchain
# file's path) is no option: every worktree shares one cache.
options_key() { sed 's|-DCMAKE_TOOLCHAIN_FILE=[^ ]*/|-DCMAKE_TOOLCHAIN_FILE=|'; }
if [ -f "$stamp" ] && [ "$(options_key <"$stamp")" = "$(printf '%s\n' "$options" | options_key)" ]; then
    echo "Qt $version for Windows: using $prefix"
    exit 0
fi

# The unpacked source is kept until the build is installed, so that a build that was
# stopped starts again without fetching it anew.
work="$prefix.work"
rm -rf "$prefix" "$work/build"
mkdir -p "$work"
cd "$work"

# Debian's source package, its patches applied.
src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$version*" | head -n 1)
if [ -z "$src" ]; then
    debian_version=$(apt-cache showsrc qt6-base | sed -n "s/^Version: \($version+dfsg-.*\)/\1/p" | head -n 1)
    [ -n "$debian_version" ] || { echo "no source of qt6-base $version: is deb-src set up?" >&2; exit 1; }
    apt-get source --only-source "qt6-base=$debian_version" >source.log 2>&1 || {
        cat source.log; exit 1; }
fi
src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$version*" | head -n 1)
[ -n "$src" ] || { echo "no qt6-base-$version source unpacked" >&2; exit 1; }

configure_line="$src/configure $options"
echo "$configure_line" >configure-line.txt
mkdir "$work/build"
cd "$work/build"
# shellcheck disable=SC2086
sh $configure_line
cmake --build . --parallel
cmake --install .
cp ../configure-line.txt "$prefix/"
printf '%s\n' "$options" >"$stamp"
cd /
rm -rf "$work"
echo "Qt $version for Windows: built into $prefix"
