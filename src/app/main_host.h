// SPDX-License-Identifier: GPL-3.0-or-later
// The game's host in the main window: the game's requests passed on to the field view,
// the status bars, the field input, the timers and the few window controls it drives.
#pragma once

#include <string>

#include "app/game_clock.h"
#include "game/host.h"

class QTimer;

namespace tv {

class FieldInput;
class FieldView;
class FieldWidget;
class Game;
class LayoutCommands;
class MusicPlayer;
class StatusBars;
class TF_Shuffle;

// What the host changes in the window beyond the field and the status bars.
class WindowControls {
 public:
  virtual ~WindowControls() = default;
  virtual void Enable(Command command, bool on) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetSolutionView(bool on) = 0;
  virtual void SetPausedView(bool on) = 0;
  virtual void MoveMade() = 0;
  virtual int Message(const std::string& text, int flags) = 0;
};

struct HostParts {
  Game* Play = nullptr;  // the board the tiles are placed on
  FieldView* View = nullptr;
  FieldWidget* Field = nullptr;
  FieldInput* Input = nullptr;
  StatusBars* Status = nullptr;
  WindowControls* Window = nullptr;
  TF_Shuffle* Shuffle = nullptr;
  QTimer* NewGameTimer = nullptr;
  QTimer* ClockTimer = nullptr;
  ClockFn Clock;
  bool Pauses = true;
  MusicPlayer* Sounds = nullptr;
  LayoutCommands* Library = nullptr;
};

class MainHost final : public GameHost {
 public:
  // The game is made with the host, the window's parts after it: attach them before
  // the game asks for anything.
  void Attach(HostParts parts) { p_ = std::move(parts); }

  void RedrawAll() override;
  void RedrawTile(int slot, Repaint mode) override;
  void RedrawAround(int slot, bool skipSelf, Repaint mode) override;
  void DrawSeeThrough(int slot, int percent, bool fade, Repaint mode) override;
  void RepaintField() override;
  void PlaceTiles() override;
  void DrawClock() override;

  void SetLabel(Label label, const Text& text) override;
  void Enable(Command command, bool on) override;
  void SetCaption(const std::string& caption) override;
  void SetTimer(Timer timer, bool on) override;
  void ResetCursor() override;
  void EndFieldDrag() override;
  void SetSolutionView(bool on) override;
  void SetPausedView(bool on) override;

  double Now() override { return p_.Clock(); }
  void Pause(int milliseconds) override;

  void PlaySound(Sound sound) override;
  bool SoundOn() override;
  void ShowMessage(const Text& text) override;

  void CountGame(bool won) override;
  void AddRecent(std::string_view layoutName) override;
  bool ShowLayoutChooser() override;
  bool AskGameNumber(std::uint32_t& seed) override;
  void MoveMade() override;

 private:
  HostParts p_;
};

}  // namespace tv
