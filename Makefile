# make run: build and start Kelvane. make test: build and run every test.
# Both install the Debian packages they need when any is missing.

DEB_PACKAGES := cmake ninja-build g++ make qt6-base-dev libgtest-dev \
                clang lld libclang-rt-14-dev clang-format \
                dpkg-dev desktop-file-utils appstream lintian libbenchmark-dev nlohmann-json3-dev libx11-dev libxcb1-dev \
                xvfb openbox x11-utils xdotool fonts-liberation \
                fonts-dejavu-core fonts-wqy-microhei fonts-vlgothic \
                weston qt6-wayland dbus at-spi2-core python3-pyatspi \
                orca speech-dispatcher speech-dispatcher-espeak-ng \
                qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
                poppler-utils
FUZZ_SECONDS ?= 300
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps build run test sanitized fuzzed check fuzz package bench screenshot clean

deps:
	@installed=$$(dpkg-query -W -f='$${Package} $${db:Status-Abbrev}\n' $(DEB_PACKAGES) 2>/dev/null | awk '$$2 == "ii" {print $$1}'); \
	missing=$$(for p in $(DEB_PACKAGES); do echo "$$installed" | grep -qx "$$p" || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing Debian packages:" $$missing; \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	cmake --build --preset default --target xshot
	scripts/run.sh build

# The suite as built for use, by GCC as Debian builds its packages, the
# sanitizer run (clang's AddressSanitizer and UndefinedBehaviorSanitizer) and
# a short run of each fuzz harness: both compilers on every run. The
# sanitizer build, which also holds the fuzz harnesses, is compiled at the
# lowest priority while the suite runs, so that it takes only what the suite
# leaves of the CPU; what is left of it when the suite is done is compiled at
# the usual priority, where other work on a busy machine cannot starve it (its
# messages are shown then). Then the sanitizer run and the fuzz harnesses go
# side by side, each output shown whole. The harnesses run for their short default,
# whatever make fuzz left in the sanitizer build's cache.
test: deps
	cmake --preset default >/dev/null & cmake --preset asan -UKELVANE_FUZZ_SECONDS >/dev/null && wait $$!
	cmake --build --preset default
	@setsid -w nice -n 19 cmake --build --preset asan >/dev/null 2>&1 & niced=$$!; \
	ctest --preset default; suite=$$?; \
	kill -TERM -- -$$niced 2>/dev/null; wait $$niced; \
	cmake --build --preset asan && exit $$suite
	$(MAKE) --no-print-directory -j2 --output-sync=target sanitized fuzzed

sanitized:
	ctest --preset asan

fuzzed:
	ctest --preset fuzz

# The loop after each edit: the engine and the offscreen window tests in
# English and German, built incrementally.
check: deps
	@[ -f build/build.ninja ] || cmake --preset default
	cmake --build --preset check
	ctest --preset check

# Start-up, memory and interaction times beside a bare Qt window.
bench: build
	cmake --build --preset default --target benchmarks
	bench/run.sh build

# The README's pictures, in English and each translation, as the real-X tests save them.
screenshot: build
	ctest --preset default -R '^x11_(decoding_openbox|language_.*)$$'
	cp build/screenshot.png docs/kelvane.png
	for shot in build/screenshot_*.png; do cp $$shot docs/kelvane_$${shot#build/screenshot_}; done

# A Debian package in build/.
package: build
	cd build && cpack

fuzz: deps
	cmake --preset asan -DKELVANE_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build --preset asan --target fuzz_harnesses
	ctest --preset fuzz

clean:
	rm -rf build build-asan
