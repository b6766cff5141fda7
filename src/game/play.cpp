// SPDX-License-Identifier: GPL-3.0-or-later
// Starting games, the field click, removal with its fade, undo, hint, the
// reshuffle allowance, the end of a game and the clock.
#include "game/play.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "game/layout_file.h"

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
  boardMode_ = kEditMode;
  // The play marks mean nothing on the editor's board.
  selectedTile_ = secondTile_ = hoverTile_ = kNoTile;
}

bool Game::TileInPlay(int slot) const {
  const MODE_P& b = Board();
  return slot >= 0 && slot < b.Game.TileCount && slot < kMaxTiles && b.Tiles[slot].Present;
}

void Game::DeferredStart(int mode) {
  pendingMode_ = std::clamp(mode, 0, 3);
  host_.SetTimer(Timer::NewGame, true);
}

void Game::OnNewGameTimer() {
  host_.SetTimer(Timer::NewGame, false);
  StartGame(pendingMode_, true);
}

void Game::SelectGameShuffle() {
  std::uint32_t seed = playBoard_.Game.Seed;
  if (!host_.AskGameNumber(seed)) return;
  PlayGameNumber(seed);
}

void Game::PlayGameNumber(std::uint32_t number) {
  playBoard_.Game.Seed = number;
  DeferredStart(kDealRestart);
}

// A layout that cannot be read leaves the board's positions, which are dealt
// again; only a board with nothing to deal reports the read failure.
bool Game::PrepareLayout() {
  MODE_P& b = Board();
  const std::string name(b.LayoutName());
  const Result read = ReadLayout(layoutsDir_, name, b);
  if (read || b.Game.TileCount >= 2) return true;
  // The player sees the short text even where the reader knows more.
  host_.ShowMessage(LayoutReadText(read.As<LayoutReadCode>(), name + ".mah"));
  return false;
}

void Game::Compact() {
  MODE_P& b = Board();
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
  MODE_P& b = Board();
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
      host_.Enable(Command::Undo, false);
      ForgetRedo();
      selectedTile_ = secondTile_ = hoverTile_ = kNoTile;
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
  selectedTile_ = secondTile_ = hoverTile_ = kNoTile;
  if (mode == kDealNew || mode == kDealRestart) b.Game.Counted = false;

  if (animate) AnimateDeal();

  b.Game.TilesLeft = n;
  UpdatePlayState();
  UpdateReshuffleLabel();
  host_.SetLabel(Label::GameNumber, GameNumberLabel(b.Game.Seed));

  const double now = host_.Now();
  if (mode == kDealNew || mode == kDealRestart) b.Game.StartTime = now;
  b.Game.ClockTime = now;
  host_.DrawClock();
  host_.SetTimer(Timer::UpdateClock, true);

  undoCount_ = 0;
  host_.Enable(Command::Undo, false);
  ForgetRedo();
  hintIndex_ = 0;
  // The window keeps hint off while the solution is shown.
  host_.Enable(Command::Hint, !solutionMode_);
  host_.Enable(Command::Pause, CanPause());

  if (mode == kDealNew) host_.AddRecent(b.LayoutName());
  host_.SetCaption("Tilvane - " + std::string(b.LayoutName()));
  host_.EndFieldDrag();
  host_.MoveMade();
  return true;
}

void Game::AnimateDeal() {
  MODE_P& b = Board();
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
  MODE_P& b = Board();
  MarkFreeTiles(b);
  b.Game.MovesAvailable = CountMoves(b);
  solutionTiles_ = {kNoTile, kNoTile};
  if (solutionMode_ && b.Game.TilesLeft >= 2) {
    solutionTiles_[0] = SolutionSlot(b.Game.TilesLeft - 1);
    solutionTiles_[1] = SolutionSlot(b.Game.TilesLeft - 2);
  }
  host_.RedrawAll();
  host_.SetLabel(Label::TilesLeft, Text::Counted(kTilesLeftText, b.Game.TilesLeft));
  host_.SetLabel(Label::MovesLeft, Text::Counted(kMovesAvailableText, b.Game.MovesAvailable));
  PositionChanged();
}

void Game::PositionChanged() {
  hintRanking_.Invalidate();
  if (OnPositionChanged) OnPositionChanged();
}

void Game::UpdateReshuffleLabel() {
  const int left = ReshufflesLeft();
  host_.SetLabel(Label::ReshufLeft, ReshuffleLabel(left));
  host_.Enable(Command::Reshuffle, left > 0 && Board().Game.TilesLeft > 0);
}

// The field is empty after a failed deal, so nothing of the previous game may stay
// on show: no counters, no number, a clock standing at zero.
void Game::ClearStatus() {
  MODE_P& b = Board();
  b.Game.TilesLeft = 0;
  b.Game.MovesAvailable = 0;
  for (const Label label :
       {Label::TilesLeft, Label::MovesLeft, Label::ReshufLeft, Label::GameNumber})
    host_.SetLabel(label, Text());
  b.Game.StartTime = b.Game.ClockTime = host_.Now();
  host_.SetTimer(Timer::UpdateClock, false);
  host_.DrawClock();
  for (const Command command : {Command::Hint, Command::Reshuffle, Command::Pause})
    host_.Enable(command, false);
}

void Game::ClickTile(int slot) {
  if (solutionMode_ || paused_ || boardMode_ != kPlayMode) return;
  if (!TileInPlay(slot) || !Board().Tiles[slot].Free) return;
  const MODE_P& b = Board();
  if (selectedTile_ == kNoTile) {
    selectedTile_ = slot;
    secondTile_ = kNoTile;
    host_.RedrawTile(slot, Repaint::TileNow);
    host_.PlaySound(Sound::Select);
  } else if (slot == selectedTile_) {
    const int second = secondTile_;
    selectedTile_ = secondTile_ = kNoTile;
    host_.RedrawTile(slot, Repaint::TileNow);
    if (second != kNoTile) host_.RedrawTile(second, Repaint::TileNow);
  } else if (b.Tiles[slot].MatchClass == b.Tiles[selectedTile_].MatchClass) {
    RemovePair(slot, selectedTile_);
  } else {
    const int old = selectedTile_;
    selectedTile_ = slot;
    secondTile_ = kNoTile;
    host_.RedrawTile(old, Repaint::Deferred);
    host_.RedrawTile(slot, Repaint::TileNow);
    host_.PlaySound(Sound::Select);
  }
}

// Both tiles of secondTile_ and selectedTile_ go see-through in ten steps.
void Game::FadePair() {
  host_.RedrawAround(secondTile_, false, Repaint::Deferred);
  host_.RedrawAround(selectedTile_, false, Repaint::TileNow);
  for (int percent = 10; percent <= 100; percent += 10) {
    host_.DrawSeeThrough(secondTile_, percent, true, Repaint::Deferred);
    host_.DrawSeeThrough(selectedTile_, percent, true, Repaint::Deferred);
    host_.RepaintField();
    host_.Pause(10);
  }
}

void Game::RemovePair(int tile, int selected) {
  if (!TileInPlay(tile) || !TileInPlay(selected) || tile == selected) return;
  MODE_P& b = Board();
  secondTile_ = tile;
  selectedTile_ = selected;
  host_.RedrawTile(secondTile_, Repaint::Deferred);
  host_.RedrawTile(selectedTile_, Repaint::Deferred);
  host_.RepaintField();

  host_.PlaySound(Sound::Remove);
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
  host_.Enable(Command::Undo, true);

  selectedTile_ = secondTile_ = kNoTile;
  host_.RedrawAround(tile, true, Repaint::Deferred);
  host_.RedrawAround(selected, true, Repaint::TileNow);

  b.Game.TilesLeft -= 2;
  UpdatePlayState();

  if (!b.Game.Counted) {
    b.Game.Counted = true;
    host_.CountGame(false);
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
  hintIndex_ = 0;
  if (b.Game.MovesAvailable <= 0) {
    b.Game.ClockTime = host_.Now();
    host_.DrawClock();
    NoMoreMoves();
  }
}

void Game::NoMoreMoves() {
  if (host_.SoundOn())
    host_.PlaySound(Sound::Loose);
  else
    host_.ShowMessage(Text::Template(kNoMoreMovesMessage));
}

void Game::GameWon() {
  MODE_P& b = Board();
  b.Game.ClockTime = host_.Now();
  host_.DrawClock();
  host_.SetTimer(Timer::UpdateClock, false);
  host_.PlaySound(Sound::Win);
  host_.CountGame(true);
  host_.Enable(Command::Hint, false);
  host_.Enable(Command::Undo, false);
  host_.Enable(Command::Pause, false);
  host_.Enable(Command::Reshuffle, false);
  if (host_.ShowLayoutChooser()) DeferredStart(kDealNew);
}

void Game::Undo() {
  MODE_P& b = Board();
  // A won game keeps its removals, but they are no longer undone.
  if (undoCount_ <= 0 || b.Game.TilesLeft <= 0 || solutionMode_ || paused_ ||
      boardMode_ != kPlayMode)
    return;
  selectedTile_ = secondTile_ = kNoTile;
  const UNDO_P& step = undoSteps_[--undoCount_];
  b.Tiles[step.FirstSlot].Present = true;
  b.Tiles[step.SecondSlot].Present = true;
  b.Game.TilesLeft = step.TilesLeft;
  b.Game.MovesAvailable = step.MovesAvailable;
  redoSteps_[redoCount_++] = step;
  if (undoCount_ == 0) host_.Enable(Command::Undo, false);
  host_.Enable(Command::Redo, true);
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
  MODE_P& b = Board();
  if (solutionMode_ || paused_ || boardMode_ != kPlayMode || b.Game.TilesLeft <= 0) return;
  const int n = std::clamp(b.Game.TileCount, 0, kMaxTiles);
  ClearHintMarks(b);
  auto playable = [&](int i) { return b.Tiles[i].Present && b.Tiles[i].Free; };

  if (selectedTile_ != kNoTile) {
    const std::uint8_t cls = b.Tiles[selectedTile_].MatchClass;
    bool any = false;
    for (int i = 0; i < n; ++i) {
      if (i != selectedTile_ && playable(i) && b.Tiles[i].MatchClass == cls) {
        b.Tiles[i].HintMark = true;
        any = true;
      }
    }
    if (!any) return;
    auto drawMarked = [&](const std::array<bool, kMaxTiles>& marked) {
      for (int i = 0; i < n; ++i)
        if (marked[i]) host_.RedrawTile(i, Repaint::Deferred);
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

  if (hintIndex_ >= b.Game.MovesAvailable) hintIndex_ = 0;
  // A small budget: the hint must stay quick even on a position the solver finds hard.
  const std::vector<HintPair> pairs =
      preferWinnableHints_ ? hintRanking_.For(b, std::chrono::milliseconds(60)) : HintPairs(b);
  if (hintIndex_ < static_cast<int>(pairs.size())) {
    const int a = pairs[std::size_t(hintIndex_)][0];
    const int c = pairs[std::size_t(hintIndex_)][1];
    ShowHint(200, [&](bool on) {
      selectedTile_ = on ? a : kNoTile;
      secondTile_ = on ? c : kNoTile;
      host_.RedrawTile(a, Repaint::TileNow);
      host_.RedrawTile(c, Repaint::TileNow);
    });
    if (++hintIndex_ >= b.Game.MovesAvailable) hintIndex_ = 0;
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
