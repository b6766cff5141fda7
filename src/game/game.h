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
#include <string_view>

#include "game/board.h"
#include "game/deal.h"
#include "game/editor.h"
#include "game/hint_choice.h"
#include "game/history_log.h"
#include "game/host.h"
#include "game/kept_game.h"
#include "game/random.h"
#include "game/result.h"

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

enum class BoardMode { kPlay, kEdit };

// What the pointer marks on the play board: the tile under it, the selection with the
// tile clicked second, and the hint pair shown next.
struct PointerState {
  int SelectedTile = kNoTile;
  int SecondTile = kNoTile;
  int HoverTile = kNoTile;
  int HintIndex = 0;
};

class Game {
 public:
  Game(GameHost& host, std::string layoutsDir);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Boards, to read: the play board, the editor's board and the one shown.
  const MODE_P& PlayBoard() const { return playBoard_; }
  const MODE_P& EditBoard() const { return editBoard_; }
  const MODE_P& Board() const { return boardMode_ == BoardMode::kEdit ? editBoard_ : playBoard_; }
  BoardMode Mode() const { return boardMode_; }
  // Edit mode starts on a copy of the play board; the play board stays as it was.
  void EnterEditMode();
  void LeaveEditMode() { boardMode_ = BoardMode::kPlay; }

  // Layouts read into a board. The start layout is the first of `remembered`,
  // `fallback` and the folder's first that reads; the editor's board takes its sizes.
  bool ReadStartLayout(const std::string& remembered, const std::string& fallback);
  Result ReadPlayLayout(std::string_view name);
  Result ReadEditLayout(std::string_view name);
  // Writes the editor's board as layout `name`, and names the board as the file is.
  Result WriteEditLayout(std::string_view name);
  // The layout the next deal reads.
  void ChooseLayout(std::string_view name) { playBoard_.SetLayoutName(name); }
  // The tile size and the tiles' places follow the window and the tileset, not the
  // play: `place` sizes and places the tiles of the board shown and of the other one.
  void PlaceBoards(const std::function<void(MODE_P& shown, MODE_P& other)>& place);
  // The layout editor works on the editor's board.
  Editor MakeEditor(EditControls& controls, GameHost& host) {
    return Editor(editBoard_, controls, host);
  }
  const std::string& LayoutsDir() const { return layoutsDir_; }

  RandState& Rand() { return rand_; }
  const Solution& DealSolution() const { return solution_; }

  // Play state.
  const PointerState& Pointer() const { return pointer_; }
  int SelectedTile() const { return pointer_.SelectedTile; }
  int SecondTile() const { return pointer_.SecondTile; }
  int HoverTile() const { return pointer_.HoverTile; }
  void SetHoverTile(int slot) { pointer_.HoverTile = slot; }
  int HintIndex() const { return pointer_.HintIndex; }
  int UndoCount() const { return undoCount_; }
  const UNDO_P& UndoStep(int k) const { return undoSteps_[k]; }
  const RESHUFFLE_P& Reshuffle() const { return reshuffle_; }
  int ReshufflesLeft() const { return kReshufflesPerGame - reshuffle_.count; }
  int PendingMode() const { return pendingMode_; }
  bool SolutionMode() const { return solutionMode_; }
  // A deal is on show, with its number: none before the first or after a failed one.
  bool HasDeal() const { return hasDeal_; }
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
  // Asks for the deal of this game number, as the game number dialog's OK does;
  // `daily` (yyyymmdd) marks it as that day's daily deal.
  void PlayGameNumber(std::uint32_t number, int daily = 0);
  // The daily deal's date while it is played (a restart keeps it), 0 otherwise.
  int Daily() const { return daily_; }

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

  // The history the game writes its results to; none by default.
  void SetHistory(HistoryLog* log) { history_ = log; }
  PlayedGame Played(double now) const;
  // Exit: the game in play is written as it stands, for the next start to go on.
  void KeepInHistory();
  // Another layout takes the board: the game in play ends as it stands.
  void LeaveInHistory();

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
  MODE_P& ShownBoard() { return boardMode_ == BoardMode::kEdit ? editBoard_ : playBoard_; }
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
  BoardMode boardMode_ = BoardMode::kPlay;
  bool hasDeal_ = false;
  RandState rand_;
  Solution solution_;

  PointerState pointer_;
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

  HistoryLog* history_ = nullptr;
  int hintsUsed_ = 0;  // of the game in play, for its history
  int undosUsed_ = 0;
  int daily_ = 0;
  int pendingDaily_ = -1;  // taken by the next restart; -1 leaves daily_ as it is
};

// "%d Reshuffle Left" for one, "%d Reshuffles Left" otherwise.
Text ReshuffleLabel(int left);

// "Game 123": the number that replays this deal (unsigned, as the game number dialog
// shows it).
Text GameNumberLabel(std::uint32_t seed);

}  // namespace tv
