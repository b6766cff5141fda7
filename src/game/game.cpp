// SPDX-License-Identifier: GPL-3.0-or-later
// Starting games, the field click, removal with its fade, undo, hint, the
// reshuffle allowance, the end of a game and the clock.
#include "game/game.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "game/layout_file.h"
#include "game/start_layout.h"

namespace tv {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kRemoveSoundSeconds = 0.2;

}  // namespace

Text ReshuffleLabel(int left) {
  return Text::Counted(kReshufflesLeftText, left, {}, "%n Reshuffle Left");
}

Text GameNumberLabel(std::uint32_t seed) {
  return Text::Template(kGameNumberText, {std::to_string(seed)});
}

Game::Game(GameHost& host, std::string layoutsDir)
    : host_(host), layoutsDir_(std::move(layoutsDir)) {}

void Game::EnterEditMode() {
  editBoard_ = playBoard_;
  boardMode_ = BoardMode::kEdit;
  // The play marks mean nothing on the editor's board.
  pointer_.SelectedTile = pointer_.SecondTile = pointer_.HoverTile = kNoTile;
}

bool Game::ReadStartLayout(const std::string& remembered, const std::string& fallback) {
  if (!tv::ReadStartLayout(layoutsDir_, remembered, fallback, playBoard_)) return false;
  editBoard_.Game = playBoard_.Game;
  return true;
}

Result Game::ReadPlayLayout(std::string_view name) {
  return ReadLayout(layoutsDir_, name, playBoard_);
}

Result Game::ReadEditLayout(std::string_view name) {
  return ReadLayout(layoutsDir_, name, editBoard_);
}

Result Game::WriteEditLayout(std::string_view name) {
  return WriteLayout(layoutsDir_, name, editBoard_);
}

void Game::PlaceBoards(const std::function<void(MODE_P& shown, MODE_P& other)>& place) {
  if (boardMode_ == BoardMode::kEdit)
    place(editBoard_, playBoard_);
  else
    place(playBoard_, editBoard_);
}

bool Game::TileInPlay(int slot) const {
  const MODE_P& b = Board();
  return slot >= 0 && slot < b.Game.TileCount && slot < kMaxTiles && b.Tiles[slot].Present;
}

void Game::DeferredStart(int mode) {
  pendingMode_ = std::clamp(mode, 0, 3);
  host_.SetTimer(Timer::kNewGame, true);
}

void Game::OnNewGameTimer() {
  host_.SetTimer(Timer::kNewGame, false);
  StartGame(pendingMode_, true);
}

void Game::SelectGameShuffle() {
  std::uint32_t seed = playBoard_.Game.Seed;
  if (!host_.AskGameNumber(seed)) return;
  PlayGameNumber(seed);
}

void Game::PlayGameNumber(std::uint32_t number, int daily) {
  playBoard_.Game.Seed = number;
  pendingDaily_ = daily;
  DeferredStart(kDealRestart);
}

// A layout that cannot be read leaves the board's positions, which are dealt
// again; only a board with nothing to deal reports the read failure.
bool Game::PrepareLayout() {
  MODE_P& b = ShownBoard();
  const std::string name(b.LayoutName());
  const Result read = ReadLayout(layoutsDir_, name, b);
  if (read || b.Game.TileCount >= 2) return true;
  // The player sees the short text even where the reader knows more.
  host_.ShowMessage(LayoutReadText(read.As<LayoutReadCode>(), name + ".mah"));
  return false;
}

void Game::Compact() {
  MODE_P& b = ShownBoard();
  MODE_P copy = b;
  int k = 0;
  for (int i = 0; i < b.Game.TileCount; ++i)
    if (b.Tiles[i].Present) copy.Tiles[k++] = b.Tiles[i];
  for (int i = k; i < kMaxTiles; ++i) {
    copy.Tiles[i].Present = false;
    copy.Tiles[i].Free = false;
    copy.Tiles[i].HintMark = false;
  }
  copy.Game.TileCount = k;
  ComputeGridExtent(copy);
  copy.Game.FreeCount = MarkFreeTiles(copy);
  reshuffle_.faces.fill(0);
  for (int i = 0; i < k; ++i) reshuffle_.faces[i] = copy.Tiles[i].Face;
  std::sort(reshuffle_.faces.begin(), reshuffle_.faces.begin() + k);
  reshuffle_.saved = copy;
  b = copy;
}

// The board as the reshuffle compacted it: its tiles, count and extent. The geometry
// stays the live one, since the tile size or the window may have changed since.
void Game::RestoreReshuffledTiles(MODE_P& b) const {
  const MODE_P& saved = reshuffle_.saved;
  b.Tiles = saved.Tiles;
  b.Order = saved.Order;
  b.Game.TileCount = saved.Game.TileCount;
  b.Game.FreeCount = saved.Game.FreeCount;
  b.Game.GridWidth = saved.Game.GridWidth;
  b.Game.GridHeight = saved.Game.GridHeight;
  b.Game.Levels = saved.Game.Levels;
}

bool Game::StartGame(int mode, bool animate) {
  host_.ResetCursor();
  if (paused_) {
    paused_ = false;
    host_.SetPausedView(false);
  }
  MODE_P& b = ShownBoard();
  // A reshuffle that cannot be dealt gives the player back the board and the
  // allowance as they were, so undo and the solution stay usable.
  const bool reshuffling = mode == kDealReshuffle;
  // An empty field has nothing to reshuffle; refusing here spares the player a message
  // that reads as if the layout were broken.
  if (reshuffling && (reshuffle_.count >= kReshufflesPerGame || b.Game.TilesLeft <= 0))
    return false;
  MODE_P before;
  RESHUFFLE_P reshuffleBefore;
  if (reshuffling) {
    before = b;
    reshuffleBefore = reshuffle_;
  }

  // The game on the field ends here for the history, as it stands before the layout
  // is read again.
  const bool leaving = mode == kDealNew || mode == kDealRestart;
  const PlayedGame left = leaving && history_ ? Played(host_.Now()) : PlayedGame{};

  switch (mode) {
    case kDealNew:
      if (!PrepareLayout()) return false;
      // 0 is no game number the player could type again; its successor is 1.
      if (rand_.value == 0) rand_.Below(1);
      b.Game.Seed = rand_.value;
      reshuffle_ = RESHUFFLE_P{};
      break;
    case kDealRestart:
      if (!PrepareLayout()) return false;
      rand_.value = b.Game.Seed;
      reshuffle_ = RESHUFFLE_P{};
      break;
    case kDealReshuffle:
      Compact();
      reshuffle_.seed = rand_.value;
      reshuffle_.done = true;
      reshuffle_.count += 1;
      break;
    case kDealReplayReshuffle:
      if (!reshuffle_.done) return false;
      RestoreReshuffledTiles(b);
      rand_.value = reshuffle_.seed;
      break;
    default:
      return false;
  }
  if (leaving) {
    if (history_) history_->Left(left);
    hintsUsed_ = undosUsed_ = 0;
    if (mode == kDealNew) daily_ = 0;
    if (mode == kDealRestart && pendingDaily_ >= 0) daily_ = pendingDaily_;
    pendingDaily_ = -1;
  }

  const std::int32_t* faces =
      mode == kDealReshuffle || mode == kDealReplayReshuffle ? reshuffle_.faces.data() : nullptr;
  if (!Deal(b, mode, rand_, solution_, faces).ok) {
    host_.ShowMessage(Text::Template(kCannotDealMessage));
    if (reshuffling) {
      b = before;
      reshuffle_ = reshuffleBefore;
    } else {
      // No tile of the old deal is left, so neither are the removals to undo.
      undoCount_ = 0;
      host_.Enable(Command::kUndo, false);
      ForgetRedo();
      pointer_.SelectedTile = pointer_.SecondTile = pointer_.HoverTile = kNoTile;
      ClearStatus();
    }
    host_.RedrawAll();
    PositionChanged();
    return false;
  }

  const int n = b.Game.TileCount;
  for (int i = 0; i < kMaxTiles; ++i) {
    b.Tiles[i].Present = i < n;
    if (i >= n) b.Tiles[i].Free = false;
  }
  ClearHintMarks(b);
  host_.PlaceTiles();
  pointer_.SelectedTile = pointer_.SecondTile = pointer_.HoverTile = kNoTile;
  if (mode == kDealNew || mode == kDealRestart) b.Game.Counted = false;

  if (animate) AnimateDeal();

  b.Game.TilesLeft = n;
  UpdatePlayState();
  UpdateReshuffleLabel();
  host_.SetLabel(Label::kGameNumber, GameNumberLabel(b.Game.Seed));
  hasDeal_ = true;

  const double now = host_.Now();
  if (mode == kDealNew || mode == kDealRestart) b.Game.StartTime = now;
  b.Game.ClockTime = now;
  host_.DrawClock();
  host_.SetTimer(Timer::kUpdateClock, true);

  undoCount_ = 0;
  host_.Enable(Command::kUndo, false);
  ForgetRedo();
  pointer_.HintIndex = 0;
  // The window keeps hint off while the solution is shown.
  host_.Enable(Command::kHint, !solutionMode_);
  host_.Enable(Command::kPause, CanPause());

  if (mode == kDealNew) host_.AddRecent(b.LayoutName());
  host_.SetCaption("Tilvane - " + std::string(b.LayoutName()));
  host_.EndFieldDrag();
  host_.MoveMade();
  return true;
}

void Game::AnimateDeal() {
  MODE_P& b = ShownBoard();
  const MODE_P dealt = b;
  const int n = b.Game.TileCount;
  for (int i = 0; i < n; ++i) {
    b.Tiles[i].Present = false;
    b.Tiles[i].Free = true;
  }
  for (int k = 0; k < n / 2; ++k) {
    if (k % 2 == 0) {
      host_.RedrawAll();
      host_.Pause(5);
    }
    b.Tiles[SolutionSlot(2 * k)].Present = true;
    b.Tiles[SolutionSlot(2 * k + 1)].Present = true;
  }
  b = dealt;
}

void Game::UpdatePlayState() {
  MODE_P& b = ShownBoard();
  MarkFreeTiles(b);
  b.Game.MovesAvailable = CountMoves(b);
  solutionTiles_ = {kNoTile, kNoTile};
  if (solutionMode_ && b.Game.TilesLeft >= 2) {
    solutionTiles_[0] = SolutionSlot(b.Game.TilesLeft - 1);
    solutionTiles_[1] = SolutionSlot(b.Game.TilesLeft - 2);
  }
  host_.RedrawAll();
  host_.SetLabel(Label::kTilesLeft, Text::Counted(kTilesLeftText, b.Game.TilesLeft));
  host_.SetLabel(Label::kMovesLeft, Text::Counted(kMovesAvailableText, b.Game.MovesAvailable));
  PositionChanged();
}

void Game::PositionChanged() {
  hintRanking_.Invalidate();
  if (OnPositionChanged) OnPositionChanged();
}

void Game::UpdateReshuffleLabel() {
  const int left = ReshufflesLeft();
  host_.SetLabel(Label::kReshufLeft, ReshuffleLabel(left));
  host_.Enable(Command::kReshuffle, left > 0 && ShownBoard().Game.TilesLeft > 0);
}

// The field is empty after a failed deal, so nothing of the previous game may stay
// on show: no counters, no number, a clock standing at zero.
void Game::ClearStatus() {
  MODE_P& b = ShownBoard();
  b.Game.TilesLeft = 0;
  b.Game.MovesAvailable = 0;
  for (const Label label :
       {Label::kTilesLeft, Label::kMovesLeft, Label::kReshufLeft, Label::kGameNumber})
    host_.SetLabel(label, Text());
  hasDeal_ = false;
  b.Game.StartTime = b.Game.ClockTime = host_.Now();
  host_.SetTimer(Timer::kUpdateClock, false);
  host_.DrawClock();
  for (const Command command : {Command::kHint, Command::kReshuffle, Command::kPause})
    host_.Enable(command, false);
}

void Game::ClickTile(int slot) {
  if (solutionMode_ || paused_ || boardMode_ != BoardMode::kPlay) return;
  if (!TileInPlay(slot) || !ShownBoard().Tiles[slot].Free) return;
  const MODE_P& b = Board();
  if (pointer_.SelectedTile == kNoTile) {
    pointer_.SelectedTile = slot;
    pointer_.SecondTile = kNoTile;
    host_.RedrawTile(slot, Repaint::kTileNow);
    host_.PlaySound(Sound::kSelect);
  } else if (slot == pointer_.SelectedTile) {
    const int second = pointer_.SecondTile;
    pointer_.SelectedTile = pointer_.SecondTile = kNoTile;
    host_.RedrawTile(slot, Repaint::kTileNow);
    if (second != kNoTile) host_.RedrawTile(second, Repaint::kTileNow);
  } else if (b.Tiles[slot].MatchClass == b.Tiles[pointer_.SelectedTile].MatchClass) {
    RemovePair(slot, pointer_.SelectedTile);
  } else {
    const int old = pointer_.SelectedTile;
    pointer_.SelectedTile = slot;
    pointer_.SecondTile = kNoTile;
    host_.RedrawTile(old, Repaint::kDeferred);
    host_.RedrawTile(slot, Repaint::kTileNow);
    host_.PlaySound(Sound::kSelect);
  }
}

// Both tiles of pointer_.SecondTile and pointer_.SelectedTile go see-through in ten steps.
void Game::FadePair() {
  host_.RedrawAround(pointer_.SecondTile, false, Repaint::kDeferred);
  host_.RedrawAround(pointer_.SelectedTile, false, Repaint::kTileNow);
  for (int percent = 10; percent <= 100; percent += 10) {
    host_.DrawSeeThrough(pointer_.SecondTile, percent, true, Repaint::kDeferred);
    host_.DrawSeeThrough(pointer_.SelectedTile, percent, true, Repaint::kDeferred);
    host_.RepaintField();
    host_.Pause(10);
  }
}

void Game::RemovePair(int tile, int selected) {
  if (!TileInPlay(tile) || !TileInPlay(selected) || tile == selected) return;
  MODE_P& b = ShownBoard();
  pointer_.SecondTile = tile;
  pointer_.SelectedTile = selected;
  host_.RedrawTile(pointer_.SecondTile, Repaint::kDeferred);
  host_.RedrawTile(pointer_.SelectedTile, Repaint::kDeferred);
  host_.RepaintField();

  host_.PlaySound(Sound::kRemove);
  const bool timed = host_.SoundOn();
  const double t0 = timed ? host_.Now() : 0;

  FadePair();
  b.Tiles[tile].Present = false;
  b.Tiles[selected].Present = false;

  if (!redoing_) ForgetRedo();
  if (undoCount_ < kUndoSize) {
    undoSteps_[undoCount_++] = {b.Tiles[selected].Index, b.Tiles[tile].Index, b.Game.MovesAvailable,
                                b.Game.TilesLeft};
  }
  host_.Enable(Command::kUndo, true);

  pointer_.SelectedTile = pointer_.SecondTile = kNoTile;
  host_.RedrawAround(tile, true, Repaint::kDeferred);
  host_.RedrawAround(selected, true, Repaint::kTileNow);

  b.Game.TilesLeft -= 2;
  UpdatePlayState();

  if (!b.Game.Counted) {
    b.Game.Counted = true;
    host_.CountGame(false);
    if (history_) history_->Counted(Played(host_.Now()));
  }
  host_.MoveMade();

  // The "remove" sound is short but must not be cut off by the next one.
  if (timed) {
    const double elapsed = (host_.Now() - t0) * kSecondsPerDay;
    if (elapsed < kRemoveSoundSeconds)
      host_.Pause(static_cast<int>(std::ceil((kRemoveSoundSeconds - elapsed) * 1000.0)));
  }

  if (b.Game.TilesLeft <= 0) {
    GameWon();
    return;
  }
  pointer_.HintIndex = 0;
  if (b.Game.MovesAvailable <= 0) {
    b.Game.ClockTime = host_.Now();
    host_.DrawClock();
    if (history_) history_->Stuck(Played(b.Game.ClockTime));
    NoMoreMoves();
  }
}

void Game::NoMoreMoves() {
  if (host_.SoundOn())
    host_.PlaySound(Sound::kLoose);
  else
    host_.ShowMessage(Text::Template(kNoMoreMovesMessage));
}

void Game::GameWon() {
  MODE_P& b = ShownBoard();
  b.Game.ClockTime = host_.Now();
  host_.DrawClock();
  host_.SetTimer(Timer::kUpdateClock, false);
  host_.PlaySound(Sound::kWin);
  // Written before the congratulation shows it.
  if (history_) history_->Won(Played(b.Game.ClockTime));
  host_.CountGame(true);
  host_.Enable(Command::kHint, false);
  host_.Enable(Command::kUndo, false);
  host_.Enable(Command::kPause, false);
  host_.Enable(Command::kReshuffle, false);
  if (host_.ShowLayoutChooser()) DeferredStart(kDealNew);
}

void Game::Undo() {
  MODE_P& b = ShownBoard();
  // A won game keeps its removals, but they are no longer undone.
  if (undoCount_ <= 0 || b.Game.TilesLeft <= 0 || solutionMode_ || paused_ ||
      boardMode_ != BoardMode::kPlay)
    return;
  pointer_.SelectedTile = pointer_.SecondTile = kNoTile;
  ++undosUsed_;
  const UNDO_P& step = undoSteps_[--undoCount_];
  b.Tiles[step.FirstSlot].Present = true;
  b.Tiles[step.SecondSlot].Present = true;
  b.Game.TilesLeft = step.TilesLeft;
  b.Game.MovesAvailable = step.MovesAvailable;
  redoSteps_[redoCount_++] = step;
  if (undoCount_ == 0) host_.Enable(Command::kUndo, false);
  host_.Enable(Command::kRedo, true);
  UpdatePlayState();
  host_.MoveMade();
}

template <typename Show>
void Game::ShowHint(int shortMilliseconds, Show show) {
  // Shown, hidden, shown, hidden, shown: 1.5 s in all, two blinks.
  constexpr std::array<int, 5> kLongerSteps{400, 150, 400, 150, 400};
  if (!longerHints_) {
    show(true);
    host_.Pause(shortMilliseconds);
  } else {
    for (std::size_t k = 0; k < kLongerSteps.size(); ++k) {
      show(k % 2 == 0);
      host_.Pause(kLongerSteps[k]);
    }
  }
  show(false);
}

void Game::Hint() {
  MODE_P& b = ShownBoard();
  if (solutionMode_ || paused_ || boardMode_ != BoardMode::kPlay || b.Game.TilesLeft <= 0) return;
  const int n = std::clamp(b.Game.TileCount, 0, kMaxTiles);
  ClearHintMarks(b);
  ++hintsUsed_;
  auto playable = [&](int i) { return b.Tiles[i].Present && b.Tiles[i].Free; };

  if (pointer_.SelectedTile != kNoTile) {
    const std::uint8_t cls = b.Tiles[pointer_.SelectedTile].MatchClass;
    bool any = false;
    for (int i = 0; i < n; ++i) {
      if (i != pointer_.SelectedTile && playable(i) && b.Tiles[i].MatchClass == cls) {
        b.Tiles[i].HintMark = true;
        any = true;
      }
    }
    if (!any) return;
    auto drawMarked = [&](const std::array<bool, kMaxTiles>& marked) {
      for (int i = 0; i < n; ++i)
        if (marked[i]) host_.RedrawTile(i, Repaint::kDeferred);
      host_.RepaintField();
    };
    std::array<bool, kMaxTiles> marked{};
    for (int i = 0; i < n; ++i) marked[i] = b.Tiles[i].HintMark;
    ShowHint(100, [&](bool on) {
      for (int i = 0; i < n; ++i)
        if (marked[i]) b.Tiles[i].HintMark = on;
      drawMarked(marked);
    });
    return;
  }

  if (pointer_.HintIndex >= b.Game.MovesAvailable) pointer_.HintIndex = 0;
  // A small budget: the hint must stay quick even on a position the solver finds hard.
  const std::vector<HintPair> pairs =
      preferWinnableHints_ ? hintRanking_.For(b, std::chrono::milliseconds(60)) : HintPairs(b);
  if (pointer_.HintIndex < static_cast<int>(pairs.size())) {
    const int a = pairs[std::size_t(pointer_.HintIndex)][0];
    const int c = pairs[std::size_t(pointer_.HintIndex)][1];
    ShowHint(200, [&](bool on) {
      pointer_.SelectedTile = on ? a : kNoTile;
      pointer_.SecondTile = on ? c : kNoTile;
      host_.RedrawTile(a, Repaint::kTileNow);
      host_.RedrawTile(c, Repaint::kTileNow);
    });
    if (++pointer_.HintIndex >= b.Game.MovesAvailable) pointer_.HintIndex = 0;
    return;
  }
  NoMoreMoves();
}

void Game::OnClockTimer() {
  if (paused_) return;
  playBoard_.Game.ClockTime = host_.Now();
  host_.DrawClock();
}

}  // namespace tv
