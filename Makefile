# The front door: `make run` and `make test` do the whole set-up themselves.
BUILD_DIR ?= build
JOBS ?= 2

.PHONY: all deps configure build run test clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS) -- --no-print-directory

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display available (start it from a desktop session, or under xvfb-run)"; \
	  exit 1; \
	fi
	@./$(BUILD_DIR)/zorvexa

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

clean:
	@rm -rf $(BUILD_DIR)
