// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the unfinished game after every move so the next start continues it.
#include "game/game_keeper.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "game/game.h"
#include "game/game_file.h"

namespace tv {

GameKeeper::GameKeeper(std::string path, std::string layoutsDir)
    : path_(std::move(path)), layoutsDir_(std::move(layoutsDir)) {}

void GameKeeper::SetOn(bool on) {
  on_ = on;
  if (!on) Forget();
}

Result GameKeeper::Update(const Game& game, double now) {
  if (!on_) return {};
  if (!IsKeepable(game)) {
    Forget();
    return {};
  }
  KeptGame kept = game.Keep(now);
  // A layout that cannot be read now could not be checked at the next start either.
  if (!LayoutFileHash(layoutsDir_, kept.LayoutName, kept.LayoutHash)) {
    Forget();
    return Result::Fail(
        GameFileCode::kLayoutChanged,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "the layout file cannot be read")));
  }
  return WriteGameFile(path_, kept);
}

std::optional<KeptGame> GameKeeper::TakeKept() {
  if (!on_) {
    Forget();
    return std::nullopt;
  }
  KeptGame kept;
  const Result read = ReadGameFile(path_, layoutsDir_, kept);
  if (read) return kept;
  // Only a game found wrong goes; one that cannot be read now may read another day.
  if (read.Is(GameFileCode::kDamaged) || read.Is(GameFileCode::kLayoutChanged)) Forget();
  return std::nullopt;
}

void GameKeeper::Forget() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace tv
