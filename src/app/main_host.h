// The game's host in the main window: drawing through the field renderer, labels,
// enabled states, timers, pauses, the clock and the dialogs the game asks for.
#pragma once

#include "field/render.h"
#include "game/host.h"

namespace tv {

class TF_Main;

// The local date-time as days since 30 December 1899, with the time of day as fraction.
double LocalDays();

class MainHost final : public GameHost, public RepaintSink {
 public:
  explicit MainHost(TF_Main& window) : w_(window) {}

  void RedrawAll() override;
  void RedrawTile(int slot, Repaint mode) override;
  void RedrawAround(int slot, bool skipSelf, Repaint mode) override;
  void DrawSeeThrough(int slot, int percent, bool fade, Repaint mode) override;
  void RepaintField() override;
  void PlaceTiles() override;
  void DrawClock() override;

  void SetLabel(Label label, const std::string& text) override;
  void Enable(Command command, bool on) override;
  void SetCaption(const std::string& caption) override;
  void SetTimer(Timer timer, bool on) override;
  void ResetCursor() override;
  void EndFieldDrag() override;
  void SetSolutionView(bool on) override;

  double Now() override { return LocalDays(); }
  void Pause(int milliseconds) override;

  void PlaySound(Sound sound) override;
  bool SoundOn() override;
  void ShowMessage(const std::string& text) override;

  void CountGame(bool won) override;
  void AddRecent(std::string_view layoutName) override;
  bool ShowLayoutChooser() override;
  bool AskGameNumber(std::uint32_t& seed) override;

  // RepaintSink: rectangles of the field picture.
  void RepaintNow(int x, int y, int width, int height) override;
  void Invalidate(int x, int y, int width, int height) override;

 private:
  TF_Main& w_;
};

}  // namespace tv
