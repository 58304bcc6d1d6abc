# Two entry points for a fresh Debian 12 machine: `make run` and `make test`; `make package`
# makes the Debian package and `make install` installs under PREFIX.
BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= 2
PREFIX     ?= /usr/local

PACKAGES := build-essential cmake pkg-config libsdl2-dev libepoxy-dev libmpg123-dev \
            libsquish-dev libstb-dev libcairo2-dev libfreetype-dev libmp3lame-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core nlohmann-json3-dev \
            libx11-dev xvfb xauth xdotool x11-apps netpbm hunspell hunspell-en-gb dpkg-dev file \
            desktop-file-utils lintian appstream clang clang-tidy clang-format libclang-rt-dev

space := $(subst ,, )
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run check mutants test test-asan test-tsan lint format fuzz bench soak tour package install \
        clean

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

# The unit lane (in the test programs alone: no window, no game started) after an incremental
# build of what it needs: the quick check while working.
UNIT_TARGETS := platform_tests game_tests content_tests fuzz-replay-dds fuzz-replay-image \
                fuzz-replay-font fuzz-replay-mp3 fuzz-replay-dialogue fuzz-replay-recording
check:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	nice cmake --build $(BUILD) -j $(JOBS) --target $(UNIT_TARGETS)
	cd $(BUILD) && ctest -j $(JOBS) -L unit --output-on-failure

# Each mutation of tests/mutants/mutants.txt applied in turn to a scratch copy of the sources,
# rebuilt incrementally and run against the unit lane; at least MUTANTS_MIN percent of them must
# make a test fail. The lane leaves out the content generator's run twice over: no mutation
# touches the generator, and it takes minutes.
MUTANTS_BUILD ?= build-mutants
MUTANTS_MIN   ?= 90
MUTANTS_TESTS ?= -L unit -E 'AssetsFiles\.EveryNamedFileIsGenerated'
mutants: build
	TARGETS="$(UNIT_TARGETS)" JOBS=$(JOBS) \
	    tests/mutants/run.sh . $(MUTANTS_BUILD) $(BUILD) $(MUTANTS_MIN) $(MUTANTS_TESTS)

# The window tests need a display: without one, the tests run under a virtual X server.
XRUN := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1280x1024x24")

# The suite, then formatting and clang-tidy, the threaded tests under ThreadSanitizer and the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test: build
	cd $(BUILD) && $(XRUN) ctest --output-on-failure -j $(JOBS)
	$(MAKE) lint test-tsan test-asan

# The sanitizer builds reuse the release build's pictures and music instead of drawing them
# again with an instrumented generator. Every report (from a test or from a game it starts) is
# written to the build's sanitizer-reports/ folder and fails the run; a report's exit status
# (66) can never pass for the game's own "exit 1" on a damaged file.
SANITIZER_COMMON = halt_on_error=1:exitcode=66:log_path=$(abspath $(1))/sanitizer-reports/report
define sanitizer-check
	@reports=$$(ls $(1)/sanitizer-reports 2>/dev/null | wc -l); \
	echo "$(1): $$reports sanitizer reports"; \
	if [ "$$reports" != 0 ]; then cat $(1)/sanitizer-reports/*; exit 1; fi
endef

# The story's other seeded orders, and the end picture's menu and the attract mode, which play
# the same story again as the recorded route's test already does under the sanitizers, run in
# the release suite only.
SANITIZER_SKIPS := StoryOrders|AtTheEndPicture|TheAttractModesRoute

# The whole suite, the playthrough included, under AddressSanitizer and UndefinedBehaviorSanitizer.
# LeakSanitizer knows one leak that is not ours (tests/sanitizers/leaks.supp). Of the story's
# orders it plays one (the recorded one): the other seeded orders run in the release suite.
test-asan: build
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=address,undefined \
	    -DMARROWEN_PREBUILT_CONTENT=$(abspath $(BUILD))
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	rm -rf $(ASAN_BUILD)/sanitizer-reports && mkdir -p $(ASAN_BUILD)/sanitizer-reports
	cd $(ASAN_BUILD) && \
	    ASAN_OPTIONS=$(call SANITIZER_COMMON,$(ASAN_BUILD)):detect_leaks=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/leaks.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=$(call SANITIZER_COMMON,$(ASAN_BUILD)):print_stacktrace=1 \
	    $(XRUN) ctest --output-on-failure -j $(JOBS) -E '$(SANITIZER_SKIPS)'
	$(call sanitizer-check,$(ASAN_BUILD))

# Every test that starts threads, under ThreadSanitizer: the platform's (the snapshot
# hand-over, the music output, the window's render thread), the game's, the ways of ending the
# real game, and the story played through whole, by the bot and by the real game replaying it.
# The damaged-file corpus stays out: its games end while they load, before their threads start
# (the ASan run covers it); so do the saves along the story (loading them starts no thread of
# its own) and the story's other plays, one being played. The held shut-down's second signal
# stays out too: ThreadSanitizer holds a signal back until the thread it lands on leaves a call it
# does not know as blocking, and that shut-down is held in opening a pipe nobody reads.
TSAN_PROGRAMS := platform_tests game_tests reliability_tests playthrough_tests
test-tsan: build
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=thread \
	    -DMARROWEN_PREBUILT_CONTENT=$(abspath $(BUILD)) \
	    -DMARROWEN_TEST_PROGRAMS="$(subst $(space),;,$(TSAN_PROGRAMS))"
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target $(TSAN_PROGRAMS)
	rm -rf $(TSAN_BUILD)/sanitizer-reports && mkdir -p $(TSAN_BUILD)/sanitizer-reports
	cd $(TSAN_BUILD) && \
	    TSAN_OPTIONS=$(call SANITIZER_COMMON,$(TSAN_BUILD)):suppressions=$(CURDIR)/tests/sanitizers/races.supp \
	    $(XRUN) ctest --output-on-failure -j $(JOBS) \
	    -E '$(SANITIZER_SKIPS)|Corpus|SavedPlaythrough|ASecondSignalEndsAHeldShutdown'
	$(call sanitizer-check,$(TSAN_BUILD))

# The whole story played through, a screenshot at each milestone, into tour/.
tour: build
	cmake --build $(BUILD) -j $(JOBS) --target playthrough_tests
	$(BUILD)/playthrough_tests --tour tour --gtest_filter='PlaythroughTest.APlayerCanFinish*'

# marrowen_<version>_<arch>.deb in the build folder; `apt install ./build/marrowen_*.deb`.
package: build
	cd $(BUILD) && cpack -G DEB

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The window's tools run under one virtual X server: start-up beside the headless one, the
# CPU on the title and walking, drawing speed, and frames at scene changes (the whole story at
# its real pace, about four minutes).
bench: build
	cd $(BUILD) && ./marrowen-frames && ./marrowen-pacing && \
	    $(XRUN) sh -c './marrowen-startup && ./marrowen-power && ./marrowen-render && \
	        ./marrowen-scenes'

# Formatting and clang-tidy over our own code (.clang-tidy says which checks and why not others).
LINT_DIRS := src platform content geometry tests bench fuzz
lint: build
	find $(LINT_DIRS) -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run -Werror
	run-clang-tidy -quiet -j $(JOBS) -p $(BUILD) \
	    '$(CURDIR)/(src|platform|content|geometry|tests|bench|fuzz)/' > $(BUILD)/clang-tidy.log 2>&1 || \
	    { sed 's/\x1b\[[0-9;]*m//g' $(BUILD)/clang-tidy.log | grep -E -A3 'warning:|error:'; exit 1; }
	@echo "clang-format and clang-tidy: clean"

# Rewrites our sources in the project's format.
format:
	find $(LINT_DIRS) -name '*.cpp' -o -name '*.h' | xargs clang-format -i

# Each loader under libFuzzer (clang) for FUZZ_SECONDS seconds, from the kept inputs in
# fuzz/corpus/; what the fuzzers learn, and any input that crashes one, lands in
# $(FUZZ_BUILD)/found/.
FUZZ_SECONDS ?= 30
FUZZERS := dds image font mp3 dialogue recording
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DMARROWEN_FUZZ=ON -DMARROWEN_PREBUILT_CONTENT=$(abspath $(BUILD))
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz-,$(FUZZERS))
	fuzz/run.sh $(abspath $(FUZZ_BUILD)) $(FUZZ_SECONDS) $(FUZZERS)

# SOAK_MINUTES of seeded random keys and mouse against the real window under Xvfb.
SOAK_MINUTES ?= 5
soak: build
	bench/soak.sh $(BUILD)/marrowen $(SOAK_MINUTES)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
