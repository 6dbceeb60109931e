# Set-up and everyday commands. Each target first installs the Debian
# packages that are missing, so a fresh Debian 12 machine needs nothing else.

BUILD      := build
TEST_BUILD := build/test
BENCH_BUILD := build/bench
FUZZ_BUILD := build/fuzz
TOUR_DIR   := build/tour
SOAK_BUILD := build/soak
PACKAGE_BUILD := build/package
FUZZ_SECONDS ?= 60
SOAK_EVENTS ?= 100000
SOAK_SECONDS ?= 0
SOAK_SEED ?=

# The drawing scripts' needs; the pictures they make are committed.
PICTURE_PACKAGES := python3 python3-pil fonts-dejavu-core
PICTURE_DIRS := assets/pictures assets/icons tutorials/pictures tests/fixtures/jpeg

PACKAGES := cmake ninja-build g++ make \
            qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libqt6opengl6-dev libjpeg62-turbo-dev qt6-wayland \
            libqt6sql6-sqlite libqt6sql6-psql \
            libgtest-dev libgmock-dev xvfb xauth xfwm4 dbus-daemon pkg-config libgraphviz-dev poppler-utils \
            desktop-file-utils appstream clang-format \
            fonts-liberation fonts-urw-base35 fonts-comic-neue $(PICTURE_PACKAGES)
# The records tests and benchmarks run a throwaway PostgreSQL server of their own.
TEST_PACKAGES := postgresql
BENCH_PACKAGES := libbenchmark-dev time $(TEST_PACKAGES)
FUZZ_PACKAGES := clang libclang-rt-dev
DEB_PACKAGES := dpkg-dev file lintian

.PHONY: all deps check run test bench fuzz soak tour pictures install package clean

all: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOKO_TESTS=OFF
	cmake --build $(BUILD)

# Installs the given packages (default: the build's) when any is missing.
deps:
	@./tools/install-packages $(PACKAGES) $(EXTRA_PACKAGES)

run: all
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display available: rendering every window to $(TOUR_DIR) instead."; \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/bin/lokomotif-tour $(TOUR_DIR) && \
	  echo "Window pictures written to $(abspath $(TOUR_DIR))"; \
	else \
	  $(BUILD)/bin/lokomotif; \
	fi

tour: all
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/lokomotif-tour $(TOUR_DIR)

# Scans only (debug leftovers, formatting): a few seconds, before any build.
check: deps
	@./tools/check-tree

test: check
	@./tools/install-packages $(TEST_PACKAGES)
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLOKO_SANITIZE=ON -DLOKO_WERROR=ON
	cmake --build $(TEST_BUILD)
	$(TEST_BUILD)/run-tests --output-on-failure -j2 --timeout 300

bench:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(BENCH_PACKAGES)"
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOKO_TESTS=OFF -DLOKO_BENCH=ON
	cmake --build $(BENCH_BUILD)
	cmake --build $(BENCH_BUILD) --target run_benchmarks

fuzz:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOKO_TESTS=OFF -DLOKO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzzers
	FUZZ_SECONDS=$(FUZZ_SECONDS) cmake --build $(FUZZ_BUILD) --target run_fuzzers

# Redraws every committed picture, then fails if that changed any: the
# scripts, not the picture files, are what is edited.
pictures:
	@./tools/install-packages $(PICTURE_PACKAGES)
	/usr/bin/python3 tools/draw_artwork.py
	/usr/bin/python3 tools/draw_plates.py
	/usr/bin/python3 tools/make_bad_jpegs.py
	@changed="$$(git status --porcelain --untracked-files=all -- $(PICTURE_DIRS))"; \
	if [ -n "$$changed" ]; then \
	  echo "make pictures: the drawing scripts do not reproduce the committed pictures."; \
	  echo "Changed or new files:"; echo "$$changed"; \
	  echo "Commit them with the script change that made them."; \
	  exit 1; \
	fi; \
	echo "make pictures: every picture is as committed."

# Random use of the whole program, offscreen: SOAK_EVENTS events or
# SOAK_SECONDS seconds, whichever ends first (0: no limit); SOAK_SEED replays a run.
soak: deps
	cmake -S . -B $(SOAK_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOKO_TESTS=OFF -DLOKO_SOAK=ON
	cmake --build $(SOAK_BUILD) --target lokomotif-soak
	QT_QPA_PLATFORM=offscreen $(SOAK_BUILD)/bin/lokomotif-soak --events $(SOAK_EVENTS) --seconds $(SOAK_SECONDS) \
	  $(if $(SOAK_SEED),--seed $(SOAK_SEED))

install: all
	cmake --install $(BUILD)

# The Debian packages, from a Release tree of its own built with Debian's
# hardening flags, left beside this Makefile and then checked as installed.
package:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(DEB_PACKAGES)"
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	CFLAGS="$$(dpkg-buildflags --get CFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOKO_TESTS=OFF \
	  -DLOKO_DEBIAN=ON -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(PACKAGE_BUILD)
	rm -f $(PACKAGE_BUILD)/*.deb lokomotif*.deb
	cd $(PACKAGE_BUILD) && cpack
	cp $(PACKAGE_BUILD)/*.deb .
	./packaging/check-package $$(cd $(PACKAGE_BUILD) && ls *.deb)

clean:
	rm -rf $(BUILD) lokomotif*.deb
