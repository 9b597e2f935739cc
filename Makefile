# Tova: the two everyday commands.
#   make run   installs what the window needs and is missing, builds, and starts Tova on the
#              bundled sample drawing
#   make test  installs what is missing, builds, and runs every test headless
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)
# The set of packages that build installs (scripts/install-deps.sh): everything the tests need.
DEPS        = build

PREFIX     ?= /usr/local

WEB_BUILD  ?= build-web
PORT       ?= 8000
# em++'s tools run on Debian's node and its modules, whatever node comes first on PATH.
EMSDK_ENV  := NODE_PATH=/usr/share/nodejs

FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 600

.PHONY: run test build deps screenshot fuzz soak bench bench-startup clean install package web serve

deps:
	@scripts/install-deps.sh $(DEPS)

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run:
	@$(MAKE) --no-print-directory build DEPS=run
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display to open the Tova window on (DISPLAY is not set); 'make test' runs headless."; \
	else cd samples && ../$(BUILD)/tova; fi

test: build
	@cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTOVA_SANITIZE=ON -DTOVA_BUILD_APP=ON >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	@echo "== every test under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
	@cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@echo "== every test, optimised"
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@echo "== the page in headless Chromium, against the native core"
	@$(MAKE) --no-print-directory web >/dev/null
	@npm ci --no-audit --no-fund --silent
	@/usr/bin/python3 tests/web/browser_test.py $(WEB_BUILD)/site $(BUILD)/tests/web_replay

# The page for the browser: a static site in $(WEB_BUILD)/site (the core in WebAssembly).
web:
	@scripts/install-deps.sh web
	@$(EMSDK_ENV) emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DTOVA_WEB=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(EMSDK_ENV) cmake --build $(WEB_BUILD)
	@echo "site: $(WEB_BUILD)/site"

# Serves the site on this machine only.
serve: web
	@echo "Tova in the browser: http://127.0.0.1:$(PORT)/"
	@cd $(WEB_BUILD)/site && python3 -m http.server --bind 127.0.0.1 $(PORT)

# A screenshot of the window on the sample drawing, taken under Xvfb (docs/screenshot.png), and on
# an exercise (docs/exercise-window.png), the sample's PDF sheet as a picture (docs/sheet.png), the
# page in Chromium (docs/web.png) and on an exercise (docs/exercise-page.png, -phone.png), and a
# tova-check report, one of its drawings and the page's self-check (docs/check-report.png,
# docs/check-report-drawing.png, docs/check-report-page.png).
screenshot:
	@$(MAKE) --no-print-directory build DEPS=screenshot
	@scripts/screenshot.sh $(BUILD)/tova docs/screenshot.png
	@/usr/bin/python3 scripts/exercise-screenshot.py $(BUILD) docs/exercise-window.png
	@$(BUILD)/tova-export --title "Block and cylinder" --author "李明 Li Ming" --date 2026-12-07 \
	  --number TD-01 samples/Tova.ini $(BUILD)/sheet.pdf
	@pdftoppm -r 60 -png -singlefile $(BUILD)/sheet.pdf docs/sheet
	@$(MAKE) --no-print-directory web >/dev/null
	@/usr/bin/python3 scripts/web-screenshot.py $(WEB_BUILD)/site docs/web.png
	@/usr/bin/python3 scripts/exercise-page-screenshot.py $(WEB_BUILD)/site 04-l-bracket.exercise docs/exercise-page.png
	@/usr/bin/python3 scripts/check-screenshot.py $(BUILD)/tova-check samples/Tova.ini $(WEB_BUILD)/site docs/check-report.png

# The document reader under libFuzzer for FUZZ_SECONDS; what it finds new is merged, minimised,
# into tests/fuzz/corpus, which make test replays.
fuzz:
	@scripts/install-deps.sh fuzz
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTOVA_FUZZ=ON -DTOVA_BUILD_APP=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzz_document_reader
	@mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/tests/fuzz_document_reader $(FUZZ_BUILD)/corpus tests/fuzz/corpus \
	  -dict=tests/fuzz/document.dict -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
	  -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1
	$(FUZZ_BUILD)/tests/fuzz_document_reader -merge=1 tests/fuzz/corpus $(FUZZ_BUILD)/corpus

# The hot paths of the core, the window and the page, with the median and 99th percentile of each.
bench: build
	@$(BUILD)/bench/core_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/window_bench
	@$(MAKE) --no-print-directory web >/dev/null
	@/usr/bin/python3 bench/web_bench.py $(WEB_BUILD)/site
	@/usr/bin/python3 bench/first_visit.py $(WEB_BUILD)/site

# Start-up to the main window mapped, and peak memory, against a plain Qt window of as many
# widgets: 10 alternating runs under Xvfb.
bench-startup: build
	@bench/startup.py $(BUILD)/tova $(BUILD)/bench/startup_baseline 10

# Long random user sessions under the sanitizers: 5,000 sessions of 2,000 events; then one of 2,000
# events on the page against the native core, from a random seed (it prints the seed).
soak: test
	@cd $(SAN_BUILD) && TOVA_SESSIONS=5000 TOVA_EVENTS=2000 ./tests/core_tests --gtest_filter='RandomSessions*'
	@/usr/bin/python3 tests/web/browser_test.py $(WEB_BUILD)/site $(BUILD)/tests/web_replay $$(shuf -i 1-1000000000 -n 1) 2000

# Installs the programs, help pages, sample, menu entry, icons and MIME type under PREFIX
# (DESTDIR, when set, is put in front of it). Installed in place, the MIME database under PREFIX
# is rebuilt so *.KRT files are known as Tova drawings.
install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	@if [ -z "$(DESTDIR)" ] && command -v update-mime-database >/dev/null; then \
	  update-mime-database "$(PREFIX)/share/mime"; fi

# The Debian package, built by cpack in the build folder.
package: build
	@scripts/install-deps.sh package
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@echo "package: $(BUILD)/$$(cd $(BUILD) && ls -t tova_*.deb | head -n 1)"

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(WEB_BUILD)
