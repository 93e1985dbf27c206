# Saldix: two commands for a newcomer, `make demo` and `make test`.
BUILD_DIR ?= build
GENERATOR ?= Ninja
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test demo screenshots clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G $(GENERATOR)

configure: $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: deps build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

demo: deps build
	@bash scripts/demo.sh $(BUILD_DIR)

# A PNG of every window, drawn offscreen on the demo data, under $(BUILD_DIR)/screenshots.
screenshots: deps build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen tests/test_ui --gtest_brief=1
	@ls -1 $(BUILD_DIR)/screenshots/*.png

clean:
	rm -rf $(BUILD_DIR)
