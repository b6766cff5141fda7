// SPDX-License-Identifier: GPL-3.0-or-later
// The tileset descriptor: one tile size per line holding "width:", "height:" and
// "depth:", and the name of each size's picture sheet.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tv {

// Face width and height, edge width and height, in pixels.
struct TileSize {
  int W = 0, H = 0, dx = 0, dy = 0;
  bool operator==(const TileSize&) const = default;
};

constexpr int kMaxTileSizesPerTileset = 20;

// Tiles a field can show: from a thumbnail-sized 8 by 8 up to beyond what a 4K screen
// needs, with a depth that leaves the face most of the tile.
constexpr int kMinTileSide = 8;
constexpr int kMaxTileWidth = 512;
constexpr int kMaxTileHeight = 640;
constexpr int kMaxTileDepth = 64;
bool IsSensibleTileSize(const TileSize& size);

// The value of `key` in `line`: the text between the key's first occurrence and
// the first ';' after it, trimmed, its leading decimal digits (0 without any).
// A key that is missing gives -1; one without a following ';' gives 0.
int DescriptorValue(std::string_view line, std::string_view key);

// True when the line defines a tile size: all three keys, each value 1..1000.
bool ParseTileSizeLine(std::string_view line, TileSize& size);

// The sizes a whole descriptor defines, in line order; lines past the 20th valid
// one are ignored. Accepts LF and CR LF line ends.
std::vector<TileSize> ParseTilesetDescriptor(std::string_view text);

// "name-W-H.png".
std::string TileSheetFileName(std::string_view tilesetName, int W, int H);

}  // namespace tv
