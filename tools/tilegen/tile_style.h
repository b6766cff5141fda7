// SPDX-License-Identifier: GPL-3.0-or-later
// The looks of our own tilesets: face colours, ink colours and the tile sizes
// each tileset is drawn at.
#pragma once

#include <QColor>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tilegen {

// One tile size as a tileset descriptor lists it: face W by H, edge depth.
struct TileSize {
  int width;
  int height;
  int depth;
};

struct TileStyle {
  std::string name;
  QColor face_top, face_bottom;  // vertical gradient of the face
  QColor highlight;              // thin bevel just inside the outline
  // A light band round a dark face, so the game's dimming of blocked tiles,
  // which darkens by a share of each channel, has something bright to darken.
  // Invalid for faces light enough already.
  QColor rim;
  QColor red, green, blue, ink;  // ink is the "black" of the suits
  QColor season_backdrop, flower_backdrop;
  QColor editor_top, editor_bottom;  // the layout editor's placed tiles
  QColor cursor_top, cursor_bottom, cursor_mark;
  bool corner_index;            // small Latin numbers and letters for players new to the faces
  bool latin_faces;             // large Latin numbers and letters, the characters small
  std::vector<TileSize> sizes;  // smallest face width first
};

const std::vector<TileStyle>& BuiltInStyles();
const TileStyle* FindStyle(std::string_view name);

// The family the faces' characters are drawn with.
inline constexpr const char* kGlyphFontFamily = "Noto Serif CJK TC";

}  // namespace tv::tilegen
