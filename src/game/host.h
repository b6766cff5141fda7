// SPDX-License-Identifier: GPL-3.0-or-later
// The one door from the game logic to the rest of the program: drawing, pauses,
// sounds, records, the chooser and message boxes. The main window implements it;
// tests implement it with a recording fake, so play runs without windows or waits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/repaint.h"
#include "game/sound.h"
#include "game/text.h"

namespace tv {

enum class Command : int {
  kUndo,
  kHint,
  kReshuffle,
  kSolutionNext,  // Next Move and Game End
  kSolutionPrev,  // Restore Move and Game Start
  kZoomIn,        // Enlarge Tiles Size (menu item and button)
  kZoomOut,       // Reduce Tiles Size (menu item and button)
  kRedo,
  kPause,
};

enum class Label : int { kTilesLeft, kMovesLeft, kReshufLeft, kGameNumber };

// T_NewGame runs Game::OnNewGameTimer once; T_UpdateClock runs Game::OnClockTimer.
enum class Timer : int { kNewGame, kUpdateClock };

class GameHost {
 public:
  virtual ~GameHost() = default;

  // Drawing of the field (slot numbers of the current board).
  virtual void RedrawAll() = 0;
  virtual void RedrawTile(int slot, Repaint mode) = 0;
  virtual void RedrawAround(int slot, bool skipSelf, Repaint mode) = 0;
  virtual void DrawSeeThrough(int slot, int percent, bool fade, Repaint mode) = 0;
  virtual void RepaintField() = 0;
  virtual void PlaceTiles() = 0;
  virtual void DrawClock() = 0;

  // Window state.
  virtual void SetLabel(Label label, const Text& text) = 0;
  virtual void Enable(Command command, bool on) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetTimer(Timer timer, bool on) = 0;
  virtual void ResetCursor() = 0;
  virtual void EndFieldDrag() = 0;
  virtual void SetSolutionView(bool on) = 0;
  // Paused, the field hides the tiles and the commands that would change the game rest.
  virtual void SetPausedView(bool on) = 0;

  // Time: the local date-time in days, and blocking pauses.
  virtual double Now() = 0;
  virtual void Pause(int milliseconds) = 0;

  // Plays without waiting, and only while sounds are on; play calls it regardless.
  virtual void PlaySound(Sound sound) = 0;
  virtual bool SoundOn() = 0;

  // "$D" in the text stands for a line break.
  virtual void ShowMessage(const Text& text) = 0;

  // Records, the recent list and the layout chooser. CountGame reads the time and
  // the reshuffles used from the game (ClockTime is set just before a won call).
  virtual void CountGame(bool won) = 0;
  // Only a layout the catalogue knows joins the recent list.
  virtual void AddRecent(std::string_view layoutName) = 0;
  virtual bool ShowLayoutChooser() = 0;
  // Offers `seed`; true with the number entered when the player confirms.
  virtual bool AskGameNumber(std::uint32_t& seed) = 0;

  // The position changed through play: a start, a removal, undo or redo.
  virtual void MoveMade() = 0;
};

// A host that ignores everything: for tools, benchmarks and tests that draw or
// deal without a window. Override what matters.
class NullGameHost : public GameHost {
 public:
  void RedrawAll() override {}
  void RedrawTile(int, Repaint) override {}
  void RedrawAround(int, bool, Repaint) override {}
  void DrawSeeThrough(int, int, bool, Repaint) override {}
  void RepaintField() override {}
  void PlaceTiles() override {}
  void DrawClock() override {}
  void SetLabel(Label, const Text&) override {}
  void Enable(Command, bool) override {}
  void SetCaption(const std::string&) override {}
  void SetTimer(Timer, bool) override {}
  void ResetCursor() override {}
  void EndFieldDrag() override {}
  void SetSolutionView(bool) override {}
  void SetPausedView(bool) override {}
  double Now() override { return 0; }
  void Pause(int) override {}
  void PlaySound(Sound) override {}
  bool SoundOn() override { return false; }
  void ShowMessage(const Text&) override {}
  void CountGame(bool) override {}
  void AddRecent(std::string_view) override {}
  bool ShowLayoutChooser() override { return false; }
  bool AskGameNumber(std::uint32_t&) override { return false; }
  void MoveMade() override {}
};

}  // namespace tv
