// A recording stand-in for the window, for the field tests.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "game/host.h"

namespace tv::test {

class FieldTestHost : public GameHost {
 public:
  std::vector<std::string> messages;
  std::map<Command, bool> enabled;

  void RedrawAll() override {}
  void RedrawTile(int, Repaint) override {}
  void RedrawAround(int, bool, Repaint) override {}
  void DrawSeeThrough(int, int, bool, Repaint) override {}
  void RepaintField() override {}
  void PlaceTiles() override {}
  void DrawClock() override {}
  void SetLabel(Label, const std::string&) override {}
  void Enable(Command command, bool on) override { enabled[command] = on; }
  void SetCaption(const std::string&) override {}
  void SetTimer(Timer, bool) override {}
  void ResetCursor() override {}
  void EndFieldDrag() override {}
  void SetSolutionView(bool) override {}
  double Now() override { return 0; }
  void Pause(int) override {}
  void PlaySound(Sound) override {}
  bool SoundOn() override { return false; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void CountGame(bool) override {}
  void AddRecent(std::string_view) override {}
  bool ShowLayoutChooser() override { return false; }
  bool AskGameNumber(std::uint32_t&) override { return false; }
};

}  // namespace tv::test
