# The two commands of the quick start:
#   make play   installs what the game needs, builds the game alone and starts it
#   make test   installs what is missing, builds and runs the whole test suite (also sanitized)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# What the game needs to be built and run.
GAME_PACKAGES := cmake g++ make pkg-config libsdl2-dev libx11-dev
# What the game in a web page needs to be built (and its tests, to run in a real browser).
WEB_PACKAGES := cmake g++ make emscripten nodejs python3
WEB_TEST_PACKAGES := chromium chromium-driver python3-selenium
# What the tests, benchmarks, tools and CI checks need besides.
TEST_PACKAGES := libpng-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool \
                 openbox x11-utils imagemagick clang libclang-rt-14-dev clang-format python3 jq
PREFIX ?= /usr/local
# The validators of the desktop entry, AppStream description and manual pages, and the tools
# that build the Debian package (dpkg-shlibdeps, file).
PACKAGING_DEPS := desktop-file-utils appstream man-db dpkg-dev file
PACKAGES := $(GAME_PACKAGES) $(TEST_PACKAGES) $(PACKAGING_DEPS) $(WEB_PACKAGES) $(WEB_TEST_PACKAGES)
# ON makes every compiler warning an error (CI builds so: KELMORA_WERROR=ON make test).
KELMORA_WERROR ?= OFF
CONFIGURE_FLAGS := -DKELMORA_WERROR=$(KELMORA_WERROR)

.PHONY: deps game-deps web-deps web web-play build build-game build-asan build-runners build-tsan play test test-default test-asan test-plain-paths test-threads \
        fuzz clean format

# Installs whichever of the packages $(1) are missing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

game-deps:
	$(call install_missing,$(GAME_PACKAGES))

web-deps:
	$(call install_missing,$(WEB_PACKAGES))

# The game in a web page: build/web/ holds index.html, kelmora.js and kelmora.wasm. The artwork is
# drawn by the native generator and embedded as in the native programs. Debian's Emscripten finds
# its Node.js modules only through NODE_PATH when another Node.js comes first on the PATH.
WEB_ENV := NODE_PATH=/usr/share/nodejs
ARTGEN_SOURCES := $(filter-out resources/artgen/contact_sheet.cpp,$(wildcard resources/artgen/*.cpp))
build/web-artwork/embedded_bitmaps.cpp: $(ARTGEN_SOURCES) $(wildcard resources/artgen/*.h resources/*.h) | web-deps
	mkdir -p build/web-artwork
	g++ -std=c++20 -O2 -I. -Iresources $(ARTGEN_SOURCES) -o build/web-artwork/kelmora-artgen
	build/web-artwork/kelmora-artgen build/web-artwork

web: web-deps build/web-artwork/embedded_bitmaps.cpp
	$(WEB_ENV) emcmake cmake -S tools/web -B build/web-objects -DCMAKE_BUILD_TYPE=Release \
	  -DKELMORA_ARTWORK=$(CURDIR)/build/web-artwork/embedded_bitmaps.cpp \
	  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=$(CURDIR)/build/web $(CONFIGURE_FLAGS) >/dev/null
	$(WEB_ENV) cmake --build build/web-objects -j $(JOBS)

# Serves build/web on the loopback address (WEB_PORT, 8640 unless given).
WEB_PORT ?= 8640
web-play: web
	@echo "Kelmora in the browser: http://127.0.0.1:$(WEB_PORT)/"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build/web

build: deps
	cmake --preset default -DBUILD_TESTING=ON $(CONFIGURE_FLAGS) >/dev/null
	cmake --build --preset default -j $(JOBS)

# The game alone, configured without the tests and benchmarks (nor the packages they need).
build-game: game-deps
	cmake --preset default -DBUILD_TESTING=OFF $(CONFIGURE_FLAGS) >/dev/null
	cmake --build --preset default -j $(JOBS) --target kelmora

build-asan: deps
	cmake --preset asan $(CONFIGURE_FLAGS) >/dev/null
	cmake --build --preset asan -j $(JOBS)

# The headless runner from the debug and clang++ builds too: the game must play the same in all.
# The debug build has no processor-specific paths (KELMORA_PROCESSOR_PATHS off): its runner and
# the tests of the quick paths show that the plain side gives the same game on this machine too.
build-runners: deps
	cmake --preset debug $(CONFIGURE_FLAGS) >/dev/null
	cmake --build --preset debug -j $(JOBS) --target kelmora-headless kelmora-tests kelmora-sdl-tests
	cmake --preset clang $(CONFIGURE_FLAGS) >/dev/null
	cmake --build --preset clang -j $(JOBS) --target kelmora-headless

play: build-game
	./build/default/kelmora

# The tests of the quick paths, of what they compute and the golden sessions, in the debug
# build's plain paths.
PLAIN_PATH_TESTS := FastPaths|ProcessorPaths|SdlPresent|Explosions|Trails|Collisions|Sprites|Pixels|^golden_

test-plain-paths: build-runners
	ctest --preset debug -j $(JOBS) -R '$(PLAIN_PATH_TESTS)'

test-default: build build-runners web
	ctest --preset default -j $(JOBS)
	ctest --preset debug -j $(JOBS) -R '$(PLAIN_PATH_TESTS)'

test-asan: build-asan build-runners
	ctest --preset asan -j $(JOBS)

# The game built with ThreadSanitizer and played in the checks that run all its threads.
build-tsan: deps
	cmake --preset tsan $(CONFIGURE_FLAGS) >/dev/null
	cmake --build --preset tsan -j $(JOBS)

THREADS_CHECK := bash tests/e2e/threads.sh build/tsan/kelmora build/default/kelmora-headless

test-threads: build build-tsan
	$(THREADS_CHECK)

test: build build-asan build-runners build-tsan web
	ctest --preset default -j $(JOBS)
	ctest --preset asan -j $(JOBS)
	ctest --preset debug -j $(JOBS) -R '$(PLAIN_PATH_TESTS)'
	$(THREADS_CHECK)
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
