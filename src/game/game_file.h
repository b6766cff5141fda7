// SPDX-License-Identifier: GPL-3.0-or-later
// The kept unfinished game on disk ("game.sav" beside the settings file): written
// whole after every move, read once at start-up. The reader checks every count,
// slot, face and position before it hands anything back, and the game is taken up
// only when its layout file is still the one it was dealt from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/kept_game.h"
#include "game/result.h"

namespace tv {

class Game;

constexpr const char* kGameFileName = "game.sav";

enum class GameFileCode {
  kRead = 0,
  kMissing = 1,
  kDamaged = 2,        // not a game file, or one whose content does not hold together
  kLayoutChanged = 3,  // the layout file is gone or no longer the one of the game
  kIoError = 4,
};

// Worth keeping: a game in play with at least one pair removed, neither won nor stuck.
bool IsKeepable(const Game& game);

std::vector<std::uint8_t> EncodeKeptGame(const KeptGame& kept);

// Fills `kept` only when the whole input is a consistent game (GameFileCode).
Result DecodeKeptGame(const std::vector<std::uint8_t>& bytes, KeptGame& kept);

// FNV-1a over the bytes: tells a changed layout file from the one a game was dealt on.
std::uint64_t ContentHash(const std::vector<std::uint8_t>& bytes);

// The hash of the layout file `name` in `layoutsDir`; false when it cannot be read.
bool LayoutFileHash(const std::string& layoutsDir, const std::string& name, std::uint64_t& hash);

// Whether the kept game still belongs to its layout file: the file reads, hashes the
// same and holds every position of the game (GameFileCode).
Result CheckKeptLayout(const std::string& layoutsDir, const KeptGame& kept);

// Reads and checks the game file (GameFileCode); `kept` changes only on success.
Result ReadGameFile(const std::string& path, const std::string& layoutsDir, KeptGame& kept);

// Writes the game whole or not at all, and only when it reads back (kDamaged
// otherwise, with the old file left as it was).
Result WriteGameFile(const std::string& path, const KeptGame& kept);

}  // namespace tv
