// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the tileset descriptor parser, then checks that every size it
// read is within the parser's promised range and that the sizes, written back one a
// line, read back the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "field/tileset_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<tv::TileSize> first = tv::ParseTilesetDescriptor(text);
  if (static_cast<int>(first.size()) > tv::kMaxTileSizesPerTileset) __builtin_trap();
  std::string written;
  for (const tv::TileSize& s : first) {
    auto inRange = [](int v) { return v >= 1 && v <= 1000; };
    if (!inRange(s.W) || !inRange(s.H) || !inRange(s.dx) || s.dx != s.dy) __builtin_trap();
    (void)tv::IsSensibleTileSize(s);
    written += "width: " + std::to_string(s.W) + "; height: " + std::to_string(s.H) +
               "; depth: " + std::to_string(s.dx) + ";\r\n";
  }
  if (tv::ParseTilesetDescriptor(written) != first) __builtin_trap();
  return 0;
}
