# ROVEX: the two commands of the quick start are `make run` and `make test`.
# Each installs what is missing, configures once and builds incrementally.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD?= build-bench
TYPE       ?= RelWithDebInfo
JOBS       ?= 2
FUZZ_SECONDS ?= 30

PREFIX     ?= /usr/local

.PHONY: all deps build run test asan fuzz bench install package clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-rovex $(BUILD) $(ARGS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 300

# The programs, the voice folder, the demo data, the guide, the menu entry and
# its icon under PREFIX (DESTDIR is honoured for staging).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package (installing to /usr) in $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@[ -f $(ASAN_BUILD)/build.ninja ] || cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DROVEX_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) --timeout 600

# Every libFuzzer target for FUZZ_SECONDS each, starting from its seed corpus.
fuzz: deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROVEX_BUILD_FUZZ=ON -DROVEX_BUILD_APP=OFF -DROVEX_BUILD_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: deps
	@[ -f $(BENCH_BUILD)/build.ninja ] || cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DROVEX_BUILD_BENCH=ON -DROVEX_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@bench/run $(BENCH_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
