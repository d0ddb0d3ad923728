# The two commands that do everything: `make run` and `make test`.
BUILD ?= build
# x86_64 by default: see the README on why; ARCH=i686 builds the 32-bit program.
ARCH ?= x86_64
JOBS ?= 2
export WINEPREFIX := $(abspath $(BUILD))/wineprefix
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

.PHONY: all deps configure build prefix test run run-controls screenshots bench clean

all: build

deps:
	@TOOLCHAIN_PREFIX=$(ARCH)-w64-mingw32 scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-$(ARCH).cmake >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS) -- --no-print-directory

prefix: build
	@scripts/wine-prefix.sh

test: prefix
	@scripts/with-display.sh ctest --test-dir $(BUILD) --output-on-failure $(CTEST_ARGS)

run: prefix
	@scripts/with-display.sh scripts/wine $(BUILD)/app/tessellor.exe

run-controls: prefix
	@scripts/with-display.sh scripts/wine $(BUILD)/app/tessellor-controls.exe

screenshots: prefix
	@scripts/with-display.sh scripts/screenshots.sh $(BUILD)

bench: prefix
	@scripts/with-display.sh scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
