// SPDX-License-Identifier: GPL-3.0-or-later
// A recording stand-in for the window: keeps what play asked of it, answers the
// chooser and the game-number dialog as told, and runs a clock that pauses advance.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game/host.h"

namespace tv::test {

class FakeHost : public NullGameHost {
 public:
  // Answers.
  bool soundOn = false;
  bool chooserAnswer = false;
  bool gameNumberAnswer = false;
  std::uint32_t gameNumber = 0;

  // Records.
  std::vector<Sound> sounds;
  std::vector<std::string> messages;
  std::vector<bool> countedGames;  // the won flag of each CountGame
  std::vector<std::string> recent;
  std::map<Label, std::string> labels;
  std::map<Command, bool> enabled;
  std::map<Timer, bool> timers;
  std::string caption;
  bool solutionView = false;
  int choosersShown = 0;
  std::uint32_t offeredNumber = 0;
  int redrawAlls = 0;
  double now = 46000.5;  // days
  std::function<void()> onPause;
  std::function<void()> onRedrawAll;

  double Seconds(double since) const { return (now - since) * 86400.0; }

  void RedrawAll() override {
    ++redrawAlls;
    if (onRedrawAll) onRedrawAll();
  }
  void SetLabel(Label label, const Text& text) override { labels[label] = text.English(); }
  void Enable(Command command, bool on) override { enabled[command] = on; }
  void SetCaption(const std::string& text) override { caption = text; }
  void SetTimer(Timer timer, bool on) override { timers[timer] = on; }
  void SetSolutionView(bool on) override { solutionView = on; }
  double Now() override { return now; }
  void Pause(int milliseconds) override {
    now += milliseconds / 86400000.0;
    if (onPause) onPause();
  }
  void PlaySound(Sound sound) override {
    if (soundOn) sounds.push_back(sound);
  }
  bool SoundOn() override { return soundOn; }
  void ShowMessage(const Text& words) override {
    const std::string text = words.English();
    messages.push_back(text);
  }
  void CountGame(bool won) override { countedGames.push_back(won); }
  void AddRecent(std::string_view name) override { recent.emplace_back(name); }
  bool ShowLayoutChooser() override {
    ++choosersShown;
    return chooserAnswer;
  }
  bool AskGameNumber(std::uint32_t& seed) override {
    offeredNumber = seed;
    if (gameNumberAnswer) seed = gameNumber;
    return gameNumberAnswer;
  }
};

}  // namespace tv::test
