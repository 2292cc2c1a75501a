# The two commands of the README: `make run` builds and starts the program alone, `make test`
# builds everything and runs every test. Both install the missing Debian packages first
# (scripts/install-deps: the program's own for `make run`, with --tests also the test tools).

BUILD ?= build
JOBS  ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps test-deps configure build run test install package stress bench fuzz asan clean format

all: build

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --tests

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The database file lives in the working directory: `make run` uses ./listy.sdb here.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target listy
	./$(BUILD)/src/listy

test: test-deps build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Installs the program, its launcher, desktop entry, icons, metainfo, manual page and guide
# under CMake's install prefix (/usr/local unless PREFIX is given); DESTDIR is honoured:
#   make install PREFIX=$$HOME/.local      make install DESTDIR=/tmp/stage PREFIX=/usr
PREFIX ?=
install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# A Debian package (listy_<version>_<arch>.deb in build-package/) from a Release build of
# its own, without the tests: install it with `apt install ./build-package/listy_*.deb`.
package: deps
	cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DLISTY_TESTS=OFF -DLISTY_BENCH=OFF
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack -G DEB
	@ls -1 build-package/listy_*.deb

# Kills a process writing the database at random moments, 50 times per write path, and
# checks the file after each kill (a short version runs in `make test`).
stress: build
	./$(BUILD)/stress/stress_writes --trials 50

bench: test-deps configure
	cmake --build $(BUILD) -j $(JOBS) --target benches
	@for b in $(BUILD)/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; done

# Tests under AddressSanitizer and UndefinedBehaviorSanitizer, in a build folder of their own.
asan:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DLISTY_SANITIZE=ON -DLISTY_BENCH=OFF"

# libFuzzer targets (clang); not part of `make test`. Run one with, e.g.,
#   build-fuzz/fuzz/fuzz_param_scan -max_total_time=600
fuzz: test-deps
	cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-package
