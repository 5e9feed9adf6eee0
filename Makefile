# Set-up, build, run and test on a fresh Debian machine.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: all deps build build-asan run test test-asan bench fuzz format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRAZOL_SANITIZE=ON

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)/app/mirazol

test: build build-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/mirazol-bench

# Runs every fuzz target for FUZZ_SECONDS seconds (clang and libFuzzer; own build directory).
# New inputs go to build-fuzz/found/<target>; copy any that failed into fuzz/crashes/<target>.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DMIRAZOL_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	for target in textfile_field textfile_read languagefile; do \
		mkdir -p $(FUZZ_BUILD)/found/$$target && \
		$(FUZZ_BUILD)/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			$(FUZZ_BUILD)/found/$$target fuzz/corpus/$$target || exit 1; \
	done

# Formats every C++ file of ours with the project's .clang-format (generated data excluded).
format:
	git ls-files '*.cpp' '*.h' | grep -v '^engine/generated/' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
