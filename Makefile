# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a player or developer needs: `make run` and `make test`.
# Both install any missing Debian package first, so a fresh machine works.

# What the game needs to build and run: the translation tools build its languages, and
# the toolkit's own translations name the standard buttons.
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev \
            libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont libpng-dev libjpeg-dev libgif-dev \
            libsqlite3-dev fonts-liberation2 qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
# What only the checks need: tests, benchmarks, the fuzzers' compiler and runtime, the
# format check, and the CJK font the tileset generator's tests draw with.
TEST_PACKAGES := libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev \
                 clang-format fonts-noto-cjk python3
JOBS := $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CMAKE_FLAGS ?=
# Our own builds stop on any warning; a packager's build (the CMake default) does not.
CHECK_FLAGS := -DTILVANE_WERROR=ON -DTILVANE_TESTS=ON
FUZZ_SECONDS ?= 20
SOURCES = $(shell find src tests tools bench -name '*.cpp' -o -name '*.h')
# Tools of the desktop checks and of `make deb` (file and dpkg-dev work out the
# package's library dependencies and give Debian's build flags; lintian checks the package).
DESKTOP_PACKAGES := desktop-file-utils appstream dpkg-dev file xvfb xauth lintian
# Debian's hardening flags, for every build that may become the package. Expanded when a
# recipe runs, so after desktop-deps has installed dpkg-dev.
buildflag = $(shell DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1) 2>/dev/null)
HARDENING = -DCMAKE_C_FLAGS="$(call buildflag,CFLAGS) $(call buildflag,CPPFLAGS)" \
            -DCMAKE_CXX_FLAGS="$(call buildflag,CXXFLAGS) $(call buildflag,CPPFLAGS)" \
            -DCMAKE_EXE_LINKER_FLAGS="$(call buildflag,LDFLAGS)" \
            -DCMAKE_SHARED_LINKER_FLAGS="$(call buildflag,LDFLAGS)"
PREFIX ?= /usr/local

.PHONY: run test deps test-deps desktop-deps build build-asan build-release format-check licence-check \
        fuzz-short clean bench fuzz tiles bkg layouts music music-check install deb icons

define install_missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi
endef

run: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane tilvane_content_copy
	cd build/bin && ./tilvane

# The tileset generator's tests need the CJK font; here they fail rather than skip without it.
TEST_ENV := QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy TILVANE_REQUIRE_FONTS=1

test: deps test-deps desktop-deps format-check licence-check build build-asan build-release
	cd build && $(TEST_ENV) ctest --output-on-failure -j$(JOBS)
	cd build-asan && $(TEST_ENV) ctest --output-on-failure -j$(JOBS)
	$(MAKE) fuzz-short

deps:
	$(call install_missing,$(PACKAGES))

test-deps:
	$(call install_missing,$(TEST_PACKAGES))

desktop-deps:
	$(call install_missing,$(DESKTOP_PACKAGES))

# `make install PREFIX=... DESTDIR=...`: the program in games/, its content under
# share/tilvane, the desktop entry, the metainfo, the icons, the manual page, the
# copyright and the changelog. Hardened when dpkg-dev is there.
install: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVANE_WERROR=ON $(HARDENING) $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane
	DESTDIR="$(DESTDIR)" cmake --install build --prefix "$(PREFIX)"

# build/tilvane_<version>_<arch>.deb
deb: deps desktop-deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVANE_WERROR=ON $(HARDENING) $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane
	cd build && cpack -G DEB

# Redraws the icon sizes in resources/desktop/icons from the icon's SVG.
icons: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-icongen
	QT_QPA_PLATFORM=offscreen build/bin/tilvane-icongen resources/desktop/org.tilvane.tilvane.svg \
	  resources/desktop/icons

# The checks' build is hardened as the package is: the package check packs it.
build: desktop-deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CHECK_FLAGS) $(HARDENING) $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS)

build-asan:
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTILVANE_SANITIZE=ON $(CHECK_FLAGS) $(CMAKE_FLAGS)
	cmake --build build-asan -j$(JOBS)

# A packager's build: Release, no tests; only that it compiles cleanly is checked.
build-release: desktop-deps
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTILVANE_WERROR=ON $(HARDENING) $(CMAKE_FLAGS)
	cmake --build build-release -j$(JOBS)

format-check:
	clang-format --dry-run --Werror $(SOURCES)

# Every source, script and build file starts with its licence line.
licence-check:
	tools/licence/spdx.sh --check

# Every fuzzer briefly under the sanitizers; a crash fails the run.
fuzz-short:
	tests/fuzz/run.sh $(FUZZ_SECONDS)

bench: deps test-deps build
	for b in build/bench/bench_*; do $$b; done

fuzz: deps test-deps
	tests/fuzz/run.sh

# Redraws the tilesets into data/tiles; the glyphs need a CJK font.
tiles: deps
	$(call install_missing,fonts-noto-cjk)
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-tilegen
	QT_QPA_PLATFORM=offscreen build/bin/tilvane-tilegen --out data/tiles

# Repaints the background pictures and their thumbnails into data/bkg.
bkg: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-bkggen
	QT_QPA_PLATFORM=offscreen build/bin/tilvane-bkggen --out data/bkg

# Rebuilds the shipped layouts from their text sources and checks that they deal.
layouts: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-layoutgen
	build/bin/tilvane-layoutgen --check data/layout-src data/layouts

# Regenerates the songs in data/music from data/music-src and the sound effects in
# data/sounds.
music: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-musicgen tilvane-sfxgen
	build/bin/tilvane-musicgen data/music-src data/music
	build/bin/tilvane-sfxgen data/sounds

# Renders every song through the soundfont and measures songs and effects with sox
# (one to two minutes, so not part of `make test`).
music-check: deps
	$(call install_missing,fluidsynth sox)
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-musicgen
	tools/musicgen/check_audio.sh data/music data/sounds

clean:
	rm -rf build build-asan build-release build-fuzz
