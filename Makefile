# Saldix: two commands for a newcomer, `make demo` and `make test`.
BUILD_DIR ?= build
GENERATOR ?= Ninja
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test demo screenshots threads crashtest layers sanitize odr clean

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

# No include pointing up a layer, no Qt header outside src/ui.
layers:
	@bash scripts/check-layers.sh

# Every test binary under AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# directory of its own. Leak checking is off: Qt's offscreen platform keeps caches alive
# until exit.
SANITIZE_DIR ?= build-sanitize
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G $(GENERATOR) -DSALDIX_SANITIZE=ON \
	  -DCMAKE_BUILD_TYPE=Sanitize -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g1"
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# A link-time-optimised build that stops on any one-definition-rule clash between units
# (two types of one name with different layouts).
ODR_DIR ?= $(BUILD_DIR)-lto
odr: deps
	cmake -S . -B $(ODR_DIR) -G $(GENERATOR) -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON \
	  -DCMAKE_EXE_LINKER_FLAGS="-Wodr -Werror" -DCMAKE_CXX_FLAGS=-Wodr
	cmake --build $(ODR_DIR) -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(TSAN_DIR) $(SANITIZE_DIR) $(ODR_DIR)
