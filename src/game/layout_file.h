// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing layout files (.mah): magic, tile count, scrambled block.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/board.h"
#include "game/result.h"

namespace tv {

// The values are the tool's exit codes for a layout that cannot be read.
enum class LayoutReadCode {
  kRead = 0,
  kMissing = 1,
  kNotLayout = 2,
  kInvalid = 3,  // header announces an impossible tile count or block size
  kIoError = 4,  // the file ended early or could not be read
};

enum class LayoutWriteCode {
  kWritten = 0,
  kBadPositions = 1,  // the positions fail CheckLayoutPositions
  kIoError = 2,
};

enum class LayoutCheckCode {
  kFits = 0,
  kOddCount = 1,
  kTooMany = 2,
  kTooWide = 3,  // some coordinate does not fit the file's byte after the shift to 0
  kSamePlace = 4,
};

struct LayoutPosition {
  int X = 0, Y = 0, Z = 0;
  bool operator==(const LayoutPosition&) const = default;
};

// "dir/name.mah" -> "name": the directory and a trailing ".mah" (any letter case)
// dropped; every other dot belongs to the name. Only for a path or file name coming in.
std::string BareLayoutName(std::string_view nameOrPath);

// The one way from a layout's name to its file: the file FindLayoutFile finds for
// the name, else layoutsDir + name + ".mah" (where a new layout goes). The name is
// taken as it is; layoutsDir ends with '/' or is empty.
std::string LayoutPath(std::string_view layoutsDir, std::string_view name);

// XORs each overlapping 16-bit little-endian word with 0x2B96; its own inverse.
void ScrambleBlock(std::uint8_t* data, std::int32_t size);

// Parses a whole layout file held in memory. On success fills `positions`. A failure's
// message is LayoutReadMessage's text, or for kIoError what went wrong.
Result ParseLayoutBytes(const std::vector<std::uint8_t>& bytes,
                        std::vector<LayoutPosition>& positions, std::string_view fileName = "");

// Puts the positions (at most 144) into slots 0.. as present tiles and sets
// TileCount; nothing else of the board changes.
void PutPositions(MODE_P& board, const std::vector<LayoutPosition>& positions);

// Reads the layout file at `path` (LayoutReadCode); only the tools and the folder's
// scan, which know the file, read by path.
Result ReadLayoutFilePositions(const std::string& path, std::vector<LayoutPosition>& positions);
// The board's LayoutName becomes the file's name (CleanLayoutName); a failure leaves
// the board untouched.
Result ReadLayoutFile(const std::string& path, MODE_P& board);

// The layout of that name (LayoutPath) into the board, named as its file is.
Result ReadLayout(std::string_view layoutsDir, std::string_view name, MODE_P& board);

// Reads only the positions of a layout (previews).
Result ReadLayoutPositions(std::string_view layoutsDir, std::string_view name,
                           std::vector<LayoutPosition>& positions);

// Whether a layout file can hold these positions as they are (LayoutCheckCode): an even
// count of at most 144, each axis spanning at most 256 units, no two tiles in one place.
Result CheckLayoutPositions(const std::vector<LayoutPosition>& positions);

// The bytes of a layout file holding these positions, shifted to start at 0.
std::vector<std::uint8_t> EncodeLayout(const std::vector<LayoutPosition>& positions);

// Writes the positions to `path` whole or not at all (temporary file, then rename)
// (LayoutWriteCode). Positions a layout file cannot hold are refused and nothing is
// written.
Result WriteLayoutFile(const std::string& path, const std::vector<LayoutPosition>& positions);

// Writes the board's slots 0..TileCount-1 to the file of that name (LayoutPath: an
// existing layout whose name differs only in letter case is written over under its
// own name) and names the board as the file is.
Result WriteLayout(std::string_view layoutsDir, std::string_view name, MODE_P& board);

Result WriteLayoutPositions(std::string_view layoutsDir, std::string_view name,
                            const std::vector<LayoutPosition>& positions);

// The player's message for a failed read, with the file name.
Text LayoutReadText(LayoutReadCode code, std::string_view fileName);
std::string LayoutReadMessage(LayoutReadCode code, std::string_view fileName);  // in English

}  // namespace tv
