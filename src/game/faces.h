// SPDX-License-Identifier: GPL-3.0-or-later
// The 42 tile faces: names, match classes, the full set in pair order and the
// face's cell in a tileset's picture sheet.
#pragma once

#include <array>
#include <cstdint>

#include "game/text.h"

namespace tv {

constexpr int kFaceCount = 42;
constexpr int kFullSetSize = 144;
constexpr int kPairCount = 72;
constexpr int kSheetColumns = 9;
constexpr int kSheetRows = 5;

// The editor draws its tiles with these two otherwise unused sheet cells.
constexpr int kEditorTileCol = 7, kEditorTileRow = 4;
constexpr int kEditorCursorCol = 8, kEditorCursorRow = 4;

extern const std::array<const char*, kFaceCount> FaceNames;
extern const std::array<std::uint8_t, kFaceCount> FaceClass;
extern const std::array<std::uint8_t, kFullSetSize> FullSet;

const char* FaceName(int face);  // in English
// The face's name to show: a suit's template with the number, or the honour's own name.
Text FaceText(int face);
std::uint8_t MatchClassOf(int face);

struct SheetCell {
  int col;
  int row;
};
SheetCell SheetCellOf(int face);

}  // namespace tv
