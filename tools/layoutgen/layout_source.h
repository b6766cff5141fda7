// SPDX-License-Identifier: GPL-3.0-or-later
// Text sources of the shipped layouts: parsing, checking and turning them into
// layout files. Header-only so the shipped-layouts test compiles the same code.
//
// Source format (one file per layout, data/layout-src/<Name>.txt; the layout is
// named after the file):
//   - Lines starting with ';' are comments and are skipped everywhere.
//   - "level N" starts the grid of level N; levels run 0, 1, 2... in order.
//   - Every other line of a level is one grid row, in half-tile units: the first
//     row after the header is Y = 0, the first character X = 0. All levels share
//     one frame, so an upper level is drawn exactly above the tiles it rests on.
//   - '#' marks the top-left unit of a tile (the tile covers X, X+1 and Y, Y+1);
//     '.' and ' ' are empty units. Any other character is an error.
// The generator refuses a source whose tiles overlap on one level, whose upper
// tiles rest on nothing, or whose count is odd, zero or above 144.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "game/board.h"
#include "game/layout_file.h"

namespace tv::layoutgen {

struct SourceTile {
  LayoutPosition position;
  int line = 0;  // source line that holds the tile's marker
};

inline std::string SourceError(std::string_view file, int line, std::string_view message) {
  return std::string(file) + ":" + std::to_string(line) + ": " + std::string(message);
}

// "level N" with N a decimal number and nothing else but spaces after it; -1 otherwise.
inline int ParseLevelHeader(std::string_view line) {
  std::size_t i = 5;  // after "level"
  if (i >= line.size() || line[i] != ' ') return -1;
  while (i < line.size() && line[i] == ' ') ++i;
  int value = 0, digits = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && digits < 4; ++i, ++digits)
    value = value * 10 + (line[i] - '0');
  while (i < line.size() && line[i] == ' ') ++i;
  return digits > 0 && i == line.size() ? value : -1;
}

// Parses one source. `file` names it in messages ("file:line: what").
// Returns false with `error` set and `positions` untouched on any fault.
inline bool ParseLayoutSource(std::string_view file, std::string_view text,
                              std::vector<LayoutPosition>& positions, std::string& error) {
  std::vector<SourceTile> tiles;
  int level = -1;
  int row = 0;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line.front() == ';') continue;

    if (line.starts_with("level")) {
      const int value = ParseLevelHeader(line);
      if (value < 0) {
        error = SourceError(file, lineNumber, "expected \"level N\"");
        return false;
      }
      if (value != level + 1) {
        error = SourceError(file, lineNumber,
                            "level " + std::to_string(value) + " where level " +
                                std::to_string(level + 1) + " was expected");
        return false;
      }
      level = value;
      row = 0;
      continue;
    }

    if (level < 0) {
      if (line.find_first_not_of(' ') == std::string_view::npos) continue;
      error = SourceError(file, lineNumber, "grid row before the first \"level 0\"");
      return false;
    }
    for (std::size_t column = 0; column < line.size(); ++column) {
      const char c = line[column];
      if (c == '.' || c == ' ') continue;
      if (c != '#') {
        error = SourceError(file, lineNumber,
                            std::string("unexpected character '") + c + "' in column " +
                                std::to_string(column + 1));
        return false;
      }
      // The file stores coordinates in one byte; keep clear of the edge.
      if (column > 250 || row > 250 || level > 250) {
        error = SourceError(file, lineNumber, "tile lies beyond 250 units or levels");
        return false;
      }
      if (static_cast<int>(tiles.size()) == kMaxTiles) {
        error = SourceError(file, lineNumber,
                            "more than " + std::to_string(kMaxTiles) + " tiles in the layout");
        return false;
      }
      tiles.push_back({{static_cast<int>(column), row, level}, lineNumber});
    }
    ++row;
  }

  const auto at = [](const SourceTile& t) {
    return "(X " + std::to_string(t.position.X) + ", Y " + std::to_string(t.position.Y) +
           ", level " + std::to_string(t.position.Z) + ")";
  };
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const LayoutPosition& p = tiles[i].position;
    bool resting = p.Z == 0;
    for (std::size_t j = 0; j < tiles.size(); ++j) {
      const LayoutPosition& q = tiles[j].position;
      const bool near = std::abs(p.X - q.X) <= 1 && std::abs(p.Y - q.Y) <= 1;
      if (j < i && near && q.Z == p.Z) {
        error = SourceError(file, tiles[i].line,
                            "tile at " + at(tiles[i]) + " overlaps the tile at " + at(tiles[j]) +
                                " from line " + std::to_string(tiles[j].line));
        return false;
      }
      if (near && q.Z == p.Z - 1) resting = true;
    }
    if (!resting) {
      error = SourceError(file, tiles[i].line,
                          "tile at " + at(tiles[i]) + " rests on no tile of the level below");
      return false;
    }
  }

  const int count = static_cast<int>(tiles.size());
  if (count == 0 || count % 2 != 0) {
    error = SourceError(file, std::max(lineNumber, 1),
                        std::to_string(count) + " tiles; a layout needs an even count from 2 to " +
                            std::to_string(kMaxTiles));
    return false;
  }
  std::vector<LayoutPosition> parsed;
  for (const SourceTile& t : tiles) parsed.push_back(t.position);
  if (const Result fits = CheckLayoutPositions(parsed); !fits) {
    error = SourceError(file, 1, fits.Message());
    return false;
  }
  positions = std::move(parsed);
  return true;
}

struct ParsedLayout {
  std::string name;
  std::vector<LayoutPosition> positions;
};

// Reads and checks every "*.txt" of srcDir, sorted by file name. Nothing is
// returned unless all of them are sound.
inline bool ParseLayoutSources(const std::filesystem::path& srcDir,
                               std::vector<ParsedLayout>& layouts, std::string& error) {
  std::error_code ec;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(srcDir, ec)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt")
      files.push_back(entry.path());
  }
  if (ec) {
    error = srcDir.string() + ": " + ec.message();
    return false;
  }
  if (files.empty()) {
    error = srcDir.string() + ": no layout sources (*.txt)";
    return false;
  }
  std::sort(files.begin(), files.end());

  std::vector<ParsedLayout> parsed;
  for (const auto& path : files) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
      error = path.string() + ": cannot be read";
      return false;
    }
    ParsedLayout layout;
    layout.name = path.stem().string();
    // Players see the name and it becomes a file name again: keep it plain.
    const bool plain = std::all_of(layout.name.begin(), layout.name.end(), [](char c) {
      return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
             c == ' ' || c == '-' || c == '_';
    });
    if (layout.name.empty() || !plain) {
      error = path.string() + ": a layout name uses only letters, digits, spaces, '-' and '_'";
      return false;
    }
    if (!ParseLayoutSource(path.filename().string(), text.str(), layout.positions, error))
      return false;
    parsed.push_back(std::move(layout));
  }
  layouts = std::move(parsed);
  return true;
}

// Parses every source of srcDir and, only when all are sound, writes
// outDir/<name>.mah for each through the layout writer.
inline bool GenerateLayouts(const std::filesystem::path& srcDir,
                            const std::filesystem::path& outDir, std::vector<ParsedLayout>& layouts,
                            std::string& error) {
  if (!ParseLayoutSources(srcDir, layouts, error)) return false;
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (ec) {
    error = outDir.string() + ": " + ec.message();
    return false;
  }
  std::string dir = outDir.string();
  if (!dir.empty() && dir.back() != '/') dir += '/';
  for (const ParsedLayout& layout : layouts) {
    if (const Result written = WriteLayoutPositions(dir, layout.name, layout.positions); !written) {
      error = dir + layout.name + ".mah: " + written.Message();
      return false;
    }
  }
  return true;
}

}  // namespace tv::layoutgen
