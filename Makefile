# The two commands that do everything: `make run` and `make test`.
# x86_64 by default, the program that runs on every machine here: see the README. Each architecture
# has a build folder of its own, which BUILD names and which follows ARCH unless it is given.
ARCH ?= x86_64
BUILD64 ?= build
BUILD32 ?= build-i686
ifeq ($(ARCH),x86_64)
BUILD ?= $(BUILD64)
unexport WINEARCH
else ifeq ($(ARCH),i686)
BUILD ?= $(BUILD32)
# The 32-bit programs run under 32-bit Wine, in a 32-bit prefix.
export WINEARCH := win32
else
$(error ARCH is x86_64 or i686, not "$(ARCH)")
endif
TOOLCHAIN := $(CURDIR)/cmake/mingw-$(ARCH).cmake
JOBS ?= 2
# The tests' prefix, with the extra drives of the drive list tests; `make run` uses a prefix of its
# own that shows the machine's drives.
export WINEPREFIX := $(abspath $(BUILD))/wineprefix
RUN_PREFIX := $(abspath $(BUILD))/run-wineprefix
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

.PHONY: all build-deps run-deps test-deps configure build build32 program controls-program prefix \
	run-prefix check test dist run run-controls screenshots bench clean

all: build

# What building needs; what running the programs needs; what the tests need besides.
build-deps:
	@TOOLCHAIN_PREFIX=$(ARCH)-w64-mingw32 scripts/install-deps.sh build

run-deps:
	@scripts/install-deps.sh run
	@if [ "$(ARCH)" = i686 ]; then scripts/install-deps.sh wine32; fi

test-deps: run-deps
	@scripts/install-deps.sh test

# A build folder keeps the toolchain it was first configured with, whatever is asked later: one
# configured for the other architecture is refused rather than silently reused.
configure: build-deps
	@made=$$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' $(BUILD)/CMakeCache.txt 2>/dev/null); \
	if [ -n "$$made" ] && [ "$$made" != "$(TOOLCHAIN)" ]; then \
	  echo "$(BUILD) was configured with $$made, not $(TOOLCHAIN) (ARCH=$(ARCH)):" >&2; \
	  echo "give ARCH its own folder (BUILD=...) or remove $(BUILD)." >&2; \
	  exit 1; \
	fi
	@cmake --log-level=WARNING -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN)

build: configure
	@cmake --build $(BUILD) -j$(JOBS) -- --no-print-directory

build32:
	@$(MAKE) --no-print-directory ARCH=i686 BUILD=$(BUILD32) build

# The programs that `make run` and `make run-controls` start, without the tests.
program: configure
	@cmake --build $(BUILD) -j$(JOBS) --target tessellor -- --no-print-directory

controls-program: configure
	@cmake --build $(BUILD) -j$(JOBS) --target tessellor-controls -- --no-print-directory

prefix: test-deps build
	@scripts/wine-prefix.sh --tests

run-prefix: run-deps
	@WINEPREFIX=$(RUN_PREFIX) scripts/wine-prefix.sh

# The tests of one build (ctest makes their prefix first); its JUnit log stays in the build folder.
check: test-deps build
	@scripts/with-display.sh ctest --test-dir $(BUILD) --output-on-failure \
		--output-junit $(abspath $(BUILD))/test-results.xml $(CTEST_ARGS)

# Every test against the x86_64 build, then against the 32-bit build where this machine can start
# 32-bit programs (scripts/test-32bit.sh says so when it cannot), even when the first run failed.
# Both builds whatever ARCH says; making the release zip checks it too.
test: dist
	@status=0; \
	$(MAKE) --no-print-directory ARCH=x86_64 BUILD=$(BUILD64) check || status=1; \
	scripts/test-32bit.sh $(BUILD32) --output-junit $(abspath $(BUILD32))/test-results.xml $(CTEST_ARGS) \
		|| status=1; \
	exit $$status

# The release zip, from both builds, checked as it is made.
dist:
	@$(MAKE) --no-print-directory ARCH=x86_64 BUILD=$(BUILD64) build
	@$(MAKE) --no-print-directory build32
	@scripts/dist.sh $(BUILD64) $(BUILD32)

# The program's windows need a screen someone looks at: without DISPLAY there is none to open on.
run: needs-display program run-prefix
	@WINEPREFIX=$(RUN_PREFIX) scripts/wine $(BUILD)/app/tessellor.exe

run-controls: needs-display controls-program run-prefix
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
	rm -rf $(sort $(BUILD) $(BUILD64) $(BUILD32))
