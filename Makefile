# Glintwick: set-up, build, run and test. `make run` and `make test` work on a fresh Debian 12.
BUILD      ?= build
ASAN_BUILD ?= build-asan
WIN_BUILD  ?= build-windows
JOBS       ?= $(shell nproc)
DEMO       ?= examples/demo.gwk

.PHONY: all deps configure build run test bench test-asan fuzz package reproducible screenshots site pot format clean \
        windows test-windows

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program itself, on the bundled demo project.
run: build
	$(BUILD)/bin/glintwick $(DEMO)

# The tests expect English wherever they do not choose a language themselves.
ENGLISH := LANG=C.UTF-8 LC_ALL= LC_MESSAGES= LANGUAGE=

test: build
	@$(ENGLISH) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bin/core_bench
	@xvfb-run -a $(BUILD)/bin/ui_bench
	@scripts/measure_startup.sh $(BUILD)
	@scripts/measure_scale.sh $(BUILD)
	@node bench/browser_timing.js $(BUILD)/bin/glintwick-cli
	@missing="$$(node -e 'const dir = process.argv[1]; const lock = require(dir + "/package-lock.json").packages; \
	  console.log(Object.keys(lock).filter((k) => k.startsWith("node_modules/")).filter((k) => { \
	  try { return require(dir + "/" + k + "/package.json").version !== lock[k].version; } catch (e) { return true; } \
	  }).join(" "))' "$(CURDIR)/bench")"; \
	  if [ -n "$$missing" ]; then echo "Installing the benchmark's pinned packages ($$missing)"; \
	  npm ci --prefix bench --no-audit --no-fund --silent; fi
	@node bench/strip_cost.js $(BUILD)/bin/glintwick-cli

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DGLINTWICK_SANITIZE=ON \
	  -DGLINTWICK_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@$(ENGLISH) ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

screenshots: build
	@scripts/screenshots.sh $(BUILD)

# The translators' template made again from the marked texts, and each catalogue brought up to
# it (new texts untranslated, changed ones fuzzy) for its translator.
pot:
	@po/make_template.sh po/glintwick.pot
	@cd po && for po in *.po; do msgmerge --quiet --update --backup=none --no-wrap "$$po" glintwick.pot; done

# What the project's web address serves under /glintwick/, laid out as the AppStream data's
# URLs name it: the help pages and the screenshots.
site:
	@rm -rf $(BUILD)/site && mkdir -p $(BUILD)/site/glintwick/help $(BUILD)/site/glintwick/screenshots
	@cp help/*.html $(BUILD)/site/glintwick/help/
	@cp docs/screenshots/*.png $(BUILD)/site/glintwick/screenshots/
	@echo "$(BUILD)/site/glintwick: the help and the screenshots, to publish at https://orvane.example/glintwick/"

# Fuzz the project loader and the load-save-load-generate round trip, FUZZ_SECONDS each.
FUZZ_SECONDS ?= 60
fuzz: deps
	@scripts/fuzz.sh $(FUZZ_SECONDS) build-fuzz

# The Debian package, checked by installing it and running the installed tool.
package: build
	@scripts/package-check.sh $(BUILD)

# Two builds of the last commit, in different folders, give the same Debian package.
reproducible:
	@scripts/install-deps.sh
	@scripts/reproducible-check.sh

# Windows: glintwick.exe, glintwick-cli.exe, glintwick.chm and glintwick-1.0-setup.exe in
# $(WIN_BUILD), cross-built with MinGW-w64 against wxWidgets for MSW (built once per machine into
# ~/.cache/glintwick by scripts/msw-libs.sh, 15 to 45 minutes).
windows:
	@scripts/install-deps.sh windows
	@prefix=$$(scripts/msw-prefix.sh) && cmake -S . -B $(WIN_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake -DGLINTWICK_MSW_PREFIX=$$prefix \
	  -DGLINTWICK_LINUX_CLI=$(CURDIR)/$(BUILD)/bin/glintwick-cli >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS)

# The Windows build under Wine, beside the Linux build it is compared with; the main window's
# picture goes to docs/screenshots.
test-windows: build windows
	@ctest --test-dir $(WIN_BUILD) --output-on-failure -j $(JOBS)
	@cp $(WIN_BUILD)/screenshots/windows-main-window.png docs/screenshots/

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz $(WIN_BUILD)
