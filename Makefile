# The two commands that do everything: `make run` and `make test`.
BUILD ?= build
# x86_64 by default, the program that runs on every machine here: see the README.
ARCH ?= x86_64
# `make test` and `make dist` also build the 32-bit program (and its tests) in a folder of its own.
BUILD32 ?= build-i686
JOBS ?= 2
# The tests' prefix, with the extra drives of the drive list tests; `make run` uses a prefix of its
# own that shows the machine's drives.
export WINEPREFIX := $(abspath $(BUILD))/wineprefix
RUN_PREFIX := $(abspath $(BUILD))/run-wineprefix
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

.PHONY: all deps configure build build32 prefix run-prefix test dist run run-controls screenshots bench clean

all: build

deps:
	@TOOLCHAIN_PREFIX=$(ARCH)-w64-mingw32 scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-$(ARCH).cmake \
		-DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS) -- --no-print-directory

build32:
	@$(MAKE) --no-print-directory ARCH=i686 BUILD=$(BUILD32) build

prefix: build
	@scripts/wine-prefix.sh --tests

run-prefix: build
	@WINEPREFIX=$(RUN_PREFIX) scripts/wine-prefix.sh

# Every test against the x86_64 build, then against the 32-bit build where this machine can start
# 32-bit programs (scripts/test-32bit.sh says so when it cannot), even when the first run failed.
test: prefix build32 dist
	@status=0; \
	scripts/with-display.sh ctest --test-dir $(BUILD) --output-on-failure $(CTEST_ARGS) || status=1; \
	scripts/test-32bit.sh $(BUILD32) $(CTEST_ARGS) || status=1; \
	exit $$status

dist: build build32
	@scripts/dist.sh $(BUILD) $(BUILD32)

# The program's windows need a screen someone looks at: without DISPLAY there is none to open on.
run: needs-display run-prefix
	@WINEPREFIX=$(RUN_PREFIX) scripts/wine $(BUILD)/app/tessellor.exe

run-controls: needs-display run-prefix
	@WINEPREFIX=$(RUN_PREFIX) scripts/wine $(BUILD)/app/tessellor-controls.exe

.PHONY: needs-display
needs-display:
	@if [ -z "$$DISPLAY" ]; then \
	  echo "make run: DISPLAY is not set, so there is no screen to show the window on." >&2; \
	  echo "Run it from a desktop session (or over ssh -X); make test and make screenshots need none." >&2; \
	  exit 1; \
	fi

screenshots: prefix
	@scripts/with-display.sh scripts/screenshots.sh $(BUILD)

bench: prefix
	@scripts/with-display.sh scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD32)
