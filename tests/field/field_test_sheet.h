// SPDX-License-Identifier: GPL-3.0-or-later
// Small tilesets of the tests' own making: a descriptor and plain-coloured
// sheets written into a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "field/picture_loader.h"
#include "field/pixel_buffer.h"
#include "field/tileset_descriptor.h"
#include "support/succeeded.h"
#include "support/temp_dir.h"

namespace tv::test {

// Colour of the face in sheet cell (col, row): distinct per cell, no channel 0 or 255.
inline int CellColor(int col, int row) {
  return JoinColor(40 + col * 20, 60 + row * 30, 200 - col * 10 - row * 5);
}

// A sheet whose cells are filled with CellColor, with a one-pixel white dot at
// each cell's top-left so that misplaced copies show.
inline PixelBuffer MakeSheet(int w, int h, int extraWidth = 0, int extraHeight = 0) {
  PixelBuffer sheet(9 * w + extraWidth, 5 * h + extraHeight);
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 9; ++col) {
      FillBlock(sheet, col * w, row * h, w, h, CellColor(col, row));
      sheet.SetPixel(col * w, row * h, kColorWhite);
    }
  return sheet;
}

// The shared temporary folder, with writers for descriptors and sheets.
class TileDir : public TempDir {
 public:
  std::string str() const { return dir(); }

  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(path() / name, std::ios::binary) << text;
  }
  void WriteSheet(const std::string& name, const PixelBuffer& sheet) const {
    ASSERT_TRUE(test::Succeeded(SavePng(sheet, (path() / name).string())));
  }
};

}  // namespace tv::test
