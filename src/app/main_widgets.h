// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's widgets: the menu bar, the toolbars, the field panel with the field
// and the status bars, built in their places and dressed in the program's style sheets.
#pragma once

#include "app/main_menus.h"

class QMainWindow;

namespace tv {

class FieldWidget;
class StatusBars;

struct MainWidgets {
  MainMenus Menus;
  MainToolbars Bars;
  QWidget* P_Field = nullptr;  // the panel around the field, in the background colour
  FieldWidget* Field = nullptr;
  QWidget* P_StatusHolder = nullptr;
  StatusBars* Status = nullptr;
};

// Fills `window`: its menu bar and a central widget with the rest.
MainWidgets BuildMainWidgets(QMainWindow* window);

// The panel's background colour (packed 0xRRGGBB).
void SetPanelColor(QWidget* panel, int color);

}  // namespace tv
