// SPDX-License-Identifier: GPL-3.0-or-later
// The game file: a small binary record, little-endian, of one kept game.
//
//   "TVGAMESV", uint32 version 1
//   uint8 name length (1..255), the layout name
//   uint64 layout hash, uint32 game number, uint8 counted, double played days
//   uint8 n (tile count, even, 2..144), n x (uint8 X, Y, Z, face, present)
//   n x (uint8 solution slot, cell)
//   uint8 undo count, that many x (uint8 first, second, uint16 moves, uint8 tiles left)
//   uint8 redo count, the same
//   uint8 reshuffles made (0..3), uint32 reshuffle seed,
//   uint8 saved count (0 or n), that many x (uint8 X, Y, Z, face)
#include "game/game_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "game/faces.h"
#include "game/files.h"
#include "game/game.h"
#include "game/layout_file.h"

namespace tv {
namespace {

constexpr char kMagic[8] = {'T', 'V', 'G', 'A', 'M', 'E', 'S', 'V'};
constexpr std::uint32_t kVersion = 1;
constexpr double kMostPlayedDays = 3650;

class Writer {
 public:
  void U8(std::uint32_t v) { out.push_back(static_cast<std::uint8_t>(v)); }
  void Le(std::uint64_t v, int bytes) {
    for (int k = 0; k < bytes; ++k) U8(static_cast<std::uint32_t>((v >> (8 * k)) & 0xFF));
  }
  std::vector<std::uint8_t> out;
};

// Bounds-checked: a read past the end fails and sets `ok` off for good.
class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : b_(bytes) {}
  std::uint64_t Le(int bytes) {
    if (b_.size() - pos_ < static_cast<std::size_t>(bytes)) {
      ok = false;
      pos_ = b_.size();
      return 0;
    }
    std::uint64_t v = 0;
    for (int k = bytes - 1; k >= 0; --k) v = (v << 8) | b_[pos_ + std::size_t(k)];
    pos_ += std::size_t(bytes);
    return v;
  }
  int U8() { return static_cast<int>(Le(1)); }
  bool AtEnd() const { return pos_ == b_.size(); }
  bool ok = true;

 private:
  const std::vector<std::uint8_t>& b_;
  std::size_t pos_ = 0;
};

void WriteSteps(Writer& w, const std::vector<KeptStep>& steps) {
  w.U8(static_cast<std::uint32_t>(steps.size()));
  for (const KeptStep& s : steps) {
    w.U8(static_cast<std::uint32_t>(s.FirstSlot));
    w.U8(static_cast<std::uint32_t>(s.SecondSlot));
    w.Le(static_cast<std::uint32_t>(s.MovesAvailable), 2);
    w.U8(static_cast<std::uint32_t>(s.TilesLeft));
  }
}

std::vector<KeptStep> ReadSteps(Reader& r) {
  std::vector<KeptStep> steps(static_cast<std::size_t>(r.U8()));
  for (KeptStep& s : steps) {
    s.FirstSlot = r.U8();
    s.SecondSlot = r.U8();
    s.MovesAvailable = static_cast<std::int32_t>(r.Le(2));
    s.TilesLeft = r.U8();
  }
  return steps;
}

Result Damaged(Text why) {
  return Result::Fail(GameFileCode::kDamaged,
                      Text::Template(TV_TRANSLATE_NOOP("Messages", "the game file is damaged: %1"),
                                     {std::move(why)}));
}

Result Damaged(const char* why) {
  return Damaged(Text::Template(why));
}

bool SamePlace(const KeptTile& a, const KeptTile& b) {
  return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

// The pair is two different slots of tiles with one match class.
bool IsPair(const KeptGame& k, int first, int second) {
  const int n = static_cast<int>(k.Tiles.size());
  if (first < 0 || second < 0 || first >= n || second >= n || first == second) return false;
  return MatchClassOf(k.Tiles[std::size_t(first)].Face) ==
         MatchClassOf(k.Tiles[std::size_t(second)].Face);
}

// Undo pairs are off the board, redo pairs on it, no slot in two pairs, and each
// step's tile count is the one the board had before that removal.
Result CheckSteps(const KeptGame& k, int presentCount) {
  const int n = static_cast<int>(k.Tiles.size());
  std::array<bool, kMaxTiles> used{};
  auto take = [&](int slot) {
    if (used[std::size_t(slot)]) return false;
    used[std::size_t(slot)] = true;
    return true;
  };
  for (std::size_t j = 0; j < k.Undo.size(); ++j) {
    const KeptStep& s = k.Undo[j];
    if (!IsPair(k, s.FirstSlot, s.SecondSlot) || k.Tiles[std::size_t(s.FirstSlot)].Present ||
        k.Tiles[std::size_t(s.SecondSlot)].Present || !take(s.FirstSlot) || !take(s.SecondSlot) ||
        s.TilesLeft != n - 2 * static_cast<int>(j))
      return Damaged(
          Text::Template(TV_TRANSLATE_NOOP("Messages", "undo step %1"), {std::to_string(j)}));
  }
  const int redoCount = static_cast<int>(k.Redo.size());
  for (int j = 0; j < redoCount; ++j) {
    const KeptStep& s = k.Redo[std::size_t(j)];
    if (!IsPair(k, s.FirstSlot, s.SecondSlot) || !k.Tiles[std::size_t(s.FirstSlot)].Present ||
        !k.Tiles[std::size_t(s.SecondSlot)].Present || !take(s.FirstSlot) || !take(s.SecondSlot) ||
        s.TilesLeft != presentCount - 2 * (redoCount - 1 - j))
      return Damaged(
          Text::Template(TV_TRANSLATE_NOOP("Messages", "redo step %1"), {std::to_string(j)}));
  }
  return {};
}

Result CheckFaces(const KeptGame& k) {
  // Every deal draws from the full set, in pairs of one class.
  std::array<int, kFaceCount> allowed{}, faces{};
  for (int f : FullSet) ++allowed[std::size_t(f)];
  std::array<int, 256> perClass{};
  for (const KeptTile& t : k.Tiles) {
    if (t.Face < 0 || t.Face >= kFaceCount)
      return Damaged(TV_TRANSLATE_NOOP("Messages", "a face is out of range"));
    if (++faces[std::size_t(t.Face)] > allowed[std::size_t(t.Face)])
      return Damaged(TV_TRANSLATE_NOOP("Messages", "a face is there too often"));
    ++perClass[MatchClassOf(t.Face)];
  }
  for (int c : perClass)
    if (c % 2 != 0) return Damaged(TV_TRANSLATE_NOOP("Messages", "a tile has no partner"));
  return {};
}

Result CheckSolution(const KeptGame& k) {
  const int n = static_cast<int>(k.Tiles.size());
  std::array<bool, kMaxTiles> seen{};
  for (int e = 0; e < n; ++e) {
    const int slot = k.SolutionSlots[std::size_t(e)];
    if (slot >= n || seen[std::size_t(slot)] || k.SolutionCells[std::size_t(e)] >= n)
      return Damaged(TV_TRANSLATE_NOOP("Messages", "the solution"));
    seen[std::size_t(slot)] = true;
  }
  for (int e = 0; e + 1 < n; e += 2)
    if (!IsPair(k, k.SolutionSlots[std::size_t(e)], k.SolutionSlots[std::size_t(e + 1)]))
      return Damaged(TV_TRANSLATE_NOOP("Messages", "the solution"));
  return {};
}

// A reshuffle deals the faces it compacted onto the positions it compacted.
Result CheckReshuffle(const KeptGame& k) {
  if (k.ReshuffleCount < 0 || k.ReshuffleCount > kReshufflesPerGame)
    return Damaged(TV_TRANSLATE_NOOP("Messages", "the reshuffle count"));
  if (k.ReshuffleCount == 0) {
    if (!k.ReshuffleSaved.empty())
      return Damaged(TV_TRANSLATE_NOOP("Messages", "a reshuffle that was not made"));
    return {};
  }
  if (k.ReshuffleSaved.size() != k.Tiles.size())
    return Damaged(TV_TRANSLATE_NOOP("Messages", "the reshuffled board"));
  std::vector<int> dealt, saved;
  for (const KeptTile& t : k.Tiles) {
    dealt.push_back(t.Face);
    if (std::none_of(k.ReshuffleSaved.begin(), k.ReshuffleSaved.end(),
                     [&](const KeptTile& s) { return SamePlace(s, t); }))
      return Damaged(TV_TRANSLATE_NOOP("Messages", "the reshuffled positions"));
  }
  for (const KeptTile& s : k.ReshuffleSaved) saved.push_back(s.Face);
  std::sort(dealt.begin(), dealt.end());
  std::sort(saved.begin(), saved.end());
  if (dealt != saved) return Damaged(TV_TRANSLATE_NOOP("Messages", "the reshuffled faces"));
  return {};
}

Result CheckKept(const KeptGame& k) {
  const int n = static_cast<int>(k.Tiles.size());
  if (k.LayoutName.empty() || k.LayoutName.find('\0') != std::string::npos ||
      k.LayoutName.find('/') != std::string::npos)
    return Damaged(TV_TRANSLATE_NOOP("Messages", "the layout name"));
  if (!std::isfinite(k.PlayedDays) || k.PlayedDays < 0 || k.PlayedDays > kMostPlayedDays)
    return Damaged(TV_TRANSLATE_NOOP("Messages", "the time played"));
  if (n < 2 || n > kMaxTiles || n % 2 != 0)
    return Damaged(TV_TRANSLATE_NOOP("Messages", "the tile count"));
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < i; ++j)
      if (SamePlace(k.Tiles[std::size_t(i)], k.Tiles[std::size_t(j)]))
        return Damaged(TV_TRANSLATE_NOOP("Messages", "two tiles in one place"));
  if (Result faces = CheckFaces(k); !faces) return faces;
  const int present = static_cast<int>(
      std::count_if(k.Tiles.begin(), k.Tiles.end(), [](const KeptTile& t) { return t.Present; }));
  // Every removal since the latest start is in the undo list, so it accounts for
  // every missing tile.
  if (present < 2 || present != n - 2 * static_cast<int>(k.Undo.size()))
    return Damaged(TV_TRANSLATE_NOOP("Messages", "the tiles left"));
  if (Result steps = CheckSteps(k, present); !steps) return steps;
  if (Result solution = CheckSolution(k); !solution) return solution;
  return CheckReshuffle(k);
}

}  // namespace

bool IsKeepable(const Game& game) {
  const GAME_P& g = game.PlayBoard().Game;
  return game.Mode() == BoardMode::kPlay && !game.SolutionMode() && g.Counted && g.TileCount > 0 &&
         g.TilesLeft > 0 && g.MovesAvailable > 0;
}

std::uint64_t ContentHash(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t h = 14695981039346656037ull;
  for (std::uint8_t b : bytes) {
    h ^= b;
    h *= 1099511628211ull;
  }
  return h;
}

std::vector<std::uint8_t> EncodeKeptGame(const KeptGame& k) {
  Writer w;
  for (char c : kMagic) w.U8(static_cast<std::uint8_t>(c));
  w.Le(kVersion, 4);
  const std::size_t nameLength = std::min<std::size_t>(k.LayoutName.size(), 255);
  w.U8(static_cast<std::uint32_t>(nameLength));
  for (std::size_t i = 0; i < nameLength; ++i) w.U8(static_cast<std::uint8_t>(k.LayoutName[i]));
  w.Le(k.LayoutHash, 8);
  w.Le(k.Seed, 4);
  w.U8(k.Counted ? 1 : 0);
  std::uint64_t played = 0;
  std::memcpy(&played, &k.PlayedDays, sizeof played);
  w.Le(played, 8);
  w.U8(static_cast<std::uint32_t>(k.Tiles.size()));
  for (const KeptTile& t : k.Tiles) {
    for (std::int32_t v : {t.X, t.Y, t.Z, t.Face}) w.U8(static_cast<std::uint32_t>(v));
    w.U8(t.Present ? 1 : 0);
  }
  for (std::size_t e = 0; e < k.Tiles.size(); ++e) {
    w.U8(e < k.SolutionSlots.size() ? static_cast<std::uint32_t>(k.SolutionSlots[e]) : 0);
    w.U8(e < k.SolutionCells.size() ? static_cast<std::uint32_t>(k.SolutionCells[e]) : 0);
  }
  WriteSteps(w, k.Undo);
  WriteSteps(w, k.Redo);
  w.U8(static_cast<std::uint32_t>(k.ReshuffleCount));
  w.Le(k.ReshuffleSeed, 4);
  w.U8(static_cast<std::uint32_t>(k.ReshuffleSaved.size()));
  for (const KeptTile& t : k.ReshuffleSaved)
    for (std::int32_t v : {t.X, t.Y, t.Z, t.Face}) w.U8(static_cast<std::uint32_t>(v));
  return std::move(w.out);
}

Result DecodeKeptGame(const std::vector<std::uint8_t>& bytes, KeptGame& kept) {
  if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    return Damaged(TV_TRANSLATE_NOOP("Messages", "not a game file"));
  Reader r(bytes);
  r.Le(sizeof kMagic);
  if (r.Le(4) != kVersion) return Damaged(TV_TRANSLATE_NOOP("Messages", "an unknown version"));
  KeptGame k;
  const int nameLength = r.U8();
  for (int i = 0; i < nameLength && r.ok; ++i) k.LayoutName.push_back(static_cast<char>(r.U8()));
  k.LayoutHash = r.Le(8);
  k.Seed = static_cast<std::uint32_t>(r.Le(4));
  const int counted = r.U8();
  const std::uint64_t played = r.Le(8);
  std::memcpy(&k.PlayedDays, &played, sizeof played);
  const int n = r.U8();
  for (int i = 0; i < n && r.ok; ++i) {
    KeptTile t;
    t.X = r.U8();
    t.Y = r.U8();
    t.Z = r.U8();
    t.Face = r.U8();
    const int present = r.U8();
    if (present > 1) return Damaged(TV_TRANSLATE_NOOP("Messages", "a tile's state"));
    t.Present = present == 1;
    k.Tiles.push_back(t);
  }
  for (int e = 0; e < n && r.ok; ++e) {
    k.SolutionSlots.push_back(r.U8());
    k.SolutionCells.push_back(r.U8());
  }
  k.Undo = ReadSteps(r);
  k.Redo = ReadSteps(r);
  k.ReshuffleCount = r.U8();
  k.ReshuffleSeed = static_cast<std::uint32_t>(r.Le(4));
  const int saved = r.U8();
  for (int i = 0; i < saved && r.ok; ++i) {
    KeptTile t;
    t.X = r.U8();
    t.Y = r.U8();
    t.Z = r.U8();
    t.Face = r.U8();
    k.ReshuffleSaved.push_back(t);
  }
  if (!r.ok) return Damaged(TV_TRANSLATE_NOOP("Messages", "it ends early"));
  if (!r.AtEnd()) return Damaged(TV_TRANSLATE_NOOP("Messages", "it goes on after its end"));
  if (counted > 1) return Damaged(TV_TRANSLATE_NOOP("Messages", "the counted flag"));
  k.Counted = counted == 1;
  if (Result checked = CheckKept(k); !checked) return checked;
  kept = std::move(k);
  return {};
}

bool LayoutFileHash(const std::string& layoutsDir, const std::string& name, std::uint64_t& hash) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(LayoutPath(layoutsDir, name), bytes, kMaxLayoutFileBytes)) return false;
  hash = ContentHash(bytes);
  return true;
}

Result CheckKeptLayout(const std::string& layoutsDir, const KeptGame& kept) {
  std::uint64_t hash = 0;
  std::vector<LayoutPosition> positions;
  const std::string layout = LayoutPath(layoutsDir, kept.LayoutName);
  if (FileExists(layout) && !LayoutFileHash(layoutsDir, kept.LayoutName, hash))
    return Result::Fail(GameFileCode::kIoError,
                        Text::Template(TV_TRANSLATE_NOOP(
                            "Messages", "the layout of the kept game cannot be read")));
  if (!LayoutFileHash(layoutsDir, kept.LayoutName, hash) || hash != kept.LayoutHash ||
      !ReadLayoutPositions(layoutsDir, kept.LayoutName, positions))
    return Result::Fail(
        GameFileCode::kLayoutChanged,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "the layout of the kept game has changed")));
  const bool fits = std::all_of(kept.Tiles.begin(), kept.Tiles.end(), [&](const KeptTile& t) {
    return std::find(positions.begin(), positions.end(), LayoutPosition{t.X, t.Y, t.Z}) !=
           positions.end();
  });
  const bool whole = kept.ReshuffleCount > 0 || kept.Tiles.size() == positions.size();
  if (!fits || !whole)
    return Result::Fail(
        GameFileCode::kLayoutChanged,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "the kept game does not fit its layout")));
  return {};
}

Result ReadGameFile(const std::string& path, const std::string& layoutsDir, KeptGame& kept) {
  if (!FileExists(path))
    return Result::Fail(GameFileCode::kMissing,
                        Text::Template(TV_TRANSLATE_NOOP("Messages", "no kept game")));
  std::vector<std::uint8_t> bytes;
  if (Result read = ReadWholeFile(path, bytes, kMaxGameFileBytes); !read)
    return Result::Fail(GameFileCode::kIoError, read.Words());
  KeptGame k;
  if (Result decoded = DecodeKeptGame(bytes, k); !decoded) return decoded;
  if (Result fits = CheckKeptLayout(layoutsDir, k); !fits) return fits;
  kept = std::move(k);
  return {};
}

Result WriteGameFile(const std::string& path, const KeptGame& kept) {
  const std::vector<std::uint8_t> bytes = EncodeKeptGame(kept);
  // A game the reader would refuse is not written over the last good one.
  KeptGame check;
  if (Result checked = DecodeKeptGame(bytes, check); !checked) return checked;
  if (Result written = WriteFileAtomically(path, bytes.data(), bytes.size()); !written)
    return Result::Fail(GameFileCode::kIoError, written.Words());
  return {};
}

}  // namespace tv
