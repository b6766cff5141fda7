#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders a dealt Dragon on every background picture with every tileset and lays
# the renderings out in one sheet: a row per picture, a column per tileset.
#   tools/bkggen/contact_sheet.sh [OUT.png] [CELL_WIDTH]
# Needs build/bin/tilvane-tool and build/bin/tilvane-bkggen.
set -eu
out=${1:-docs/backgrounds.png}
cell=${2:-300}
bin=build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=""
for picture in data/bkg/*.jpg; do
  name=$(basename "$picture" .jpg)
  case "$name" in *-thumb) continue ;; esac
  for tileset in standard night clear; do
    "$bin/tilvane-tool" render data/layouts/Dragon.mah --seed 7 --tiles data/tiles \
      --tileset "$tileset" --width 1280 --height 800 --background "$picture" \
      -o "$work/$name-$tileset.png"
    files="$files $work/$name-$tileset.png"
  done
done
# shellcheck disable=SC2086
QT_QPA_PLATFORM=offscreen "$bin/tilvane-bkggen" --sheet "$out" 3 "$cell" $files
