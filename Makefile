# Two entry points for a fresh Debian 12 machine: `make run` and `make test`; `make package`
# makes the Debian package and `make install` installs under PREFIX.
BUILD      ?= build
TSAN_BUILD ?= build-tsan
JOBS       ?= 2
PREFIX     ?= /usr/local

PACKAGES := build-essential cmake pkg-config libsdl2-dev libepoxy-dev libmpg123-dev \
            libsquish-dev libstb-dev libcairo2-dev libfreetype-dev libmp3lame-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core nlohmann-json3-dev \
            libx11-dev xvfb xauth xdotool x11-apps netpbm hunspell hunspell-en-us dpkg-dev file \
            desktop-file-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run test test-tsan bench tour package install clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "No display: run it as 'xvfb-run -s \"-screen 0 1280x1024x24\" make run', or headless as '$(BUILD)/marrowen --headless --frames 1000 --screenshot shot.png'."; \
	    exit 1; \
	fi
	cd $(BUILD) && ./marrowen

# The window tests need a display: without one, the tests run under a virtual X server.
XRUN := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1280x1024x24")

test: build
	cd $(BUILD) && $(XRUN) ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-tsan

# The threaded parts again under ThreadSanitizer.
test-tsan: build
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=thread \
	    -DMARROWEN_PREBUILT_CONTENT=$(abspath $(BUILD))
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target game_tests
	cd $(TSAN_BUILD) && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -j $(JOBS) -L game_tests

# The whole story played through, a screenshot at each milestone, into tour/.
tour: build
	cmake --build $(BUILD) -j $(JOBS) --target playthrough_tests
	$(BUILD)/playthrough_tests --tour tour

# marrowen_<version>_<arch>.deb in the build folder; `apt install ./build/marrowen_*.deb`.
package: build
	cd $(BUILD) && cpack -G DEB

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

bench: build
	cd $(BUILD) && ./marrowen-startup && ./marrowen-frames && ./marrowen-pacing && \
	    $(XRUN) ./marrowen-render

clean:
	rm -rf $(BUILD) $(TSAN_BUILD)
