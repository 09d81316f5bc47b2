# make test            build everything and run the tests
# make test SANITIZE=1 the same with AddressSanitizer and UndefinedBehaviorSanitizer
# make bench           build and run the benchmarks
# make demo            build and run `vantor demo`; the workbook it saves goes to the build folder
# make fuzz            build the libFuzzer targets in fuzz/ and run each FUZZ_SECONDS (60)
# make soak            the chaos run of CHAOS_ACTIONS (1,000,000) under the sanitizers
# make install         build and install the kit under PREFIX (/usr/local)
# make package         build the Debian packages into build/
SANITIZE ?= 0
JOBS := $(shell nproc)

ifeq ($(SANITIZE),1)
BUILD := build-asan
CMAKE_FLAGS := -DVANTOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

FUZZ_SECONDS ?= 60
CHAOS_ACTIONS ?= 1000000
CHAOS_SEED ?= $(shell date +%s)
PREFIX ?= /usr/local

.PHONY: all deps configure build test install package bench demo fuzz soak clean members

all: build

deps:
	@bash scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	@cd $(BUILD) && umask 022 && cpack -G DEB

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVANTOR_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do echo "== $$b"; $$b; done

# Regenerates the table of the members each page uses in the embedding guide.
members: build
	@$(BUILD)/bin/vantor members --update docs/embedding.md

# Runs the main job: the Format Cells dialog over the sample workbook; the
# workbook it formats and the screenshots stay in the build folder.
demo: build
	@$(BUILD)/bin/vantor demo --out $(CURDIR)/$(BUILD)/vantor-demo.xlsx
	@if [ -x $(BUILD)/bin/vantor-studio ]; then \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/bin/vantor-studio --screenshots $(BUILD)/screenshots && \
	  echo "Screenshots of every dialog page and the grid: $(CURDIR)/$(BUILD)/screenshots"; fi
	@echo "The formatted workbook, for any spreadsheet program: $(CURDIR)/$(BUILD)/vantor-demo.xlsx"

# New inputs go to build-fuzz/corpus/NAME, findings to build-fuzz/findings/; the seeds in
# fuzz/corpus/NAME stay as committed. Each target prints how many inputs it ran.
fuzz: deps
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_all
	@mkdir -p build-fuzz/findings
	@for target in $$(find build-fuzz/fuzz -maxdepth 1 -type f -executable -name 'fuzz_*' | sort); do \
	  name=$${target##*/fuzz_}; log=build-fuzz/findings/$$name.log; mkdir -p build-fuzz/corpus/$$name; \
	  echo "== fuzz_$$name for $(FUZZ_SECONDS) s"; status=0; \
	  $$target build-fuzz/corpus/$$name fuzz/corpus/$$name -max_total_time=$(FUZZ_SECONDS) \
	    -artifact_prefix=build-fuzz/findings/$$name- >$$log 2>&1 || status=$$?; \
	  grep -E "^Done|ERROR|SUMMARY|deadly signal|Test unit written" $$log; \
	  if [ $$status -ne 0 ]; then echo "fuzz_$$name failed: see $$log"; exit 1; fi; \
	done

# The chaos test of `make test`, longer and under AddressSanitizer and
# UndefinedBehaviorSanitizer; a new seed each time unless CHAOS_SEED is given.
soak: deps
	@cmake -S . -B build-asan -DVANTOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-asan -j $(JOBS) --target chaos_tests
	@LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  VANTOR_CHAOS_SEED=$(CHAOS_SEED) VANTOR_CHAOS_ACTIONS=$(CHAOS_ACTIONS) \
	  build-asan/tests/chaos_tests --gtest_filter='Chaos.Every*'

clean:
	rm -rf build build-asan build-bench build-fuzz
