# Set-up and everyday commands. Each target first installs the Debian
# packages that are missing, so a fresh Debian 12 machine needs nothing else.

BUILD      := build
TEST_BUILD := build/test
BENCH_BUILD := build/bench
FUZZ_BUILD := build/fuzz
TOUR_DIR   := build/tour
FUZZ_SECONDS ?= 60

# The drawing scripts' needs; the pictures they make are committed.
PICTURE_PACKAGES := python3 python3-pil fonts-dejavu-core
PICTURE_DIRS := assets/pictures assets/icons tutorials/pictures tests/fixtures/jpeg

PACKAGES := cmake ninja-build g++ make poppler-utils \
            qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libqt6opengl6-dev libjpeg62-turbo-dev \
            libgtest-dev libgmock-dev xvfb xauth \
            fonts-liberation fonts-urw-base35 fonts-comic-neue fonts-ocr-a $(PICTURE_PACKAGES)
BENCH_PACKAGES := libbenchmark-dev time
FUZZ_PACKAGES := clang libclang-rt-dev

.PHONY: all deps run test bench fuzz tour pictures install clean

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

test: deps
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLOKO_SANITIZE=ON
	cmake --build $(TEST_BUILD)
	cd $(TEST_BUILD) && ctest --output-on-failure -j2 --timeout 300

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

install: all
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
