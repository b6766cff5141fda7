// SPDX-License-Identifier: GPL-3.0-or-later
// The game being played: starting deals, selection and removal of pairs, undo,
// hint, reshuffles, the end of a game, the clock, and the replay of the solution.
// All of it works on the board of the current mode and reaches the windows only
// through GameHost, so a test drives a whole game with a fake host.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game/board.h"
#include "game/deal.h"
#include "game/hint_choice.h"
#include "game/host.h"
#include "game/kept_game.h"
#include "game/random.h"

namespace tv {

constexpr int kNoTile = -1;
constexpr int kUndoSize = 72;
constexpr int kReshufflesPerGame = 3;

constexpr const char* kCannotDealMessage =
    TV_TRANSLATE_NOOP("Messages", "Cannot create playable game for this layout!");
constexpr const char* kNoMoreMovesMessage = TV_TRANSLATE_NOOP("Messages", "No more moves!");
// The counters' templates; %n is the count.
constexpr const char* kTilesLeftText = TV_TRANSLATE_N_NOOP("Messages", "%n Tiles Left");
constexpr const char* kMovesAvailableText = TV_TRANSLATE_N_NOOP("Messages", "%n Moves Available");
constexpr const char* kReshufflesLeftText = TV_TRANSLATE_N_NOOP("Messages", "%n Reshuffles Left");
constexpr const char* kGameNumberText = TV_TRANSLATE_NOOP("Messages", "Game %1");

struct UNDO_P {
  std::int32_t FirstSlot = 0;   // the tile selected first
  std::int32_t SecondSlot = 0;  // the tile clicked second
  std::int32_t MovesAvailable = 0;
  std::int32_t TilesLeft = 0;
};

struct RESHUFFLE_P {
  std::array<std::int32_t, kMaxTiles> faces{};  // sorted ascending
  std::uint32_t seed = 0;
  bool done = false;
  std::int32_t count = 0;
  MODE_P saved;  // the compacted board, before its deal
};

enum BoardModeValue : int { kPlayMode = 0, kEditMode = 1 };

class Game {
 public:
  Game(GameHost& host, std::string layoutsDir);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Boards.
  MODE_P& PlayBoard() { return playBoard_; }
  MODE_P& EditBoard() { return editBoard_; }
  const MODE_P& PlayBoard() const { return playBoard_; }
  const MODE_P& EditBoard() const { return editBoard_; }
  MODE_P& Board() { return boardMode_ == kEditMode ? editBoard_ : playBoard_; }
  const MODE_P& Board() const { return boardMode_ == kEditMode ? editBoard_ : playBoard_; }
  int BoardMode() const { return boardMode_; }
  void SetBoardMode(int mode) { boardMode_ = mode == kEditMode ? kEditMode : kPlayMode; }
  // Edit mode starts on a copy of the play board; the play board stays as it was.
  void EnterEditMode();
  const std::string& LayoutsDir() const { return layoutsDir_; }

  RandState& Rand() { return rand_; }
  const Solution& DealSolution() const { return solution_; }

  // Play state.
  int SelectedTile() const { return selectedTile_; }
  int SecondTile() const { return secondTile_; }
  int HoverTile() const { return hoverTile_; }
  void SetHoverTile(int slot) { hoverTile_ = slot; }
  int HintIndex() const { return hintIndex_; }
  int UndoCount() const { return undoCount_; }
  const UNDO_P& UndoStep(int k) const { return undoSteps_[k]; }
  const RESHUFFLE_P& Reshuffle() const { return reshuffle_; }
  int ReshufflesLeft() const { return kReshufflesPerGame - reshuffle_.count; }
  int PendingMode() const { return pendingMode_; }
  bool SolutionMode() const { return solutionMode_; }
  // Off: a hint shows for 200 ms (100 ms for a selection's partners); on: for 1.5 s,
  // blinking twice, for players who miss the short flash.
  void SetLongerHints(bool on) { longerHints_ = on; }
  bool LongerHints() const { return longerHints_; }
  // The next pair of the solution while it is shown, kNoTile otherwise.
  int SolutionTile(int k) const { return solutionTiles_[k]; }

  // Starts. A command never deals at once: the T_NewGame tick does, so the menu
  // closes and the window repaints first.
  void DeferredStart(int mode);
  void OnNewGameTimer();
  // True when the game started; false when the layout or the deal failed.
  bool StartGame(int mode, bool animate);
  void SelectGameShuffle();
  // Asks for the deal of this game number, as the game number dialog's OK does.
  void PlayGameNumber(std::uint32_t number);

  // A click on the field in play mode on `slot` (kNoTile for none).
  void ClickTile(int slot);
  void RemovePair(int tile, int selected);
  void Undo();
  void Hint();
  void OnClockTimer();

  // Redo takes the pairs undone off again, the latest undone first. A removal, a
  // reshuffle or a start forgets them.
  void Redo();
  int RedoCount() const { return redoCount_; }

  // Paused, the clock stands and the field is hidden; the paused time never counts.
  // A start ends a pause.
  bool CanPause() const;
  bool Paused() const { return paused_; }
  void SetPaused(bool on);
  // The game's time so far without its pauses, in days.
  double PlayedDays(double now) const;

  // The game as it stands, to be kept, and a kept game taken up again; Resume
  // expects a kept game that CheckKeptGame accepted for the play board's layout.
  KeptGame Keep(double now) const;
  void Resume(const KeptGame& kept);

  // Solution replay.
  void ShowSolution();
  void SolutionNext();
  void SolutionPrev();
  void SolutionFirst();
  void SolutionLast();
  void ReturnToGame();

  // Free tiles, moves, solution marks, redraw and the status labels; then
  // PositionChanged.
  void UpdatePlayState();
  // Every path that changes the tiles in play ends here (through UpdatePlayState).
  void PositionChanged();
  std::function<void()> OnPositionChanged;
  // Hint without a selection shows pairs that keep the game winnable first.
  void SetPreferWinnableHints(bool on) { preferWinnableHints_ = on; }
  void UpdateReshuffleLabel();

 private:
  bool PrepareLayout();
  void Compact();
  void RestoreReshuffledTiles(MODE_P& board) const;
  void AnimateDeal();
  void FadePair();
  void GameWon();
  void NoMoreMoves();
  void ClearStatus();
  // show(true) marks the hinted tiles, show(false) clears them again.
  template <typename Show>
  void ShowHint(int shortMilliseconds, Show show);
  void SetSolutionEnabled();
  int SolutionSlot(int entry) const;
  bool TileInPlay(int slot) const;
  void ForgetRedo();
  // Undo, redo, hint and pause as the game stands.
  void EnablePlayCommands();

  GameHost& host_;
  std::string layoutsDir_;

  MODE_P playBoard_;
  MODE_P editBoard_;
  int boardMode_ = kPlayMode;
  RandState rand_;
  Solution solution_;

  int selectedTile_ = kNoTile;
  int secondTile_ = kNoTile;
  int hoverTile_ = kNoTile;
  int hintIndex_ = 0;
  std::array<UNDO_P, kUndoSize> undoSteps_{};
  int undoCount_ = 0;
  std::array<UNDO_P, kUndoSize> redoSteps_{};
  int redoCount_ = 0;
  bool redoing_ = false;
  bool paused_ = false;
  double pausedAt_ = 0;
  RESHUFFLE_P reshuffle_;
  int pendingMode_ = kDealNew;

  bool solutionMode_ = false;
  bool longerHints_ = false;
  std::array<int, 2> solutionTiles_{kNoTile, kNoTile};
  bool preferWinnableHints_ = false;
  HintRanking hintRanking_;
};

// "%d Reshuffle Left" for one, "%d Reshuffles Left" otherwise.
Text ReshuffleLabel(int left);

// "Game 123": the number that replays this deal (unsigned, as the game number dialog
// shows it).
Text GameNumberLabel(std::uint32_t seed);

}  // namespace tv
