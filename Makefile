# The front door: `make run` and `make test` do the whole set-up themselves.
BUILD_DIR ?= build
SAN_DIR ?= build-sanitize
JOBS ?= 2
PREFIX ?= /usr/local

# Sanitizer findings stop the run; Qt's own allocations at exit are not ours.
SAN_ENV = QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build run test sanitized-build sanitized-test fuzz bench pictures \
        install package clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null

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
	@$(MAKE) --no-print-directory sanitized-test

sanitized-build: deps
	@cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVEXA_SANITIZE=ON >/dev/null
	@cmake --build $(SAN_DIR) -j$(JOBS) -- --no-print-directory

sanitized-test: sanitized-build
	@cd $(SAN_DIR) && $(SAN_ENV) ctest --output-on-failure -j$(JOBS)

# The plain build judges memory (10 000 colour-scheme changes, 2 000 000
# events); the sanitizer run reports it and judges everything else.
fuzz: build sanitized-build
	@QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ./$(BUILD_DIR)/fuzz/zorvexa-eventdriver --scheme-changes 10000
	@QT_QPA_PLATFORM=offscreen LC_ALL=hu_HU.UTF-8 ./$(BUILD_DIR)/fuzz/zorvexa-eventdriver --events 2000000
	@$(SAN_ENV) LC_ALL=C.UTF-8 ./$(SAN_DIR)/fuzz/zorvexa-eventdriver --events 2000000 --watchdog 180

bench: build
	@./bench/run.sh $(BUILD_DIR)

pictures: build
	@cmake --build $(BUILD_DIR) --target zorvexa-pictures -- --no-print-directory
	@./$(BUILD_DIR)/zorvexa-pictures docs

install: build
	@cmake --install $(BUILD_DIR)

package: build
	@cd $(BUILD_DIR) && cpack

clean:
	@rm -rf $(BUILD_DIR) $(SAN_DIR)
