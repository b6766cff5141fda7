// SPDX-License-Identifier: GPL-3.0-or-later
// Parses tileset descriptors line by line, refusing values out of range.
#include "field/tileset_descriptor.h"

#include <cctype>

namespace tv {

int DescriptorValue(std::string_view line, std::string_view key) {
  const std::size_t at = line.find(key);
  if (at == std::string_view::npos) return -1;
  const std::size_t start = at + key.size();
  const std::size_t end = line.find(';', start);
  if (end == std::string_view::npos) return 0;
  std::string_view value = line.substr(start, end - start);
  while (!value.empty() && std::isspace(static_cast<unsigned char>(value.front())))
    value.remove_prefix(1);
  long long v = 0;
  for (char c : value) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    v = v * 10 + (c - '0');
    if (v > 1000000) break;  // already out of range; stop before it can overflow
  }
  return static_cast<int>(v);
}

bool ParseTileSizeLine(std::string_view line, TileSize& size) {
  const int w = DescriptorValue(line, "width:");
  const int h = DescriptorValue(line, "height:");
  const int d = DescriptorValue(line, "depth:");
  auto inRange = [](int v) { return v >= 1 && v <= 1000; };
  if (!inRange(w) || !inRange(h) || !inRange(d)) return false;
  size = TileSize{w, h, d, d};
  return true;
}

bool IsSensibleTileSize(const TileSize& size) {
  return size.W >= kMinTileSide && size.W <= kMaxTileWidth && size.H >= kMinTileSide &&
         size.H <= kMaxTileHeight && size.dx >= 1 && size.dx <= kMaxTileDepth &&
         size.dx <= size.W / 2 && size.dy >= 1 && size.dy <= size.H / 2;
}

std::vector<TileSize> ParseTilesetDescriptor(std::string_view text) {
  std::vector<TileSize> sizes;
  while (!text.empty() && static_cast<int>(sizes.size()) < kMaxTileSizesPerTileset) {
    const std::size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    TileSize size;
    if (ParseTileSizeLine(line, size)) sizes.push_back(size);
    if (nl == std::string_view::npos) break;
    text.remove_prefix(nl + 1);
  }
  return sizes;
}

std::string TileSheetFileName(std::string_view tilesetName, int W, int H) {
  return std::string(tilesetName) + "-" + std::to_string(W) + "-" + std::to_string(H) + ".png";
}

}  // namespace tv
