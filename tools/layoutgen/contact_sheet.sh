#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws every shipped layout, dealt with game number 1 in the standard tileset, on one
# labelled sheet (name, tile count and levels), for judging the set at a glance.
#   tools/layoutgen/contact_sheet.sh [OUT.png] [LAYOUT_DIR] [CELL_WIDTH]
# Needs build/bin/tilvane-tool and build/bin/tilvane-bkggen (which lays out the sheet).
set -eu
out=${1:-docs/layouts.png}
layouts=${2:-data/layouts}
cell=${3:-260}
bin=build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for layout in "$layouts"/*.mah; do
  name=$(basename "$layout" .mah)
  info=$("$bin/tilvane-tool" info "$layout")
  tiles=$(printf '%s' "$info" | sed 's/.*"tiles":\([0-9]*\).*/\1/')
  levels=$(printf '%s' "$info" | sed 's/.*"levels":\([0-9]*\).*/\1/')
  # The caption is the file's name, so the picture is named after what the sheet shows.
  "$bin/tilvane-tool" render "$layout" --seed 1 --tiles data/tiles --tileset standard \
    --width 960 --height 720 -o "$work/$name - $tiles tiles, $levels levels.png"
done
# Sorted like the catalogue: by name, ignoring case.
for file in "$work"/*.png; do printf '%s\n' "$file"; done | sort -f > "$work/list"
set --
while IFS= read -r file; do set -- "$@" "$file"; done < "$work/list"
QT_QPA_PLATFORM=offscreen "$bin/tilvane-bkggen" --sheet "$out" 6 "$cell" "$@"
