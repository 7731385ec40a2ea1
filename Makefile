# SPDX-License-Identifier: GPL-3.0-or-later
# make run    - install what is missing, build, start the program
# make test   - install what is missing, build, run every test headless
BUILD ?= build
GENERATOR := Ninja
PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation \
            xvfb xauth openbox wmctrl desktop-file-utils appstream dpkg-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test screenshots contact-sheet clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

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

# Every screen as the program shows it, framed by a window manager on a virtual display,
# and the contact sheet of the drawings.
screenshots: build contact-sheet
	xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'openbox & sleep 1; ./$(BUILD)/tools/ossarion_screenshots $(BUILD)/screenshots'

# Every drawing at 1:1 and 2:1 with its name, in one picture.
contact-sheet: build
	./$(BUILD)/tools/ossarion_contactsheet $(BUILD)/screenshots/contact-sheet.png

clean:
	rm -rf $(BUILD)
