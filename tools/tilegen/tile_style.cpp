// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_style.h"

#include "game/files.h"

namespace tv::tilegen {

namespace {

// Even face sizes keep half-tile steps whole pixels; about 3:4 like a real tile. The
// largest fill a 3840 by 2160 window at one picture pixel per screen pixel.
std::vector<TileSize> StandardSizes() {
  return {{20, 26, 3},    {26, 34, 4},    {32, 42, 4},    {38, 50, 5},    {44, 58, 6},
          {50, 66, 6},    {58, 76, 7},    {66, 86, 8},    {76, 100, 9},   {88, 116, 10},
          {100, 132, 11}, {116, 152, 12}, {134, 176, 14}, {154, 202, 16}, {178, 234, 18},
          {206, 270, 20}, {238, 312, 22}};
}

TileStyle Standard() {
  TileStyle s;
  s.name = "standard";
  s.face_top = QColor(255, 252, 238);
  s.face_bottom = QColor(236, 226, 198);
  s.highlight = QColor(255, 255, 255);
  s.red = QColor(196, 32, 32);
  s.green = QColor(24, 128, 56);
  s.blue = QColor(28, 64, 160);
  s.ink = QColor(24, 24, 32);
  s.season_backdrop = QColor(214, 230, 246);
  s.flower_backdrop = QColor(248, 220, 224);
  s.editor_top = QColor(250, 246, 232);
  s.editor_bottom = QColor(222, 214, 190);
  s.cursor_top = QColor(214, 236, 255);
  s.cursor_bottom = QColor(164, 200, 236);
  s.cursor_mark = QColor(24, 80, 168);
  s.corner_index = true;
  s.latin_faces = false;
  s.sizes = StandardSizes();
  return s;
}

// Dark faces with bright ink, for dark backgrounds and dim rooms.
TileStyle Night() {
  TileStyle s;
  s.name = "night";
  s.face_top = QColor(88, 98, 120);
  s.face_bottom = QColor(58, 66, 84);
  s.highlight = QColor(214, 222, 238);
  s.rim = QColor(170, 182, 206);
  s.red = QColor(255, 108, 96);
  s.green = QColor(104, 220, 128);
  s.blue = QColor(120, 172, 255);
  s.ink = QColor(236, 236, 228);
  s.season_backdrop = QColor(52, 70, 100);
  s.flower_backdrop = QColor(96, 54, 70);
  s.editor_top = QColor(70, 78, 92);
  s.editor_bottom = QColor(44, 48, 60);
  s.cursor_top = QColor(60, 100, 150);
  s.cursor_bottom = QColor(36, 64, 104);
  s.cursor_mark = QColor(200, 228, 255);
  s.corner_index = true;
  s.latin_faces = false;
  s.sizes = StandardSizes();
  return s;
}

// Crisp white faces whose numbers and winds are large Latin signs, for players
// who do not read the characters.
TileStyle Clear() {
  TileStyle s = Standard();
  s.name = "clear";
  s.face_top = QColor(255, 255, 255);
  s.face_bottom = QColor(230, 233, 238);
  s.highlight = QColor(255, 255, 255);
  s.red = QColor(212, 24, 32);
  s.green = QColor(0, 136, 64);
  s.blue = QColor(0, 84, 200);
  s.ink = QColor(16, 16, 16);
  s.editor_top = QColor(250, 250, 250);
  s.editor_bottom = QColor(220, 222, 228);
  s.corner_index = false;
  s.latin_faces = true;
  return s;
}

}  // namespace

const std::vector<TileStyle>& BuiltInStyles() {
  static const std::vector<TileStyle> styles = {Standard(), Night(), Clear()};
  return styles;
}

const TileStyle* FindStyle(std::string_view name) {
  for (const TileStyle& s : BuiltInStyles())
    if (EqualsIgnoreCase(s.name, name)) return &s;
  return nullptr;
}

}  // namespace tv::tilegen
