#include "game/layout_file.h"

#include <algorithm>
#include <cstring>

#include "game/files.h"

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
  const std::size_t dot = nameOrPath.rfind('.');
  if (dot != std::string_view::npos) nameOrPath = nameOrPath.substr(0, dot);
  return std::string(nameOrPath);
}

std::string LayoutPath(std::string_view layoutsDir, std::string_view name) {
  return std::string(layoutsDir) + BareLayoutName(name) + ".mah";
}

void ScrambleBlock(std::uint8_t* data, std::int32_t size) {
  for (std::int32_t i = 0; i + 1 < size; ++i) {
    data[i] ^= 0x96;
    data[i + 1] ^= 0x2B;
  }
}

int ParseLayoutBytes(const std::vector<std::uint8_t>& bytes, std::vector<LayoutPosition>& positions,
                     std::string* error) {
  auto ioError = [&](const char* what) {
    if (error) *error = what;
    return kLayoutIoError;
  };
  if (bytes.size() < sizeof kMagic) return ioError("file ends inside the magic");
  if (std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) return kLayoutNotLayout;
  if (bytes.size() < kHeaderSize) return ioError("file ends inside the header");
  const std::int32_t n = ReadInt32(bytes.data() + 10);
  const std::int32_t s = ReadInt32(bytes.data() + 14);
  if (n < 0 || n > kMaxTiles || n % 2 != 0 || s < 0 || s < 3 * n) return kLayoutInvalid;
  if (bytes.size() - kHeaderSize < static_cast<std::uint64_t>(s))
    return ioError("file is shorter than its header announces");
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
  return kLayoutRead;
}

int ReadLayoutPositions(std::string_view layoutsDir, std::string_view name,
                        std::vector<LayoutPosition>& positions, std::string* error) {
  const std::string path = ResolveCaseInsensitive(LayoutPath(layoutsDir, name));
  if (!FileExists(path)) return kLayoutMissing;
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, error)) return kLayoutIoError;
  return ParseLayoutBytes(bytes, positions, error);
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

int ReadLayout(std::string_view layoutsDir, std::string_view name, MODE_P& board,
               std::string* error) {
  std::vector<LayoutPosition> positions;
  const int code = ReadLayoutPositions(layoutsDir, name, positions, error);
  if (code != kLayoutRead) return code;
  PutPositions(board, positions);
  board.SetLayoutName(BareLayoutName(name));
  ComputeGridExtent(board);
  board.Game.FreeCount = MarkFreeTiles(board);  // every tile is present here
  return kLayoutRead;
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

bool WriteLayoutPositions(std::string_view layoutsDir, std::string_view name,
                          const std::vector<LayoutPosition>& positions, std::string* error) {
  const std::vector<std::uint8_t> bytes = EncodeLayout(positions);
  return WriteFileAtomically(LayoutPath(layoutsDir, name), bytes.data(), bytes.size(), error);
}

bool WriteLayout(std::string_view layoutsDir, std::string_view name, MODE_P& board,
                 std::string* error) {
  std::vector<LayoutPosition> positions;
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i)
    positions.push_back({board.Tiles[i].X, board.Tiles[i].Y, board.Tiles[i].Z});
  if (!WriteLayoutPositions(layoutsDir, name, positions, error)) return false;
  board.SetLayoutName(BareLayoutName(name));
  return true;
}

std::string LayoutReadMessage(int code, std::string_view fileName) {
  const std::string name(fileName);
  switch (code) {
    case kLayoutMissing:
      return "File \"" + name + "\" does not exist!";
    case kLayoutNotLayout:
      return "File \"" + name + "\" is not a layout file!";
    case kLayoutInvalid:
      return "Invalid parameter in file \"" + name + "\"!";
    default:
      return "Failed reading file \"" + name + "\"!";
  }
}

}  // namespace tv
