# Pantrivo: build, run, test and benchmark from the top of the repository.
#   make run    build and start the program
#   make test   build and run every test through CTest
#   make bench  build and run the benchmarks
#   make install  build and install under PREFIX (/usr/local), staged under DESTDIR when set
#   make package  build the Debian package build/pantrivo_<version>_<arch>.deb
#   make check-layers  check the includes against the layers and compile each header alone
#   make test-sanitize  build with AddressSanitizer and UndefinedBehaviorSanitizer and run every test
#   make fuzz   build the fuzz targets with clang and run each FUZZ_RUNS times (100000) or FUZZ_SECONDS (600)
#   make fuzz-ci  run each fuzz target over its corpus and a few seconds of new inputs
#   make clean  remove the build folders

# CI builds in a folder of its own, with warnings as errors: the everyday build/ keeps its
# flags, so neither a CI run after make nor make after a CI run recompiles everything.
ifeq ($(CI),true)
BUILD_DIR := build-ci
WARNINGS_AS_ERRORS := ON
else
BUILD_DIR := build
endif
ASAN_BUILD_DIR := build-asan
FUZZ_BUILD_DIR := build-fuzz
FUZZ_RUNS ?= 100000
# A target whose every run writes whole files stops after this many seconds all the same.
FUZZ_SECONDS ?= 600
# Seconds of new inputs a target gets in CI, after its corpus.
FUZZ_CI_SECONDS ?= 5
PREFIX ?= /usr/local

# The nested CMake-driven make need not announce every folder it enters.
MAKEFLAGS += --no-print-directory

JOBS := $(shell nproc 2>/dev/null || echo 2)

# Without WARNINGS_AS_ERRORS=ON or OFF the build folder keeps the setting it was configured
# with (warnings shown, at first): a change of compile flags recompiles every source.
CONFIGURE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifneq ($(WARNINGS_AS_ERRORS),)
CONFIGURE_FLAGS += -DPANTRIVO_WARNINGS_AS_ERRORS=$(WARNINGS_AS_ERRORS)
endif

# The sanitized build lives apart from the plain one. -O1 keeps it quick while its stack
# traces still name the right lines; warnings fail it, as they fail CI.
ASAN_CONFIGURE_FLAGS := -DCMAKE_BUILD_TYPE=Debug '-DCMAKE_CXX_FLAGS_DEBUG=-g -O1' \
	-DPANTRIVO_WARNINGS_AS_ERRORS=ON -DPANTRIVO_SANITIZE=ON -DPANTRIVO_BUILD_BENCH=OFF
# Any report ends the process with an error, so the test fails; leaks are reported at exit.
# The build needs them too: it runs the sanitized picture painter.
SANITIZER_ENV := \
	ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# The fuzz targets and the readers' libraries, built by clang with libFuzzer's
# instrumentation and the sanitizers; -O1 keeps the build short and the runs quick.
FUZZ_CONFIGURE_FLAGS := -DPANTRIVO_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug '-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only'

.PHONY: all setup configure configure-bench build run test test-sanitize check-layers bench fuzz-build fuzz fuzz-ci install package clean

all: build

setup:
	@bash scripts/setup.sh

configure: setup
	@bash scripts/configure.sh $(BUILD_DIR) $(CONFIGURE_FLAGS) -DPANTRIVO_BUILD_BENCH=OFF

configure-bench:
	@bash scripts/setup.sh --bench
	@bash scripts/configure.sh $(BUILD_DIR) $(CONFIGURE_FLAGS) -DPANTRIVO_BUILD_BENCH=ON

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# Without a display server the program runs on a virtual X display.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display found: starting Pantrivo under xvfb-run."; \
		xvfb-run -a $(BUILD_DIR)/bin/pantrivo; \
	else \
		$(BUILD_DIR)/bin/pantrivo; \
	fi

# The unit programs (label quick) first, so their failures show at once; then the rest, the
# slower script, install and package checks.
CTEST_IN_ORDER := ctest --output-on-failure -j$(JOBS) -L quick && ctest --output-on-failure -j$(JOBS) -LE quick

test: build
	cd $(BUILD_DIR) && export QT_QPA_PLATFORM=offscreen && $(CTEST_IN_ORDER)

check-layers: setup
	@bash scripts/check_layers.sh

test-sanitize: setup
	@bash scripts/configure.sh $(ASAN_BUILD_DIR) $(ASAN_CONFIGURE_FLAGS)
	export $(SANITIZER_ENV) && cmake --build $(ASAN_BUILD_DIR) -j$(JOBS)
	cd $(ASAN_BUILD_DIR) && export QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) && $(CTEST_IN_ORDER)

bench: configure-bench
	cmake --build $(BUILD_DIR) -j$(JOBS)
	$(BUILD_DIR)/bench/pantrivo_bench

fuzz-build:
	@bash scripts/setup.sh --fuzz
	@CC=clang CXX=clang++ bash scripts/configure.sh $(FUZZ_BUILD_DIR) $(FUZZ_CONFIGURE_FLAGS)
	cmake --build $(FUZZ_BUILD_DIR) -j$(JOBS)

fuzz: fuzz-build
	bash scripts/fuzz.sh $(FUZZ_BUILD_DIR) -runs=$(FUZZ_RUNS) -max_total_time=$(FUZZ_SECONDS)

fuzz-ci: fuzz-build
	bash scripts/fuzz.sh $(FUZZ_BUILD_DIR) -max_total_time=$(FUZZ_CI_SECONDS)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) $(FUZZ_BUILD_DIR)
