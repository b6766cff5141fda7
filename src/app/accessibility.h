// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads of the main window: every toolbar button's name and
// description, the status panels' names, in the player's language.
#pragma once

class QWidget;

namespace tv {

// Each tool button under `toolbars` is named by its hint and described by what it does.
void DescribeToolbarButtons(QWidget* toolbars);

// Each status panel under `status` is named for what it counts; its label reads the value.
void NameStatusPanels(QWidget* status);

}  // namespace tv
