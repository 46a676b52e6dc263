# Everything a fresh Debian 12 machine needs goes through these targets.
#   make run [FILE=x.abr]   install what is missing, build, start the window
#   make test               install what is missing, build, run every test
#   make bench              build and run the benchmarks (release build)
#   make fuzz [FUZZ_SECONDS=600]  build the libFuzzer targets (clang) and fuzz the brush reader
#   make fuzz-pe [FUZZ_SECONDS=600]  the same for the executable version reader
#   make install [PREFIX=/usr/local] [DESTDIR=...]  build the release and install it
#   make package            build build/release/kelbrin_<version>_<arch>.deb

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
FILE ?=
FUZZ_SECONDS ?= 600
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: run test deps build build-asan build-tsan build-release bench cli clean format fuzz \
        fuzz-pe install package

deps:
	@scripts/install-deps.sh

build: deps
	@scripts/configure.sh dev
	@cmake --build $(BUILD_DIR)/dev -j $(JOBS)

build-asan: deps
	@scripts/configure.sh asan
	@cmake --build $(BUILD_DIR)/asan -j $(JOBS) --target core_tests

build-tsan: deps
	@scripts/configure.sh tsan
	@cmake --build $(BUILD_DIR)/tsan -j $(JOBS) --target threaded_tests

build-release: deps
	@scripts/configure.sh release
	@cmake --build $(BUILD_DIR)/release -j $(JOBS)

run: build
	@scripts/install-desktop-data.sh $(BUILD_DIR)/dev
	$(BUILD_DIR)/dev/src/app/kelbrin $(FILE)

cli: build

test: build build-asan build-tsan
	@scripts/install-deps.sh test
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR)/dev --output-on-failure -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR)/asan --output-on-failure -j $(JOBS) -L core
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR)/tsan --output-on-failure -j $(JOBS) -L threaded

bench: build-release
	@scripts/install-deps.sh bench
	@for b in $(BUILD_DIR)/release/bench/bench_*; do [ -x "$$b" ] && "$$b"; done
	@BUILD_DIR=$(BUILD_DIR) bench/list_v6_64mb.sh
	@BUILD_DIR=$(BUILD_DIR) bench/convert_64mb.sh
	@python3 bench/discovery_bench.py --cli $(BUILD_DIR)/release/src/kelbrin-cli

# New inputs the fuzzer finds collect in build/fuzz/corpus; the brush files in tests/read seed it.
fuzz:
	@scripts/install-deps.sh fuzz
	@scripts/configure.sh fuzz
	@cmake --build $(BUILD_DIR)/fuzz -j $(JOBS) --target fuzz_abr_reader
	@mkdir -p $(BUILD_DIR)/fuzz/corpus $(BUILD_DIR)/fuzz/artifacts
	$(BUILD_DIR)/fuzz/fuzz/fuzz_abr_reader -max_total_time=$(FUZZ_SECONDS) -max_len=262144 \
	    -dict=fuzz/abr.dict -artifact_prefix=$(BUILD_DIR)/fuzz/artifacts/ -print_final_stats=1 \
	    $(BUILD_DIR)/fuzz/corpus tests/read

# Seeded with small executables of the shape the tests build (fuzz/pe-seeds).
fuzz-pe:
	@scripts/install-deps.sh fuzz
	@scripts/configure.sh fuzz
	@cmake --build $(BUILD_DIR)/fuzz -j $(JOBS) --target fuzz_pe_version
	@mkdir -p $(BUILD_DIR)/fuzz/pe-corpus $(BUILD_DIR)/fuzz/pe-artifacts
	$(BUILD_DIR)/fuzz/fuzz/fuzz_pe_version -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    -artifact_prefix=$(BUILD_DIR)/fuzz/pe-artifacts/ -print_final_stats=1 \
	    $(BUILD_DIR)/fuzz/pe-corpus fuzz/pe-seeds
install: build-release
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR)/release --prefix "$(PREFIX)"

package: build-release
	@scripts/install-deps.sh package
	cd $(BUILD_DIR)/release && cpack -G DEB

format:
	@git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
