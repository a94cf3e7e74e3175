# make run   - installs what is missing, builds, starts the program
# make test  - installs what is missing, builds, runs every test (also under ASan/UBSan)
# make test-tsan - the serial port's tests under ThreadSanitizer (not part of make test)
# make fuzz  - builds the record readers' libFuzzer target with clang and runs it a while
# make analysis-record - writes the analysis record (tests/problems/analysis.rec) anew from
#                the code as it stands, after a change that alters analysis results on purpose

JOBS    ?= $(shell nproc)
RELEASE := build/release
ASAN    := build/asan
FUZZ    := build/fuzz
TSAN    := build/tsan
FUZZ_SECONDS ?= 60
CMAKE_FLAGS := -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

.PHONY: all setup build build-asan run test test-release test-asan test-tsan bench fuzz analysis-record clean

all: build

setup:
	@bash tools/setup.sh

# Line tables (-g1) serve perf and the debugger's backtraces, and build in
# less time than full debug information.
$(RELEASE)/build.ninja:
	cmake -S . -B $(RELEASE) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"

# Line tables are all the sanitizers' reports need, too.
$(ASAN)/build.ninja:
	cmake -S . -B $(ASAN) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DVORN_SANITIZE=ON -DVORN_BENCH=OFF

build: setup $(RELEASE)/build.ninja
	cmake --build $(RELEASE) -j $(JOBS)

# The sanitizer build makes only the test programs and what they read.
build-asan: setup $(ASAN)/build.ninja
	cmake --build $(ASAN) -j $(JOBS) --target vorn_tests

run: build
	$(RELEASE)/vorn

test-release: build
	cd $(RELEASE) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

test: test-release test-asan

$(TSAN)/build.ninja:
	cmake -S . -B $(TSAN) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-fsanitize=thread -g -O1" \
	  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DVORN_BENCH=OFF

test-tsan: setup $(TSAN)/build.ninja
	cmake --build $(TSAN) -j $(JOBS) --target vorn_tests_net
	cd $(TSAN) && TSAN_OPTIONS=halt_on_error=1 ./vorn_tests_net

bench: build
	$(RELEASE)/vorn_bench

analysis-record: $(RELEASE)/build.ninja
	cmake --build $(RELEASE) -j $(JOBS) --target vorn_tests_engine
	cd $(RELEASE) && VORN_SOURCE_DIR=$(CURDIR) VORN_ANALYSIS_RECORD=write ./vorn_tests_engine --gtest_filter='AnalysisRecord*'

$(FUZZ)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
	  -DVORN_SANITIZE=ON -DVORN_FUZZ=ON -DVORN_GUI=OFF -DVORN_BENCH=OFF -Wno-dev

fuzz: setup $(FUZZ)/build.ninja
	cmake --build $(FUZZ) -j $(JOBS) --target KifuFuzz
	mkdir -p $(FUZZ)/corpus
	ASAN_OPTIONS=detect_leaks=0 $(FUZZ)/KifuFuzz -max_total_time=$(FUZZ_SECONDS) -max_len=8192 $(FUZZ)/corpus fuzz/corpus

clean:
	rm -rf build
