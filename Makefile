# The two commands a player or developer needs: `make run` and `make test`.
# Both install any missing Debian package first, so a fresh machine works.

PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev \
            libsdl2-mixer-dev timgm6mb-soundfont libpng-dev libjpeg-dev libgif-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2
JOBS := $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CMAKE_FLAGS ?=
# Tools of the desktop checks and of `make deb` (file and dpkg-dev work out the
# package's library dependencies).
DESKTOP_PACKAGES := desktop-file-utils appstream dpkg-dev file xvfb xauth
PREFIX ?= /usr/local

.PHONY: run test deps build build-asan clean bench fuzz tiles bkg layouts music music-check \
        desktop-deps install deb icons

run: deps build
	cd build/bin && ./tilvane

test: deps desktop-deps build build-asan
	cd build && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j$(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j$(JOBS)

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

desktop-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(DESKTOP_PACKAGES)"

# `make install PREFIX=... DESTDIR=...`: the program, its content under share/tilvane,
# the desktop entry, the metainfo and the icons.
install: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane
	DESTDIR="$(DESTDIR)" cmake --install build --prefix "$(PREFIX)"

# build/tilvane_<version>_<arch>.deb
deb: deps desktop-deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane
	cd build && cpack -G DEB

# Redraws the icon sizes in resources/desktop/icons from the icon's SVG.
icons: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-icongen
	QT_QPA_PLATFORM=offscreen build/bin/tilvane-icongen resources/desktop/org.tilvane.Tilvane.svg \
	  resources/desktop/icons

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS)

build-asan:
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTILVANE_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j$(JOBS)

bench: deps build
	for b in build/bench/bench_*; do $$b; done

fuzz: deps
	tests/fuzz/run.sh

# Redraws the tilesets into data/tiles; the glyphs need a CJK font.
tiles: deps
	@dpkg-query -W -f='$${Status}\n' fonts-noto-cjk 2>/dev/null | grep -q 'install ok installed' || \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends fonts-noto-cjk
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-tilegen
	QT_QPA_PLATFORM=offscreen build/bin/tilvane-tilegen --out data/tiles

# Repaints the background pictures and their thumbnails into data/bkg.
bkg: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-bkggen
	QT_QPA_PLATFORM=offscreen build/bin/tilvane-bkggen --out data/bkg

# Rebuilds the shipped layouts from their text sources and checks that they deal.
layouts: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-layoutgen
	build/bin/tilvane-layoutgen --check data/layout-src data/layouts

# Regenerates the songs in data/music from data/music-src and the sound effects in
# data/sounds.
music: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS) --target tilvane-musicgen tilvane-sfxgen
	build/bin/tilvane-musicgen data/music-src data/music
	build/bin/tilvane-sfxgen data/sounds

# Renders every song through the soundfont and measures songs and effects with sox
# (one to two minutes, so not part of `make test`).
music-check: deps
	@for p in fluidsynth sox; do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$p; done
	tools/musicgen/check_audio.sh data/music data/sounds

clean:
	rm -rf build build-asan build-fuzz
