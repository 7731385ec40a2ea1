# SPDX-License-Identifier: GPL-3.0-or-later
# make run    - install what is missing, build, start the program
# make test   - install what is missing, build, run every test headless
# make test-sanitize - every test again, built with AddressSanitizer (leaks included) and
#                UndefinedBehaviorSanitizer, in build-sanitize/
# make golden - rewrite the golden screens and screen map (tests/golden) from the program as built
# make windows - Ossarion.exe for 64-bit Windows and its zip, cross-built (README: Windows)
# make test-windows - that program under Wine, driven from outside as a user would; its unit tests
# make bench  - start-up, memory and moves against a bare Qt program (bench/README.md)
BUILD ?= build
GENERATOR := Ninja
# One package a line, so that each addition is a line of its own.
PACKAGES := \
    cmake \
    ninja-build \
    g++ \
    qt6-base-dev \
    qt6-svg-dev \
    libgl-dev \
    fonts-liberation \
    xvfb \
    xauth \
    openbox \
    wmctrl \
    desktop-file-utils \
    appstream \
    dpkg-dev \
    dbus-daemon \
    optipng \
    python3 \
    dbus \
    at-spi2-core \
    python3-pyatspi \
    lintian \
    devscripts \
    man-db \
    weston \
    qt6-wayland
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test test-sanitize bench screenshots contact-sheet drawings clean golden

all: build

# The packages of the list $(1) that are not installed yet, installed in one go.
define install_missing
missing=""; for p in $(1); do \
    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
done; \
if [ -n "$$missing" ]; then \
    echo "Installing:$$missing"; \
    $(SUDO) apt-get -o DPkg::Lock::Timeout=900 update -qq && \
    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends $$missing; \
fi
endef

deps:
	@$(call install_missing,$(PACKAGES))

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/ossarion

# The Debian package, $(BUILD)/ossarion_<version>_<architecture>.deb (README: Install).
.PHONY: package
package: build
	cmake --build $(BUILD) --target package

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600

# The sanitizers' settings, for the build too (it runs the rasteriser). The suppressions may
# name only one-time allocations inside the toolkit's libraries, each with its reason. The
# tests run with a session bus, as on a desktop: without one, the toolkit's bus thread asks
# the bus library to start one, and that library keeps what it read from the failed attempt.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DOSSARION_SANITIZE=ON -DOSSARION_WERROR=ON $(CMAKE_FLAGS)
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen \
	    dbus-run-session -- ctest --output-on-failure --timeout 900

# The golden screens and the screen map, rewritten on purpose from the program as built: only
# pictures that changed are written (then made smaller); look at each changed picture and at
# the map's diff before committing them with the change that caused them.
golden: build
	cd $(BUILD) && OSSARION_WRITE_GOLDEN=1 ./tests/tst_golden -silent
	@changed=$$(git ls-files -m -o --exclude-standard -- 'tests/golden/*.png'); \
	    [ -z "$$changed" ] || optipng -quiet -o2 $$changed; \
	    git status --short -- tests/golden; \
	    [ -n "$$(git status --short -- tests/golden)" ] || echo "The goldens are unchanged."

# Measured on a virtual display with a window manager, in build-bench/.
BENCH_BUILD ?= build-bench
bench: deps
	cmake -S . -B $(BENCH_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD)
	xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'openbox >/dev/null 2>&1 & sleep 1; ./$(BENCH_BUILD)/bench/ossarion_bench'

# Every screen as the program shows it, framed by a window manager on a virtual display,
# and the contact sheet of the drawings.
screenshots: build contact-sheet
	xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'openbox & sleep 1; ./$(BUILD)/tools/ossarion_screenshots $(BUILD)/screenshots'

# Every drawing at 1:1 and 2:1 with its name, in one picture.
contact-sheet: build
	./$(BUILD)/tools/ossarion_contactsheet $(BUILD)/screenshots/contact-sheet.png

# The drawings' SVG sources written again from their generators (python3), after editing one;
# the desktop icon's goes with the desktop files.
drawings:
	for g in tools/art/*.py; do \
	    [ $$g != tools/art/desktop_icon.py ] || continue; \
	    if grep -q '__main__' $$g; then python3 $$g assets/drawings >/dev/null || exit 1; fi; \
	done
	python3 tools/art/desktop_icon.py desktop >/dev/null

# Windows: the toolkit cross-built once from Debian's source of the same release into a cache
# outside the work tree, then the program against it, the drawings rasterised by the native
# build's rasteriser. The compilers, Wine and the tools to drive it come from Debian too.
WINDOWS_BUILD ?= build-windows
QT_WINDOWS_VERSION := 6.4.2
QT_WINDOWS ?= $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/ossarion/qt-$(QT_WINDOWS_VERSION)-x86_64-w64-mingw32
WINDOWS_PACKAGES := \
    g++-mingw-w64-x86-64 \
    perl \
    qt6-base-dev-tools \
    imagemagick \
    wine \
    wine64 \
    xdotool \
    x11-utils
# The toolkit's source comes from the same archive as the packages.
DEB_SRC := /etc/apt/sources.list.d/ossarion-deb-src.sources

.PHONY: windows-deps windows-qt windows test-windows

windows-deps: deps
	@$(call install_missing,$(WINDOWS_PACKAGES))
	@if [ ! -f $(QT_WINDOWS)/ossarion-qt-complete ] && \
	    ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version: $(QT_WINDOWS_VERSION)+'; then \
	    echo "Adding the archive's sources: $(DEB_SRC)"; \
	    printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm' \
	        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' | \
	        $(SUDO) tee $(DEB_SRC) >/dev/null && \
	    $(SUDO) apt-get -o DPkg::Lock::Timeout=900 update -qq; \
	fi

windows-qt: windows-deps
	windows/build-qt.sh $(QT_WINDOWS) $(QT_WINDOWS_VERSION)

windows: windows-qt configure
	cmake --build $(BUILD) --target ossarion_rasterise ossarion_render_icon
	cmake -S . -B $(WINDOWS_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(QT_WINDOWS)/lib/cmake/Qt6/qt.toolchain.cmake \
	    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/windows/mingw-w64-x86_64.cmake \
	    -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
	    -DOSSARION_HOST_RASTERISE=$(CURDIR)/$(BUILD)/tools/rasterise/ossarion_rasterise \
	    -DOSSARION_HOST_RENDER_ICON=$(CURDIR)/$(BUILD)/desktop/ossarion_render_icon \
	    -DOSSARION_DIST_DIR=$(CURDIR)/dist $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_BUILD) --target ossarion_zip

# The unit tests that need no window manager, then the program driven on a virtual display
# with a window manager; screenshots in $(WINDOWS_BUILD)/screenshots.
test-windows: windows
	cmake --build $(WINDOWS_BUILD)
	windows/test-under-wine.sh $(WINDOWS_BUILD)

clean:
	rm -rf $(BUILD)
