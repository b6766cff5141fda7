// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the unfinished game on disk while it is played, so that the next start,
// after a close, a crash or a killed process, continues it. Written after every
// move; a game that is not worth keeping (nothing removed yet, won, stuck, shown
// as a solution) removes the file instead.
#pragma once

#include <optional>
#include <string>

#include "game/kept_game.h"
#include "game/result.h"

namespace tv {

class Game;

class GameKeeper {
 public:
  // `path` is the game file, `layoutsDir` where the kept game's layout must still be.
  GameKeeper(std::string path, std::string layoutsDir);

  bool On() const { return on_; }
  // Off forgets the kept game at once.
  void SetOn(bool on);

  // Keeps the game or forgets it, as it stands; a failed write leaves the old file.
  Result Update(const Game& game, double now);

  // Start-up: the kept game, if keeping is on and the file holds a game whose layout
  // file is unchanged. A damaged game, one whose layout changed or is gone, and any
  // game when keeping is off are removed; a file that cannot be read now is left.
  std::optional<KeptGame> TakeKept();

  void Forget();
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::string layoutsDir_;
  bool on_ = true;
};

}  // namespace tv
