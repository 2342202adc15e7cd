# The two commands of the quick start:
#   make play   installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs the whole test suite (also sanitized)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake g++ make pkg-config libsdl2-dev libx11-dev libpng-dev libgtest-dev libgmock-dev \
            libbenchmark-dev xvfb xauth xdotool imagemagick openbox x11-utils clang \
            libclang-rt-14-dev python3 jq
PREFIX ?= /usr/local
# The validators of the desktop entry, AppStream description and manual pages, and the tools
# that build the Debian package (dpkg-shlibdeps, file).
PACKAGING_DEPS := desktop-file-utils appstream man-db dpkg-dev file
PACKAGES += $(PACKAGING_DEPS)

.PHONY: deps build build-asan build-runners play test test-default test-asan fuzz clean format

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default -j $(JOBS)

build-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)

# The headless runner from the debug and clang++ builds too: the game must play the same in all.
build-runners: deps
	cmake --preset debug >/dev/null
	cmake --build --preset debug -j $(JOBS) --target kelmora-headless
	cmake --preset clang >/dev/null
	cmake --build --preset clang -j $(JOBS) --target kelmora-headless

play: build
	./build/default/kelmora

test-default: build build-runners
	ctest --preset default -j $(JOBS)

test-asan: build-asan build-runners
	ctest --preset asan -j $(JOBS)

test: build build-asan build-runners
	ctest --preset default -j $(JOBS)
	ctest --preset asan -j $(JOBS)
	JOBS=$(JOBS) tests/fuzz/run.sh 60

# The bitmap file readers under libFuzzer for FUZZ_SECONDS (built with clang++ by the fuzz preset).
FUZZ_SECONDS ?= 60
fuzz: deps
	JOBS=$(JOBS) tests/fuzz/run.sh $(FUZZ_SECONDS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build

.PHONY: install package

# The game, its desktop entry, icons, AppStream description and manual pages under PREFIX, staged
# under DESTDIR when given: make install PREFIX=/usr DESTDIR=/tmp/stage
install: build
	DESTDIR="$(DESTDIR)" cmake --install build/default --prefix "$(PREFIX)"

# The Debian package: build/default/kelmora_<version>_<arch>.deb
package: build
	cd build/default && cpack -G DEB
