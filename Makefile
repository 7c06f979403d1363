# make run: build and start Kelvane. make test: build and run every test.
# Both install the Debian packages they need when any is missing.

DEB_PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev libgtest-dev \
                xvfb xauth openbox x11-utils xdotool fonts-liberation
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps build run test clean

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

test: build
	ctest --preset default

clean:
	rm -rf build
