// SPDX-License-Identifier: GPL-3.0-or-later
// The Options menu's toggles: the setting, its menu item and what follows it.
#include "app/main_options.h"

#include <QAction>
#include <utility>

#include "app/main_menus.h"

namespace tv {

OptionToggles::OptionToggles(Settings& settings, const MainMenus& menus, Follow follow)
    : settings_(settings), menus_(menus), follow_(std::move(follow)) {}

void OptionToggles::Connect(QObject* context) {
  const MainMenus& m = menus_;
  QObject::connect(m.MI_OptionsResume, &QAction::triggered, context, [this] { ResumeClicked(); });
  QObject::connect(m.MI_OptionsDimBlockedTiles, &QAction::triggered, context,
                   [this] { ToggleDimBlocked(); });
  QObject::connect(m.MI_OptionsDrawShadows, &QAction::triggered, context,
                   [this] { ToggleDrawShadows(); });
  QObject::connect(m.MI_OptionsLongerHints, &QAction::triggered, context,
                   [this] { ToggleLongerHints(); });
  QObject::connect(m.MI_OptionsShowWinnable, &QAction::triggered, context,
                   [this](bool on) { SetShowWinnable(on); });
}

void OptionToggles::Apply() {
  menus_.MI_OptionsDimBlockedTiles->setChecked(settings_.DimLockedTiles);
  menus_.MI_OptionsDrawShadows->setChecked(settings_.DrawShadows);
  menus_.MI_OptionsLongerHints->setChecked(settings_.LongerHints);
  follow_.LongerHints(settings_.LongerHints);
  menus_.MI_OptionsResume->setChecked(settings_.ResumeGame);
  follow_.KeepGame(settings_.ResumeGame);
  SetShowWinnable(settings_.ShowWinnable);
}

void OptionToggles::ToggleDimBlocked() {
  settings_.DimLockedTiles = !settings_.DimLockedTiles;
  menus_.MI_OptionsDimBlockedTiles->setChecked(settings_.DimLockedTiles);
  follow_.Redraw();
}

void OptionToggles::ToggleDrawShadows() {
  settings_.DrawShadows = !settings_.DrawShadows;
  menus_.MI_OptionsDrawShadows->setChecked(settings_.DrawShadows);
  follow_.Redraw();
}

void OptionToggles::ToggleLongerHints() {
  settings_.LongerHints = !settings_.LongerHints;
  menus_.MI_OptionsLongerHints->setChecked(settings_.LongerHints);
  follow_.LongerHints(settings_.LongerHints);
}

void OptionToggles::SetShowWinnable(bool on) {
  settings_.ShowWinnable = on;
  menus_.MI_OptionsShowWinnable->setChecked(on);
  follow_.ShowWinnable(on);
}

void OptionToggles::SetAnalogClock(bool analog) {
  settings_.AnalogClock = analog;
  follow_.AnalogClock(analog);
}

void OptionToggles::ResumeClicked() {
  settings_.ResumeGame = menus_.MI_OptionsResume->isChecked();
  follow_.KeepGame(settings_.ResumeGame);
  follow_.MoveMade();
}

}  // namespace tv
