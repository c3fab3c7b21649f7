# make run   builds and starts the game
# make test  builds and runs every test, the library's also under the sanitizers
BUILD ?= build
SANITIZED_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)

.PHONY: all setup build run test fuzz bench screenshot format clean

all: build

setup:
	@bash scripts/install-deps.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRIZOVKY_BUILD_UI=ON \
		-DKRIZOVKY_SANITIZE=OFF -DKRIZOVKY_BENCHMARKS=ON
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/krizovky

test: build
	cmake -S . -B $(SANITIZED_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKRIZOVKY_SANITIZE=ON \
		-DKRIZOVKY_BUILD_UI=OFF -DKRIZOVKY_BENCHMARKS=OFF
	cmake --build $(SANITIZED_BUILD) -j$(JOBS)
	cd $(SANITIZED_BUILD) && ctest --output-on-failure -j$(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory fuzz

# Each fuzz target for FUZZ_SECONDS on its seed files, built with clang.
fuzz: setup
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DKRIZOVKY_FUZZ=ON -DKRIZOVKY_BUILD_UI=OFF -DKRIZOVKY_SANITIZE=OFF -DKRIZOVKY_BENCHMARKS=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target saved_game_fuzz structure_fuzz
	bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) saved_game structure

bench: build
	./$(BUILD)/bench/krizovky_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	xvfb-run -a ./$(BUILD)/bench/krizovky_window_bench --benchmark_repetitions=3 \
		--benchmark_report_aggregates_only=true

screenshot: build
	bash scripts/screenshot.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANITIZED_BUILD) $(FUZZ_BUILD)
