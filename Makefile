# Tova: the two everyday commands.
#   make run   installs what is missing, builds, and starts Tova on the bundled sample drawing
#   make test  installs what is missing, builds, and runs every test headless
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)

.PHONY: run test build deps screenshot clean

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

# A screenshot of the window on the sample drawing, taken under Xvfb (docs/screenshot.png).
screenshot:
	@scripts/install-deps.sh screenshot
	@$(MAKE) --no-print-directory build
	@scripts/screenshot.sh $(BUILD)/tova docs/screenshot.png

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
