// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window is made with (MainOptions), and the Options menu's toggles: each
// flips its setting, shows it on its menu item and tells the parts that follow it.
#pragma once

#include <QObject>
#include <functional>

#include "app/game_clock.h"
#include "app/program.h"
#include "content/settings.h"

namespace tv {

struct MainMenus;

struct MainOptions {
  ProgramPaths Paths;
  MessageBoxFn MessageBox;  // empty: the message box on screen
  bool Pauses = true;       // the animations' pauses; off makes tests fast
  ClockFn Clock;            // empty: the local date-time
};

class OptionToggles {
 public:
  // What follows a toggle besides its setting and its menu item.
  struct Follow {
    std::function<void()> Redraw;                  // dim blocked tiles, shadows
    std::function<void(bool on)> LongerHints;      // the game's hints
    std::function<void(bool on)> ShowWinnable;     // the game's hints and the panel
    std::function<void(bool on)> KeepGame;         // the unfinished game kept or not
    std::function<void()> MoveMade;                // keeps the game as it stands now
    std::function<void(bool analog)> AnalogClock;  // the status bar's clock face
  };

  OptionToggles(Settings& settings, const MainMenus& menus, Follow follow);

  // The items run their toggles while `context` lives.
  void Connect(QObject* context);
  // After the settings were read: the items show them and the parts follow.
  void Apply();

  void ToggleDimBlocked();
  void ToggleDrawShadows();
  void ToggleLongerHints();
  void SetShowWinnable(bool on);
  void SetAnalogClock(bool analog);
  void ResumeClicked();

 private:
  Settings& settings_;
  const MainMenus& menus_;
  Follow follow_;
};

}  // namespace tv
