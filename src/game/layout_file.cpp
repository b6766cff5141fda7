// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and writes layout files, checking the whole input before anything changes.
#include "game/layout_file.h"

#include <algorithm>
#include <cstring>

#include "game/files.h"
#include "game/names.h"

namespace tv {

namespace {

constexpr char kMagic[10] = {'T', 'V', 'M', 'A', 'H', '_', 'L', 'A', 'Y', '\0'};
constexpr int kHeaderSize = 18;

std::int32_t ReadInt32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
      (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

void PutInt32(std::vector<std::uint8_t>& out, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
}

}  // namespace

std::string BareLayoutName(std::string_view nameOrPath) {
  const std::size_t slash = nameOrPath.find_last_of("/\\");
  if (slash != std::string_view::npos) nameOrPath.remove_prefix(slash + 1);
  if (nameOrPath.size() >= 4 && LowerAscii(nameOrPath.substr(nameOrPath.size() - 4)) == ".mah")
    nameOrPath.remove_suffix(4);
  return std::string(nameOrPath);
}

std::string LayoutPath(std::string_view layoutsDir, std::string_view name) {
  std::string file = FindLayoutFile(layoutsDir, name);
  if (file.empty()) file = std::string(name) + ".mah";
  return std::string(layoutsDir) + file;
}

void ScrambleBlock(std::uint8_t* data, std::int32_t size) {
  for (std::int32_t i = 0; i + 1 < size; ++i) {
    data[i] ^= 0x96;
    data[i + 1] ^= 0x2B;
  }
}

Result ParseLayoutBytes(const std::vector<std::uint8_t>& bytes,
                        std::vector<LayoutPosition>& positions, std::string_view fileName) {
  auto fail = [&](LayoutReadCode code) {
    return Result::Fail(code, LayoutReadText(code, fileName));
  };
  auto ioError = [](const char* what) {
    return Result::Fail(LayoutReadCode::kIoError, Text::Template(what));
  };
  if (bytes.size() < sizeof kMagic)
    return ioError(TV_TRANSLATE_NOOP("Messages", "file ends inside the magic"));
  if (std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    return fail(LayoutReadCode::kNotLayout);
  if (bytes.size() < kHeaderSize)
    return ioError(TV_TRANSLATE_NOOP("Messages", "file ends inside the header"));
  const std::int32_t n = ReadInt32(bytes.data() + 10);
  const std::int32_t s = ReadInt32(bytes.data() + 14);
  if (n < 0 || n > kMaxTiles || n % 2 != 0 || s < 0 || s < 3 * n)
    return fail(LayoutReadCode::kInvalid);
  if (bytes.size() - kHeaderSize < static_cast<std::uint64_t>(s))
    return ioError(TV_TRANSLATE_NOOP("Messages", "file is shorter than its header announces"));
  // Each byte is XORed with the mask's low byte unless it is the last of the block
  // and with its high byte unless it is the first, so the records decode alone.
  positions.clear();
  positions.reserve(static_cast<std::size_t>(n));
  const std::uint8_t* block = bytes.data() + kHeaderSize;
  auto decoded = [&](std::int32_t k) {
    std::uint8_t b = block[k];
    if (k + 1 < s) b ^= 0x96;
    if (k > 0) b ^= 0x2B;
    return b;
  };
  for (std::int32_t i = 0; i < n; ++i)
    positions.push_back({decoded(3 * i), decoded(3 * i + 1), decoded(3 * i + 2)});
  // Tiles on one spot cannot all be shown or reached: the writer refuses them too.
  if (!CheckLayoutPositions(positions)) {
    positions.clear();
    return fail(LayoutReadCode::kInvalid);
  }
  return {};
}

Result ReadLayoutFilePositions(const std::string& path, std::vector<LayoutPosition>& positions) {
  const std::string fileName = Utf8OrLatin1(path.substr(path.find_last_of('/') + 1));
  if (!FileExists(path))
    return Result::Fail(LayoutReadCode::kMissing,
                        LayoutReadText(LayoutReadCode::kMissing, fileName));
  std::vector<std::uint8_t> bytes;
  if (Result read = ReadWholeFile(path, bytes, kMaxLayoutFileBytes); !read)
    return Result::Fail(LayoutReadCode::kIoError, read.Words());
  return ParseLayoutBytes(bytes, positions, fileName);
}

Result ReadLayoutPositions(std::string_view layoutsDir, std::string_view name,
                           std::vector<LayoutPosition>& positions) {
  return ReadLayoutFilePositions(LayoutPath(layoutsDir, name), positions);
}

void PutPositions(MODE_P& board, const std::vector<LayoutPosition>& positions) {
  const int n = static_cast<int>(std::min(positions.size(), static_cast<std::size_t>(kMaxTiles)));
  for (int i = 0; i < n; ++i) {
    TILE_P& t = board.Tiles[i];
    t.X = positions[i].X;
    t.Y = positions[i].Y;
    t.Z = positions[i].Z;
    t.Present = true;
  }
  board.Game.TileCount = n;
}

Result ReadLayoutFile(const std::string& path, MODE_P& board) {
  std::vector<LayoutPosition> positions;
  if (Result read = ReadLayoutFilePositions(path, positions); !read) return read;
  PutPositions(board, positions);
  board.SetLayoutName(CleanLayoutName(BareLayoutName(path)));
  ComputeGridExtent(board);
  board.Game.FreeCount = MarkFreeTiles(board);  // every tile is present here
  return {};
}

Result ReadLayout(std::string_view layoutsDir, std::string_view name, MODE_P& board) {
  return ReadLayoutFile(LayoutPath(layoutsDir, name), board);
}

Result CheckLayoutPositions(const std::vector<LayoutPosition>& positions) {
  const std::size_t n = positions.size();
  if (n > static_cast<std::size_t>(kMaxTiles))
    return Result::Fail(
        LayoutCheckCode::kTooMany,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "a layout holds at most %1 tiles, not %2"),
                       {std::to_string(kMaxTiles), std::to_string(n)}));
  if (n % 2 != 0)
    return Result::Fail(
        LayoutCheckCode::kOddCount,
        Text::Template(
            TV_TRANSLATE_NOOP("Messages", "a layout needs an even number of tiles, not %1"),
            {std::to_string(n)}));
  if (n == 0) return {};
  const auto span = [&](int LayoutPosition::*axis) {
    const auto [low, high] = std::minmax_element(
        positions.begin(), positions.end(),
        [axis](const LayoutPosition& a, const LayoutPosition& b) { return a.*axis < b.*axis; });
    return static_cast<long long>((*high).*axis) - (*low).*axis;
  };
  if (span(&LayoutPosition::X) > 255 || span(&LayoutPosition::Y) > 255 ||
      span(&LayoutPosition::Z) > 255)
    return Result::Fail(LayoutCheckCode::kTooWide,
                        Text::Template(TV_TRANSLATE_NOOP(
                            "Messages", "the layout spans more than 256 units in some direction")));
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (positions[i] == positions[j]) {
        const LayoutPosition& p = positions[i];
        return Result::Fail(
            LayoutCheckCode::kSamePlace,
            Text::Template(TV_TRANSLATE_NOOP("Messages", "two tiles stand at (%1, %2, %3)"),
                           {std::to_string(p.X), std::to_string(p.Y), std::to_string(p.Z)}));
      }
  return {};
}

std::vector<std::uint8_t> EncodeLayout(const std::vector<LayoutPosition>& positions) {
  const auto n = static_cast<std::int32_t>(positions.size());
  int minX = 0, minY = 0, minZ = 0;
  if (n > 0) {
    minX = minY = minZ = 1 << 30;
    for (const auto& p : positions) {
      minX = std::min(minX, p.X);
      minY = std::min(minY, p.Y);
      minZ = std::min(minZ, p.Z);
    }
  }
  const std::int32_t s = 3 * n + ((3 * n) % 2);
  std::vector<std::uint8_t> out(kMagic, kMagic + sizeof kMagic);
  PutInt32(out, n);
  PutInt32(out, s);
  std::vector<std::uint8_t> block(static_cast<std::size_t>(s), 0);
  for (std::int32_t i = 0; i < n; ++i) {
    block[3 * i] = static_cast<std::uint8_t>(positions[i].X - minX);
    block[3 * i + 1] = static_cast<std::uint8_t>(positions[i].Y - minY);
    block[3 * i + 2] = static_cast<std::uint8_t>(positions[i].Z - minZ);
  }
  ScrambleBlock(block.data(), s);
  out.insert(out.end(), block.begin(), block.end());
  return out;
}

Result WriteLayoutFile(const std::string& path, const std::vector<LayoutPosition>& positions) {
  if (Result fits = CheckLayoutPositions(positions); !fits)
    return Result::Fail(LayoutWriteCode::kBadPositions, fits.Words());
  const std::vector<std::uint8_t> bytes = EncodeLayout(positions);
  if (Result written = WriteFileAtomically(path, bytes.data(), bytes.size()); !written)
    return Result::Fail(LayoutWriteCode::kIoError, written.Words());
  return {};
}

Result WriteLayoutPositions(std::string_view layoutsDir, std::string_view name,
                            const std::vector<LayoutPosition>& positions) {
  return WriteLayoutFile(LayoutPath(layoutsDir, name), positions);
}

Result WriteLayout(std::string_view layoutsDir, std::string_view name, MODE_P& board) {
  std::vector<LayoutPosition> positions;
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i)
    positions.push_back({board.Tiles[i].X, board.Tiles[i].Y, board.Tiles[i].Z});
  const std::string path = LayoutPath(layoutsDir, name);
  if (Result written = WriteLayoutFile(path, positions); !written) return written;
  board.SetLayoutName(CleanLayoutName(BareLayoutName(path)));
  return {};
}

Text LayoutReadText(LayoutReadCode code, std::string_view fileName) {
  const char* pattern = TV_TRANSLATE_NOOP("Messages", "Failed reading file \"%1\"!");
  if (code == LayoutReadCode::kMissing)
    pattern = TV_TRANSLATE_NOOP("Messages", "File \"%1\" does not exist!");
  else if (code == LayoutReadCode::kNotLayout)
    pattern = TV_TRANSLATE_NOOP("Messages", "File \"%1\" is not a layout file!");
  else if (code == LayoutReadCode::kInvalid)
    pattern = TV_TRANSLATE_NOOP("Messages", "Invalid parameter in file \"%1\"!");
  return Text::Template(pattern, {std::string(fileName)});
}

std::string LayoutReadMessage(LayoutReadCode code, std::string_view fileName) {
  return LayoutReadText(code, fileName).English();
}

}  // namespace tv
