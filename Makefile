# Saldix: two commands for a newcomer, `make demo` and `make test`.
BUILD_DIR ?= build
GENERATOR ?= Ninja
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test demo screenshots threads crashtest clean

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

# A real export killed at many instants of its run; after each kill and the next start,
# settlement, marking and files exist together or not at all. make test runs 40 instants.
KILL_PUNKTE ?= 400
crashtest: deps build
	KILL_PUNKTE=$(KILL_PUNKTE) $(BUILD_DIR)/tests/test_processes \
	  --gtest_filter='ExactlyOnce.ARunKilled*' --gtest_brief=1

# The tests of the code that runs on two threads (reading ahead, marking beside the file),
# built with ThreadSanitizer in a build directory of their own.
TSAN_DIR ?= $(BUILD_DIR)-tsan
threads: deps
	cmake -S . -B $(TSAN_DIR) -G $(GENERATOR) -DCMAKE_CXX_FLAGS=-fsanitize=thread \
	  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
	cmake --build $(TSAN_DIR) -j $(JOBS) --target test_data test_tools
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_DIR)/tests/test_data \
	  --gtest_filter='BookingRead*:BelegVorrat*:SaldixDataModule.*' --gtest_brief=1
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_DIR)/tests/test_tools \
	  --gtest_filter='BatchExport.*' --gtest_brief=1

clean:
	rm -rf $(BUILD_DIR) $(TSAN_DIR)
