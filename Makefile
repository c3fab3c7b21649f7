# make run   builds and starts the game
# make test  builds and runs every test: the library's under the sanitizers,
#            the rest in the optimised build
# The program, the tool, the windows' tests, the tool's tests, the corpus tests
# and the benchmarks, optimised.
BUILD ?= build
# The library's tests and the fuzz targets, built once with clang under the
# sanitizers at -O1, without Qt.
SANITIZED_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 20
# make test gives each fuzz target a shorter run, to keep the whole test run short.
TEST_FUZZ_SECONDS ?= 5
# Every reader of outside data has its fuzz target NAME_fuzz.
FUZZ_TARGETS = saved_game structure combination task_file editor_rows task_number play_script \
	puzzle_link player_files
JOBS ?= $(shell nproc)
# The web page: the core built to WebAssembly by Debian's Emscripten in
# WEB_CORE_BUILD, the page's static folder in WEB_BUILD.
WEB_CORE_BUILD ?= build-web-core
WEB_BUILD ?= build-web
WEB_PORT ?= 8080
# The WebAssembly build of the exact solver's timing program, for make bench-web.
WEB_BENCHMARKS ?= OFF
# Emscripten's tools find their Node.js modules there; its own emulator flag
# (--experimental-wasm-threads) is refused by this Node.js, and its loader
# needs --no-experimental-fetch.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs
# Every build fails on a compiler warning, make run's as make test's, so that
# the one never rebuilds what the other built.
WERROR ?= ON
# Ninja keeps both cores busy through the whole build; a build folder made
# before with another generator keeps its own.
generator = $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja)

.PHONY: all setup configure build run test sanitized sanitized-tests optimised-tests fuzz bench \
	screenshot format format-check clean install uninstall package web web-core web-serve \
	web-tests bench-web

all: build

setup:
	@bash scripts/install-deps.sh

configure: setup
	cmake -S . -B $(BUILD) $(call generator,$(BUILD)) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DKRIZOVKY_BUILD_UI=ON -DKRIZOVKY_SANITIZE=OFF -DKRIZOVKY_BENCHMARKS=ON \
		-DKRIZOVKY_LIBRARY_TESTS=OFF -DKRIZOVKY_CORPUS_TESTS=ON -DKRIZOVKY_WERROR=$(WERROR)

# The program, its tool, the tests of the windows, the tool and the corpus,
# and the benchmarks. The library's tests are built in the sanitized build.
build: configure
	cmake --build $(BUILD) -j$(JOBS)

# The program alone: its tests and benchmarks wait for make test and make bench.
run: configure
	cmake --build $(BUILD) -j$(JOBS) --target krizovky krizovky-tool
	./$(BUILD)/krizovky

# The sanitized build runs the library's tests; the optimised build the
# corpus tests (label corpus: every shipped and published task), the
# painter's, the windows', the tool's and the installation's, and builds the
# benchmarks; the fuzz targets replay their seeds and fuzz for
# TEST_FUZZ_SECONDS, two at a time. The two builds, each followed by its
# tests, run at the same time beside format-check, so that both cores stay
# busy from start to end (-Otarget prints each step's output whole, when it
# ends); the fuzz targets come last, when the cores are free for them.
test: setup
	$(MAKE) --no-print-directory -j3 -Otarget format-check optimised-tests sanitized-tests \
		web-tests
	bash scripts/fuzz.sh $(SANITIZED_BUILD) $(TEST_FUZZ_SECONDS) $(FUZZ_TARGETS)

sanitized-tests: sanitized
	cd $(SANITIZED_BUILD) && ctest --output-on-failure -j$(JOBS) -LE corpus

optimised-tests: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

sanitized: setup
	cmake -S . -B $(SANITIZED_BUILD) $(call generator,$(SANITIZED_BUILD)) \
		-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
		"-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only" -DKRIZOVKY_SANITIZE=ON \
		-DKRIZOVKY_FUZZ=ON -DKRIZOVKY_BUILD_UI=OFF -DKRIZOVKY_DRAWING=OFF -DKRIZOVKY_TOOL=OFF \
		-DKRIZOVKY_LIBRARY_TESTS=ON -DKRIZOVKY_CORPUS_TESTS=OFF -DKRIZOVKY_BENCHMARKS=OFF \
		-DKRIZOVKY_WERROR=$(WERROR)
	cmake --build $(SANITIZED_BUILD) -j$(JOBS)

# The core and krizovky-tool in WebAssembly, the page's module among them.
# Each layer is compiled a few files to a translation unit (a unity build):
# the optimiser's work on the standard library's headers is most of a
# WebAssembly compile.
web-core: setup
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_CORE_BUILD) $(call generator,$(WEB_CORE_BUILD)) \
		-DCMAKE_BUILD_TYPE=Release -DKRIZOVKY_BUILD_UI=OFF -DKRIZOVKY_USE_ICU=OFF \
		-DKRIZOVKY_USE_ZLIB=OFF -DKRIZOVKY_LIBRARY_TESTS=OFF -DKRIZOVKY_CORPUS_TESTS=OFF \
		-DKRIZOVKY_BENCHMARKS=$(WEB_BENCHMARKS) -DKRIZOVKY_WERROR=$(WERROR) -DCMAKE_UNITY_BUILD=ON \
		"-DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/node;--no-experimental-fetch"
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_CORE_BUILD) -j$(JOBS)

# The page's static folder WEB_BUILD (index.html, the scripts, the core's
# .wasm, the data files, the manifest, the service worker), and beside it
# WEB_BUILD/krizovky-tool, the WebAssembly tool's launcher, with the tool and
# its data files in WEB_BUILD/tool/.
web: web-core
	node web/build.mjs
	mkdir -p $(WEB_BUILD)/tool
	cp $(WEB_CORE_BUILD)/krizovky-tool.js $(WEB_CORE_BUILD)/krizovky-tool.wasm \
		$(WEB_CORE_BUILD)/krizovky.DEF $(WEB_CORE_BUILD)/krizovky.KRI \
		$(WEB_CORE_BUILD)/krizovky.VZR $(WEB_CORE_BUILD)/krizovky.PRA $(WEB_BUILD)/tool/
	sed 's|/krizovky-tool.js|/tool/krizovky-tool.js|' $(WEB_CORE_BUILD)/krizovky-tool-node \
		> $(WEB_BUILD)/krizovky-tool
	chmod +x $(WEB_BUILD)/krizovky-tool

# Serves the page on http://localhost:WEB_PORT/ for a player to try.
web-serve: web
	node web/serve.mjs --port $(WEB_PORT) --dir $(WEB_BUILD)

# The WebAssembly tool on the tool's test scripts (the same outputs as the
# native tool's); the page's TypeScript type-checked and its own unit tests;
# then the page in headless Chromium.
web-tests: web
	bash scripts/web-tool-tests.sh $(WEB_BUILD)/krizovky-tool
	cd web && npm run --silent check && npm test --silent && npx playwright test

# Each fuzz target for FUZZ_SECONDS on its seed files and the corpus it grew.
fuzz: sanitized
	bash scripts/fuzz.sh $(SANITIZED_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

bench: build
	./$(BUILD)/bench/krizovky_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	xvfb-run -a ./$(BUILD)/bench/krizovky_window_bench --benchmark_repetitions=3 \
		--benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/krizovky_painter_bench --benchmark_repetitions=10 \
		--benchmark_report_aggregates_only=true

# The WebAssembly core against the native one, side by side: the exact
# solver on the published puzzles and check on 32 copies of the collection.
bench-web: build
	$(MAKE) --no-print-directory web-core WEB_BENCHMARKS=ON
	bash scripts/bench-web.sh

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
	rm -rf $(BUILD) $(SANITIZED_BUILD) $(WEB_CORE_BUILD) $(WEB_BUILD)
