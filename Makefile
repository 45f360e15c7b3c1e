# The whole set-up: `make play` and `make test` install what is missing, build, and run.
BUILD    ?= build
JOBS     ?= $(shell nproc)
RUN_DIR   = $(BUILD)/run
FUZZ_SECONDS ?= 330

BUILD_PACKAGES = cmake g++ make pkg-config \
  liballegro5-dev liballegro-audio5-dev liballegro-acodec5-dev \
  liballegro-ttf5-dev liballegro-image5-dev libdumb1-dev fonts-dejavu-core
TEST_PACKAGES  = googletest libgtest-dev xvfb xdotool x11-utils imagemagick clang libclang-rt-14-dev \
  clang-format
DEB_PACKAGES   = debhelper dpkg-dev
PACKAGE_TEST_PACKAGES = lintian desktop-file-utils appstream xvfb xdotool imagemagick procps

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: play test test-asan check-format format bench build fuzz contact-sheet gallery screenshots deb test-package \
  deps test-deps deb-deps package-test-deps clean

play: deps build
	cd $(RUN_DIR) && ./sorrelmoor

test: deps test-deps build
	tools/headless-run ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer, in its own build.
test-asan: deps test-deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORRELMOOR_SANITIZE=ON
	cmake --build $(BUILD)-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  tools/headless-run ctest --test-dir $(BUILD)-asan --output-on-failure -j $(JOBS)

# Every C++ source against .clang-format: lists the files that differ and fails if any does.
check-format: test-deps
	tools/check-format

format: test-deps
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i

# The game against its 17 ms frame budget: one table, measured in one run, in an 800 x 600 window
# and full screen on a 1920 x 1080 screen side by side.
bench: deps test-deps build
	cd $(RUN_DIR) && HEADLESS_SCREEN=1920x1080x24 $(CURDIR)/tools/headless-run ./sorrelmoor-bench $(CURDIR)/level-src/solutions

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS)
	cmake --build $(BUILD) -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, built with clang beside the ordinary build (whose media it reads).
fuzz: deps test-deps build
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORRELMOOR_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz-targets
	tools/run-fuzz $(BUILD)-fuzz $(RUN_DIR) $(FUZZ_SECONDS)

# Redraws docs/contact-sheet.png from the current media.
contact-sheet: deps build
	cmake --build $(BUILD) --target contact-sheet

# Redraws docs/levels/ from the shipped levels.
gallery: deps build
	cmake --build $(BUILD) --target gallery

# Copies the README's screenshots from the end-to-end tests' last run.
SHOTS = title walked completed editor-placed title-focused heads-up paused full-screen
screenshots:
	mkdir -p docs/screenshots
	for shot in $(SHOTS); do cp $(BUILD)/screenshots/$$shot.png docs/screenshots/; done

# The Debian package, built by debhelper from a copy of the tree: $(BUILD)/deb/sorrelmoor_*.deb.
deb: deps deb-deps
	tools/build-deb $(BUILD)/deb $(JOBS)

# Builds the package, has lintian check it, installs it (as root or through sudo), plays it
# headless from its launcher with a temporary HOME, upgrades it and removes it again.
test-package: deb package-test-deps
	tools/test-package $(BUILD)/deb

deps:
	@tools/install-packages $(BUILD_PACKAGES)

test-deps:
	@tools/install-packages $(TEST_PACKAGES)

deb-deps:
	@tools/install-packages $(DEB_PACKAGES)

package-test-deps:
	@tools/install-packages $(PACKAGE_TEST_PACKAGES)

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz $(BUILD)-asan
