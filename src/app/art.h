// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the program carries: icons, status frames, clock face, about box art and the
// editor's cursors, all drawn from vector sources compiled into the program.
#pragma once

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "content/about.h"

namespace tv {

enum class ArtKind {
  kIcon,     // toolbar and menu image, square, any size
  kToggle,   // icon of a checkable command: its On state is drawn on a highlight plate
  kPicture,  // fixed-size picture (frames, clock face, about box)
  kCursor,   // mouse cursor with a hot spot
};

struct ArtItem {
  QString name;
  ArtKind kind;
  QSize size;      // natural size: toolbar size for icons, exact size for pictures and cursors
  QPoint hotSpot;  // cursors only
};

// Every item the loader offers, in a stable order (the contact sheet and tests walk it).
// Names are unique within icons (with toggles), within pictures and within cursors; a
// picture and an icon may share a name ("about": the about box picture and the About
// command's icon), and each function below looks in its own group.
// Icons are named after their command; the less obvious ones: "help" serves every toolbar
// help button and How to Play, "help-contents" Contents, "sol-stop" both Return to Game
// commands, "game-number" Select Game Shuffle, "web-home" both home page items, "exit" both
// Exit items, "edit-draw" Put Tiles / Draw. Toggles: "dim-blocked", "draw-shadows",
// "edit-draw", "edit-erase", "edit-move", "auto-z", "custom-z", "pause".
const std::vector<ArtItem>& ArtCatalogue();
// `kind` Icon also finds toggles.
const ArtItem* FindArt(const QString& name, ArtKind kind);

// A scalable icon rendered at whatever size it is asked for; checkable commands get a
// distinct On state, and the Disabled mode is a faded, desaturated version. Unknown names
// give a null icon.
QIcon ArtIcon(const QString& name);

// The program's icon, the desktop entry's own, in the sizes a window manager asks for.
QIcon ProgramIcon();

// One catalogue item rendered at exactly `size` (its natural size when `size` is empty)
// over `background`; a transparent background gives an ARGB image, an opaque one an RGB
// image ready for 24-bit composition. `on` selects the checked look of toggles.
QImage RenderArt(const ArtItem& item, QSize size = {}, QColor background = Qt::transparent,
                 bool on = false);

// RenderArt of the named picture, or of the icon or cursor of that name when there is no
// such picture. Unknown names give a null image.
QImage ArtImage(const QString& name, QSize size = {}, QColor background = Qt::transparent,
                bool on = false);

// The about box's art, drawn again at any size a denser screen asks for; `play` false
// leaves out the play button's pictures (the splash has none).
AboutPictures AboutArt(bool play = true);

// The editor's cursors ("drag" while a field move is in progress, "move" for the tool),
// drawn for a screen of `ratio` device pixels per point.
QCursor ArtCursor(const QString& name, double ratio = 1);

}  // namespace tv
