# The front door: `make run` and `make test` do the whole set-up themselves.
BUILD_DIR ?= build
SAN_DIR ?= build-sanitize
JOBS ?= 2
PREFIX ?= /usr/local

# The hardening flags Debian builds the package with (PIE, stack protector,
# FORTIFY, RELRO, BIND_NOW), so a plain build matches the packaged binary.
export DEB_BUILD_MAINT_OPTIONS ?= hardening=+all
HAVE_BUILDFLAGS := $(shell command -v dpkg-buildflags 2>/dev/null)
ifneq ($(HAVE_BUILDFLAGS),)
HARDENING = -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
endif

# Sanitizer findings stop the run; Qt's own allocations at exit are not ours.
SAN_ENV = QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build run test sanitized-build sanitized-test check-style fuzz mutants bench pictures centring \
        install package package-check clean

all: build

deps:
	@./scripts/install-deps.sh

# The event driver's seed in make test: fixed, so a failing run comes back.
DRIVER_SEED ?= 20261207

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX) \
	  -DZORVEXA_DRIVER_SEED=$(DRIVER_SEED) $(HARDENING) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS) -- --no-print-directory

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display available (start it from a desktop session, or under xvfb-run)"; \
	  exit 1; \
	fi
	@./$(BUILD_DIR)/zorvexa

test: build
	@echo "make test: the event driver's seed is $(DRIVER_SEED)"
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory sanitized-test

sanitized-build: deps
	@cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVEXA_SANITIZE=ON \
	  -DZORVEXA_DRIVER_SEED=$(DRIVER_SEED) >/dev/null
	@cmake --build $(SAN_DIR) -j$(JOBS) -- --no-print-directory

sanitized-test: sanitized-build
	@cd $(SAN_DIR) && $(SAN_ENV) ctest --output-on-failure -j$(JOBS)

# Longer runs of the event driver than make test's, with random seeds: on the
# rules, and on the rules under the sanitizers.
fuzz: build sanitized-build
	@QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ./$(BUILD_DIR)/zorvexa-eventdriver --events 50000000
	@$(SAN_ENV) LC_ALL=C.UTF-8 ./$(SAN_DIR)/zorvexa-eventdriver --events 5000000

# Plants each one-line fault of tests/mutants.txt and counts those the tests catch.
# The format of every C++ file and clang-tidy over src/ (.clang-format, .clang-tidy).
check-style: build
	@./scripts/check-style.sh $(BUILD_DIR)

mutants: deps
	@./tests/mutants.py

# A hundred starts per scale under openbox in Xvfb, every one driven through
# a switch, the solvers, the about box and the settings (make test runs ten).
centring: build
	@./tests/windows/tst_centring.py $(BUILD_DIR)/zorvexa --starts 100 --drives 100

bench: build
	@./bench/run.sh $(BUILD_DIR)

pictures: build
	@cmake -S . -B $(BUILD_DIR) -DZORVEXA_PICTURES=ON >/dev/null
	@cmake --build $(BUILD_DIR) --target zorvexa-pictures -- --no-print-directory
	@./$(BUILD_DIR)/zorvexa-pictures docs

install: build
	@cmake --install $(BUILD_DIR)

# The source package and the .deb are built by debhelper from debian/, in a
# copy of the source tree under $(BUILD_DIR)/deb (dpkg-buildpackage writes its
# results beside the tree it builds), then moved into $(BUILD_DIR).
PKG_DIR = $(BUILD_DIR)/deb
PKG_FILES = zorvexa*.deb zorvexa*.changes zorvexa*.buildinfo zorvexa*.dsc zorvexa*.tar.*
package:
	@./scripts/install-deps.sh package
	@rm -rf $(PKG_DIR) && mkdir -p $(PKG_DIR)/zorvexa
	@tar -c --exclude-vcs --exclude='./build*' --exclude='./obj-*' --exclude='*.user' . | \
	  tar -x -C $(PKG_DIR)/zorvexa
	@cd $(PKG_DIR)/zorvexa && dpkg-buildpackage -us -uc -j$(JOBS) >../build.log 2>&1 || \
	  { tail -40 ../build.log; echo "make package: failed, see $(PKG_DIR)/build.log"; exit 1; }
	@rm -f $(addprefix $(BUILD_DIR)/,$(PKG_FILES))
	@mv $(addprefix $(PKG_DIR)/,$(PKG_FILES)) $(BUILD_DIR)/
	@ls -1 $(BUILD_DIR)/zorvexa*.deb $(BUILD_DIR)/zorvexa*.dsc

# Lintian must report nothing on the source and the binary packages (an
# override carries its reason), every hardening feature must be found in the
# binary the .deb ships, and the desktop entry and the AppStream metadata
# must pass their validators; the AppStream id, the desktop file's name and
# the desktop file name the program gives itself must be one; the Hungarian
# manual page is not hyphenated (groff has only English rules for it).
# Control-flow protection is not among Debian 12's hardening flags
# (dpkg-buildflags has no such feature before dpkg 1.22), so it is not asked.
package-check: package
	@lintian --fail-on error,warning --display-info $(BUILD_DIR)/zorvexa_*.changes
	@rm -rf $(PKG_DIR)/unpacked && dpkg-deb -x $(BUILD_DIR)/zorvexa_*.deb $(PKG_DIR)/unpacked
	@hardening-check --nocfprotection $(PKG_DIR)/unpacked/usr/bin/zorvexa
	@desktop-file-validate $(PKG_DIR)/unpacked/usr/share/applications/*.desktop
	@appstreamcli validate --pedantic --no-net $(PKG_DIR)/unpacked/usr/share/metainfo/*.xml
	@appstreamcli validate-tree --pedantic --no-net $(PKG_DIR)/unpacked
	@id=$$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' $(PKG_DIR)/unpacked/usr/share/metainfo/*.xml); \
	  test -f "$(PKG_DIR)/unpacked/usr/share/applications/$$id.desktop" && \
	  strings -el $(PKG_DIR)/unpacked/usr/bin/zorvexa | grep -qx "$$id" || \
	  { echo "package-check: the AppStream id ($$id), the desktop file and the program's desktop file name differ"; exit 1; }
	@if for width in 40 60 80 100; do MANWIDTH=$$width man -l $(PKG_DIR)/unpacked/usr/share/man/hu/man1/zorvexa.1.gz 2>/dev/null; \
	  done | grep -q '‐$$'; then echo "package-check: the Hungarian manual page is hyphenated"; exit 1; fi
	@echo "package-check: lintian, hardening-check, the desktop and AppStream validators and the ids passed"

clean:
	@rm -rf $(BUILD_DIR) $(SAN_DIR)
