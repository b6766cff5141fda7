// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window stands: put back where the player left it, and noted for the
// settings file.
#pragma once

#include <QRect>

#include "content/settings.h"

class QWidget;

namespace tv {

// Puts the window where the settings say the player left it; nothing on a first start.
void PlaceWindow(QWidget& window, const Settings& settings);

// Where the player left the window, into `settings`; full screen and maximised keep the
// size beneath, and a window as it started (filling `startArea`) is noted as zeros.
void StoreWindowPlace(const QWidget& window, const QRect& startArea, Settings& settings);

}  // namespace tv
