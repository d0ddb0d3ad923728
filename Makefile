# The two commands that do everything: `make run` and `make test`.
# x86_64 by default, the program that runs on every machine here: see the README. Each architecture
# has a build folder of its own, which BUILD names and which follows ARCH unless it is given.
# No recipe calls make again, so `make -n` shows what would be done and does nothing.
ARCH ?= x86_64
BUILD64 ?= build
BUILD32 ?= build-i686
ifeq ($(ARCH),x86_64)
BUILD ?= $(BUILD64)
unexport WINEARCH
else ifeq ($(ARCH),i686)
BUILD ?= $(BUILD32)
# The 32-bit programs run under 32-bit Wine, in a 32-bit prefix. 32-bit Wine starts only where the
# machine starts 32-bit programs: elsewhere the goals that start programs refuse in one line,
# before anything is installed.
export WINEARCH := win32
ifneq ($(filter run run-controls check prefix screenshots bench,$(MAKECMDGOALS)),)
cannot_start_32bit := $(shell scripts/can-start-32bit.sh)
ifneq ($(cannot_start_32bit),)
$(error ARCH=i686: this machine cannot start 32-bit programs, so 32-bit Wine cannot run here: $(cannot_start_32bit))
endif
endif
else
$(error ARCH is x86_64 or i686, not "$(ARCH)")
endif
# How many compilers scripts/build.sh runs at once.
export JOBS ?= 2
# The tests' prefix, with the extra drives of the drive list tests; `make run` uses a prefix of its
# own that shows the machine's drives.
export WINEPREFIX := $(abspath $(BUILD))/wineprefix
RUN_PREFIX := $(abspath $(BUILD))/run-wineprefix
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree,mshtml=

.PHONY: all program-deps build-deps run-deps screenshot-deps test-deps build build32 program \
	controls-program prefix run-prefix check test dist run run-controls needs-display screenshots bench clean

all: build

# What building the programs needs; building the tests too; running the programs; taking the
# screenshots; the tests besides.
program-deps:
	@scripts/install-deps.sh program

build-deps:
	@scripts/install-deps.sh build

run-deps:
	@scripts/install-deps.sh run
	@if [ "$(ARCH)" = i686 ]; then scripts/install-deps.sh wine32; fi

screenshot-deps: run-deps build-deps
	@scripts/install-deps.sh screenshots

test-deps: run-deps build-deps
	@scripts/install-deps.sh test

# Everything of one architecture, the tests too; the 32-bit build whatever ARCH says.
build: build-deps
	@scripts/build.sh $(BUILD) $(ARCH) all

build32: build-deps
	@scripts/build.sh $(BUILD32) i686 all

# The programs that `make run` and `make run-controls` start, without the tests (a folder made here
# is configured without them, so GoogleTest is not needed), and the sample images.
program: program-deps
	@scripts/build.sh $(BUILD) $(ARCH) program tessellor sample_images

controls-program: program-deps
	@scripts/build.sh $(BUILD) $(ARCH) program tessellor-controls

prefix: test-deps build
	@scripts/wine-prefix.sh --tests

run-prefix: run-deps
	@WINEPREFIX=$(RUN_PREFIX) scripts/wine-prefix.sh

# $(call ctest,FOLDER): the tests of one build (ctest makes their prefix first); its JUnit log stays
# in the build folder.
ctest = scripts/with-display.sh ctest --test-dir $(1) --output-on-failure \
	--output-junit $(abspath $(1))/test-results.xml $(CTEST_ARGS)

check: test-deps build
	@$(call ctest,$(BUILD))

# Every test against the x86_64 build, then against the 32-bit build where this machine can start
# 32-bit programs (scripts/test-32bit.sh says so when it cannot), even when the first run failed.
# Both builds whatever ARCH says; making the release zip checks it too.
test: build-deps dist
	@scripts/install-deps.sh test
	@scripts/build.sh $(BUILD64) x86_64 all
	@scripts/build.sh $(BUILD32) i686 all
	@status=0; \
	env -u WINEARCH WINEPREFIX=$(abspath $(BUILD64))/wineprefix $(call ctest,$(BUILD64)) || status=1; \
	scripts/test-32bit.sh $(BUILD32) --output-junit $(abspath $(BUILD32))/test-results.xml $(CTEST_ARGS) \
		|| status=1; \
	exit $$status

# The release zip, from the two programs of the two builds alone, checked as it is made.
dist: program-deps
	@scripts/build.sh $(BUILD64) x86_64 program tessellor
	@scripts/build.sh $(BUILD32) i686 program tessellor
	@scripts/dist.sh $(BUILD64) $(BUILD32)

# The program starts among the sample images the first time; then where its settings say. The
# program's windows need a screen someone looks at: without DISPLAY there is none to open on.
run: needs-display run-deps program run-prefix
	@cd $(BUILD)/samples && WINEPREFIX=$(RUN_PREFIX) $(CURDIR)/scripts/wine $(abspath $(BUILD))/app/tessellor.exe

run-controls: needs-display run-deps controls-program run-prefix
	@WINEPREFIX=$(RUN_PREFIX) scripts/wine $(BUILD)/app/tessellor-controls.exe

needs-display:
	@if [ -z "$$DISPLAY" ]; then \
	  echo "make run: DISPLAY is not set, so there is no screen to show the window on." >&2; \
	  echo "Run it from a desktop session (or over ssh -X); make test and make screenshots need none." >&2; \
	  exit 1; \
	fi

# The windows as pictures, from the programs and the dialog helper alone, in the tests' prefix.
screenshots: screenshot-deps
	@scripts/build.sh $(BUILD) $(ARCH) all tessellor tessellor-controls show_dialog sample_images
	@scripts/wine-prefix.sh --tests
	@scripts/with-display.sh scripts/screenshots.sh $(BUILD)

bench: prefix
	@scripts/with-display.sh scripts/bench.sh $(BUILD)

clean:
	rm -rf $(sort $(BUILD) $(BUILD64) $(BUILD32))
