# Tova: the two everyday commands.
#   make run   installs what is missing, builds, and starts Tova on the bundled sample drawing
#   make test  installs what is missing, builds, and runs every test headless
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)

PREFIX     ?= /usr/local

FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 600

.PHONY: run test build deps screenshot fuzz soak bench bench-startup clean install package

deps:
	@scripts/install-deps.sh build

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run:
	@scripts/install-deps.sh run
	@$(MAKE) --no-print-directory build
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

# A screenshot of the window on the sample drawing, taken under Xvfb (docs/screenshot.png), and
# the sample's PDF sheet as a picture (docs/sheet.png).
screenshot:
	@scripts/install-deps.sh screenshot
	@$(MAKE) --no-print-directory build
	@scripts/screenshot.sh $(BUILD)/tova docs/screenshot.png
	@$(BUILD)/tova-export --title "Block and cylinder" --author "李明 Li Ming" --date 2026-12-07 \
	  --number TD-01 samples/Tova.ini $(BUILD)/sheet.pdf
	@pdftoppm -r 60 -png -singlefile $(BUILD)/sheet.pdf docs/sheet

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

# The hot paths of the core and of the window, with the median and 99th percentile of each.
bench: build
	@$(BUILD)/bench/core_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/window_bench

# Start-up to the main window mapped, and peak memory, against a plain Qt window of as many
# widgets: 10 alternating runs under Xvfb.
bench-startup: build
	@bench/startup.py $(BUILD)/tova $(BUILD)/bench/startup_baseline 10

# Long random user sessions under the sanitizers: 5,000 sessions of 2,000 events.
soak: test
	@cd $(SAN_BUILD) && TOVA_SESSIONS=5000 TOVA_EVENTS=2000 ./tests/core_tests --gtest_filter='RandomSessions*'

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
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
