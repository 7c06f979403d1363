# make run: build and start Kelvane. make test: build and run every test.
# Both install the Debian packages they need when any is missing.

DEB_PACKAGES := cmake ninja-build g++ make qt6-base-dev libgtest-dev \
                clang libclang-rt-14-dev clang-format \
                dpkg-dev desktop-file-utils appstream lintian libbenchmark-dev libx11-dev libxcb1-dev \
                xvfb openbox x11-utils xdotool fonts-liberation \
                fonts-dejavu-core fonts-wqy-microhei fonts-vlgothic \
                weston qt6-wayland dbus at-spi2-core python3-pyatspi \
                orca speech-dispatcher speech-dispatcher-espeak-ng \
                qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
FUZZ_SECONDS ?= 300
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps build run test fuzz package bench screenshot clean

deps:
	@missing=$$(for p in $(DEB_PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing Debian packages:" $$missing; \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	scripts/run.sh build

# The suite as built for use, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short run of each fuzz harness.
test: build
	ctest --preset default
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan
	cmake --preset fuzz -DKELVANE_FUZZ_SECONDS=10
	cmake --build --preset fuzz
	ctest --preset fuzz

# Start-up, memory and interaction times beside a bare Qt window.
bench: build
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
	cmake --preset fuzz -DKELVANE_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build --preset fuzz
	ctest --preset fuzz

clean:
	rm -rf build build-asan build-fuzz
