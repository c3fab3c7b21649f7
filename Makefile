# make run   builds and starts the game
# make test  builds and runs every test, the library's also under the sanitizers
BUILD ?= build
SANITIZED_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
# make test gives each fuzz target a shorter run, to keep the whole test run short.
TEST_FUZZ_SECONDS ?= 10
# Every reader of outside data has its fuzz target NAME_fuzz.
FUZZ_TARGETS = saved_game structure combination task_file editor_rows task_number play_script \
	puzzle_link player_files
JOBS ?= $(shell nproc)
# make test fails on a compiler warning; make run and make build only show it.
WERROR ?= OFF

.PHONY: all setup build run test fuzz bench screenshot format format-check clean install \
	uninstall package

all: build

setup:
	@bash scripts/install-deps.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRIZOVKY_BUILD_UI=ON \
		-DKRIZOVKY_SANITIZE=OFF -DKRIZOVKY_BENCHMARKS=ON -DKRIZOVKY_WERROR=$(WERROR)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/krizovky

test: WERROR = ON
test: format-check build
	cmake -S . -B $(SANITIZED_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKRIZOVKY_SANITIZE=ON \
		-DKRIZOVKY_BUILD_UI=OFF -DKRIZOVKY_BENCHMARKS=OFF -DKRIZOVKY_WERROR=ON
	cmake --build $(SANITIZED_BUILD) -j$(JOBS)
	cd $(SANITIZED_BUILD) && ctest --output-on-failure -j$(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory fuzz WERROR=ON FUZZ_SECONDS=$(TEST_FUZZ_SECONDS)

# Each fuzz target for FUZZ_SECONDS on its seed files, built with clang.
fuzz: setup
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DKRIZOVKY_FUZZ=ON -DKRIZOVKY_BUILD_UI=OFF -DKRIZOVKY_SANITIZE=OFF -DKRIZOVKY_BENCHMARKS=OFF \
		-DKRIZOVKY_WERROR=$(WERROR)
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(FUZZ_TARGETS:%=%_fuzz)
	bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

bench: build
	./$(BUILD)/bench/krizovky_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	xvfb-run -a ./$(BUILD)/bench/krizovky_window_bench --benchmark_repetitions=3 \
		--benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/krizovky_painter_bench --benchmark_repetitions=10 \
		--benchmark_report_aggregates_only=true

screenshot: build
	bash scripts/screenshot.sh

# make install puts the program under PREFIX (or CMAKE_INSTALL_PREFIX),
# /usr/local by default; DESTDIR stages the tree elsewhere. make uninstall
# removes what the last make install put there.
PREFIX ?= $(or $(CMAKE_INSTALL_PREFIX),/usr/local)
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip
	cp $(BUILD)/install_manifest.txt $(BUILD)/installed_files.txt

uninstall:
	@test -f $(BUILD)/installed_files.txt || { echo "nothing installed by make install"; exit 1; }
	xargs -d '\n' rm -f < $(BUILD)/installed_files.txt
	grep '/krizovky\.DEF$$' $(BUILD)/installed_files.txt | xargs -r -d '\n' dirname | \
		xargs -r -d '\n' rmdir --ignore-fail-on-non-empty
	rm $(BUILD)/installed_files.txt

# The Debian package $(BUILD)/krizovky_2.0_ARCH.deb; install it with
# dpkg -i, remove it with dpkg -r krizovky.
package: build
	cd $(BUILD) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Fails on a file that make format would change.
format-check: setup
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANITIZED_BUILD) $(FUZZ_BUILD)
