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

std::string SheetFileName(const std::string& tileset, const TileSize& size);
std::string DescriptorText(const TileStyle& style);

// Writes every sheet, then the descriptor last, so a tileset is never listed
// before its pictures exist. Each file is written whole or not at all.
bool WriteTileset(const std::string& directory, const TileStyle& style, std::string* error);

}  // namespace tv::tilegen
