// SPDX-License-Identifier: GPL-3.0-or-later
// The game handed out as a kept game, and a kept game taken up again where the
// player stopped: same tiles, undo and redo lists, reshuffles, solution and time.
#include <algorithm>

#include "game/faces.h"
#include "game/game.h"

namespace tv {
namespace {

KeptTile KeepTile(const TILE_P& t) {
  return KeptTile{t.X, t.Y, t.Z, t.Face, t.Present};
}

KeptStep KeepStep(const UNDO_P& s) {
  return KeptStep{s.FirstSlot, s.SecondSlot, s.MovesAvailable, s.TilesLeft};
}

UNDO_P TakeStep(const KeptStep& s) {
  return UNDO_P{s.FirstSlot, s.SecondSlot, s.MovesAvailable, s.TilesLeft};
}

// The slots, their stacking order, extent and free marks from the kept tiles.
void PutKeptTiles(MODE_P& b, const std::vector<KeptTile>& tiles) {
  const int n = static_cast<int>(std::min<std::size_t>(tiles.size(), kMaxTiles));
  for (int i = 0; i < kMaxTiles; ++i) {
    TILE_P& t = b.Tiles[std::size_t(i)];
    t.HintMark = false;
    if (i >= n) {
      t.Present = t.Free = false;
      continue;
    }
    const KeptTile& k = tiles[std::size_t(i)];
    t.Index = i;
    t.X = k.X;
    t.Y = k.Y;
    t.Z = k.Z;
    t.Face = k.Face;
    t.MatchClass = MatchClassOf(k.Face);
    const SheetCell cell = SheetCellOf(k.Face);
    t.SheetCol = cell.col;
    t.SheetRow = cell.row;
    t.Present = k.Present;
  }
  b.Game.TileCount = n;
  ComputeGridExtent(b);
  BuildStackingOrder(b);
  b.Game.FreeCount = MarkFreeTiles(b);
}

}  // namespace

KeptGame Game::Keep(double now) const {
  const MODE_P& b = playBoard_;
  KeptGame k;
  k.LayoutName = std::string(b.LayoutName());
  k.Seed = b.Game.Seed;
  k.Counted = b.Game.Counted;
  k.PlayedDays = std::max(0.0, PlayedDays(now));
  const int n = std::clamp(b.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i) k.Tiles.push_back(KeepTile(b.Tiles[std::size_t(i)]));
  for (int e = 0; e < std::min(solution_.Count, kMaxTiles); ++e) {
    k.SolutionSlots.push_back(solution_.Steps[std::size_t(e)].Slot);
    k.SolutionCells.push_back(solution_.Steps[std::size_t(e)].Cell);
  }
  for (int j = 0; j < undoCount_; ++j) k.Undo.push_back(KeepStep(undoSteps_[std::size_t(j)]));
  for (int j = 0; j < redoCount_; ++j) k.Redo.push_back(KeepStep(redoSteps_[std::size_t(j)]));
  k.ReshuffleCount = reshuffle_.count;
  k.ReshuffleSeed = reshuffle_.seed;
  if (reshuffle_.done) {
    const MODE_P& saved = reshuffle_.saved;
    for (int i = 0; i < std::clamp(saved.Game.TileCount, 0, kMaxTiles); ++i)
      k.ReshuffleSaved.push_back(KeepTile(saved.Tiles[std::size_t(i)]));
  }
  return k;
}

void Game::Resume(const KeptGame& k) {
  boardMode_ = BoardMode::kPlay;
  solutionMode_ = false;
  paused_ = false;
  MODE_P& b = playBoard_;
  b.SetLayoutName(k.LayoutName);
  PutKeptTiles(b, k.Tiles);
  b.Game.Seed = k.Seed;
  b.Game.Counted = k.Counted;
  b.Game.TilesLeft = static_cast<std::int32_t>(
      std::count_if(k.Tiles.begin(), k.Tiles.end(), [](const KeptTile& t) { return t.Present; }));

  solution_ = Solution{};
  solution_.Count = static_cast<int>(std::min<std::size_t>(k.SolutionSlots.size(), kMaxTiles));
  for (int e = 0; e < solution_.Count; ++e)
    solution_.Steps[std::size_t(e)] = {k.SolutionSlots[std::size_t(e)],
                                       k.SolutionCells[std::size_t(e)]};
  undoCount_ = static_cast<int>(std::min<std::size_t>(k.Undo.size(), kUndoSize));
  for (int j = 0; j < undoCount_; ++j)
    undoSteps_[std::size_t(j)] = TakeStep(k.Undo[std::size_t(j)]);
  redoCount_ = static_cast<int>(std::min<std::size_t>(k.Redo.size(), kUndoSize));
  for (int j = 0; j < redoCount_; ++j)
    redoSteps_[std::size_t(j)] = TakeStep(k.Redo[std::size_t(j)]);

  reshuffle_ = RESHUFFLE_P{};
  reshuffle_.count = k.ReshuffleCount;
  reshuffle_.done = k.ReshuffleCount > 0;
  reshuffle_.seed = k.ReshuffleSeed;
  if (reshuffle_.done) {
    reshuffle_.saved = b;
    PutKeptTiles(reshuffle_.saved, k.ReshuffleSaved);
    const int saved = reshuffle_.saved.Game.TileCount;
    for (int i = 0; i < saved; ++i)
      reshuffle_.faces[std::size_t(i)] = k.ReshuffleSaved[std::size_t(i)].Face;
    std::sort(reshuffle_.faces.begin(), reshuffle_.faces.begin() + saved);
  }

  pointer_.SelectedTile = pointer_.SecondTile = pointer_.HoverTile = kNoTile;
  pointer_.HintIndex = 0;
  host_.PlaceTiles();
  UpdatePlayState();
  UpdateReshuffleLabel();
  host_.SetLabel(Label::kGameNumber, GameNumberLabel(b.Game.Seed));
  hasDeal_ = true;
  const double now = host_.Now();
  b.Game.StartTime = now - k.PlayedDays;
  b.Game.ClockTime = now;
  host_.DrawClock();
  host_.SetTimer(Timer::kUpdateClock, true);
  EnablePlayCommands();
  host_.SetCaption("Tilvane - " + std::string(b.LayoutName()));
  host_.EndFieldDrag();
  // The game goes on in its own row of the history, with the hints and undos so far.
  hintsUsed_ = undosUsed_ = daily_ = 0;
  pendingDaily_ = -1;
  if (history_) {
    if (const std::optional<HistoryGame> row = history_->Resumed(Played(now), k.Counted)) {
      hintsUsed_ = row->Hints;
      undosUsed_ = row->Undos;
      daily_ = row->Daily;
    }
  }
}

}  // namespace tv
