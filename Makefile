# Pantrivo: build, run, test and benchmark from the top of the repository.
#   make run    build and start the program
#   make test   build and run every test through CTest
#   make bench  build and run the benchmarks
#   make install  build and install under PREFIX (/usr/local), staged under DESTDIR when set
#   make clean  remove the build folder

BUILD_DIR := build
PREFIX ?= /usr/local

# The nested CMake-driven make need not announce every folder it enters.
MAKEFLAGS += --no-print-directory

JOBS := $(shell nproc 2>/dev/null || echo 2)

CONFIGURE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(CI),true)
CONFIGURE_FLAGS += -DPANTRIVO_WARNINGS_AS_ERRORS=ON
else
CONFIGURE_FLAGS += -DPANTRIVO_WARNINGS_AS_ERRORS=OFF
endif

.PHONY: all setup configure configure-bench build run test bench install clean

all: build

setup:
	@bash scripts/setup.sh

configure: setup
	@bash scripts/configure.sh $(BUILD_DIR) $(CONFIGURE_FLAGS) -DPANTRIVO_BUILD_BENCH=OFF

configure-bench: setup
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

test: build
	cd $(BUILD_DIR) && export QT_QPA_PLATFORM=offscreen && ctest --output-on-failure -j$(JOBS)

bench: configure-bench
	cmake --build $(BUILD_DIR) -j$(JOBS)
	$(BUILD_DIR)/bench/pantrivo_bench

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

clean:
	rm -rf $(BUILD_DIR)
