// Reading and writing layout files (.mah): magic, tile count, scrambled block.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/board.h"

namespace tv {

enum LayoutReadCode : int {
  kLayoutRead = 0,
  kLayoutMissing = 1,
  kLayoutNotLayout = 2,
  kLayoutInvalid = 3,  // header announces an impossible tile count or block size
  kLayoutIoError = 4,  // the file ended early or could not be read
};

struct LayoutPosition {
  int X = 0, Y = 0, Z = 0;
  bool operator==(const LayoutPosition&) const = default;
};

// "dir/name.ext" -> "name": directory dropped, then the extension from the last dot.
std::string BareLayoutName(std::string_view nameOrPath);

// layoutsDir + bare name + ".mah"; layoutsDir ends with '/' or is empty.
std::string LayoutPath(std::string_view layoutsDir, std::string_view name);

// XORs each overlapping 16-bit little-endian word with 0x2B96; its own inverse.
void ScrambleBlock(std::uint8_t* data, std::int32_t size);

// Parses a whole layout file held in memory. On success fills `positions`;
// `error` (optional) describes an I/O failure.
int ParseLayoutBytes(const std::vector<std::uint8_t>& bytes, std::vector<LayoutPosition>& positions,
                     std::string* error = nullptr);

// Puts the positions (at most 144) into slots 0.. as present tiles and sets
// TileCount; nothing else of the board changes.
void PutPositions(MODE_P& board, const std::vector<LayoutPosition>& positions);

// Reads layoutsDir/name.mah into the board; codes 1 to 4 leave the board untouched.
int ReadLayout(std::string_view layoutsDir, std::string_view name, MODE_P& board,
               std::string* error = nullptr);

// Reads only the positions of a layout file (previews, tools).
int ReadLayoutPositions(std::string_view layoutsDir, std::string_view name,
                        std::vector<LayoutPosition>& positions, std::string* error = nullptr);

// The bytes of a layout file holding these positions, shifted to start at 0.
std::vector<std::uint8_t> EncodeLayout(const std::vector<LayoutPosition>& positions);

// Writes the board's slots 0..TileCount-1 whole or not at all (temporary file,
// then rename) and sets the board's LayoutName. Returns false with `error` set.
bool WriteLayout(std::string_view layoutsDir, std::string_view name, MODE_P& board,
                 std::string* error = nullptr);

bool WriteLayoutPositions(std::string_view layoutsDir, std::string_view name,
                          const std::vector<LayoutPosition>& positions,
                          std::string* error = nullptr);

// Message for a non-zero read code, with the file name.
std::string LayoutReadMessage(int code, std::string_view fileName);

}  // namespace tv
