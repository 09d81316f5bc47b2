# make test            build everything and run the tests
# make test SANITIZE=1 the same with AddressSanitizer and UndefinedBehaviorSanitizer
# make bench           build and run the benchmarks
# make demo            build and run `vantor demo`
SANITIZE ?= 0
JOBS := $(shell nproc)

ifeq ($(SANITIZE),1)
BUILD := build-asan
CMAKE_FLAGS := -DVANTOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

.PHONY: all deps configure build test bench demo clean

all: build

deps:
	@bash scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVANTOR_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do echo "== $$b"; $$b; done

# Runs the main job: the Format Cells dialog over the sample workbook.
demo: build
	@$(BUILD)/bin/vantor demo
	@if [ -x $(BUILD)/bin/vantor-studio ]; then \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/bin/vantor-studio --screenshots $(BUILD)/screenshots && \
	  echo "Screenshots of every dialog page and the grid: $(BUILD)/screenshots"; fi

clean:
	rm -rf build build-asan build-bench
