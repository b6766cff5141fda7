// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a style into a tileset on disk: one PNG sheet per tile size and the
// descriptor that lists the sizes.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "tile_style.h"

namespace tv::tilegen {

// 9 by 5 faces of size.width by size.height, no gaps, 24 bits per pixel.
QImage DrawSheet(const TileStyle& style, const TileSize& size);

// An 8-bit RGB PNG of an RGB888 picture; empty with `error` set on failure.
std::vector<std::uint8_t> EncodePng(const QImage& rgb888, std::string* error);

// Encodes and writes a whole PNG file, or nothing.
bool WritePng(const std::string& path, const QImage& rgb888, std::string* error);

std::string SheetFileName(const std::string& tileset, const TileSize& size);
std::string DescriptorText(const TileStyle& style);

// The strip of blank preview tiles the layout chooser draws its previews with:
// square pictures of the given sides and edges side by side, each followed by a
// magenta marker pixel in the top row; black is transparent, so the tiles use
// no black at all. 88 by 25 for the built-in five sizes.
struct PreviewTile {
  int side;
  int edge;
};
inline constexpr PreviewTile kPreviewTiles[] = {{12, 2}, {14, 2}, {17, 3}, {19, 3}, {21, 3}};
inline constexpr int kPreviewStripHeight = 25;
QImage DrawPreviewStrip(const TileStyle& style);

// Writes every sheet, then the descriptor last, so a tileset is never listed
// before its pictures exist. Each file is written whole or not at all.
bool WriteTileset(const std::string& directory, const TileStyle& style, std::string* error);

}  // namespace tv::tilegen
