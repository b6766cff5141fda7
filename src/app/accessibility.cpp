// SPDX-License-Identifier: GPL-3.0-or-later
// Names and descriptions for assistive technology, looked up by the widgets' object names.
#include "app/accessibility.h"

#include <QCoreApplication>
#include <QToolButton>
#include <QWidget>

namespace tv {
namespace {

struct Described {
  const char* object;
  const char* text;
};

constexpr Described kButtonDescriptions[] = {
    {"B_ChooseLayout",
     QT_TRANSLATE_NOOP("Toolbar", "Opens the list of layouts to choose the next game from.")},
    {"B_New", QT_TRANSLATE_NOOP("Toolbar", "Deals a new game of the current layout.")},
    {"B_Restart",
     QT_TRANSLATE_NOOP("Toolbar", "Starts the current game again from its first move.")},
    {"B_Undo", QT_TRANSLATE_NOOP("Toolbar", "Takes back the last move.")},
    {"B_Redo", QT_TRANSLATE_NOOP("Toolbar", "Makes the move taken back again.")},
    {"B_Hint", QT_TRANSLATE_NOOP("Toolbar", "Shows a pair of free tiles that match.")},
    {"B_Pause", QT_TRANSLATE_NOOP(
                    "Toolbar", "Hides the tiles and stops the clock, or goes on with the game.")},
    {"B_BkgCol", QT_TRANSLATE_NOOP("Toolbar", "Chooses the background color.")},
    {"B_BkgPic", QT_TRANSLATE_NOOP("Toolbar", "Chooses the background picture.")},
    {"B_Tiles", QT_TRANSLATE_NOOP("Toolbar", "Chooses the tileset.")},
    {"B_ZoomIn", QT_TRANSLATE_NOOP("Toolbar", "Makes the tiles larger.")},
    {"B_ZoomOut", QT_TRANSLATE_NOOP("Toolbar", "Makes the tiles smaller.")},
    {"B_DimBlocked",
     QT_TRANSLATE_NOOP("Toolbar", "Shows the tiles that cannot be removed yet in darker colors.")},
    {"B_Music", QT_TRANSLATE_NOOP("Toolbar", "Sets the sound effects and the music.")},
    {"B_Stats",
     QT_TRANSLATE_NOOP("Toolbar", "Shows the figures and pictures of the games played.")},
    {"B_PlayHelp", QT_TRANSLATE_NOOP("Toolbar", "Opens the help page of the game.")},
    {"B_FileNew", QT_TRANSLATE_NOOP("Toolbar", "Starts a new empty layout.")},
    {"B_FileOpen", QT_TRANSLATE_NOOP("Toolbar", "Opens a layout file to edit.")},
    {"B_FileSave", QT_TRANSLATE_NOOP("Toolbar", "Saves the layout to a file.")},
    {"B_FilePlay", QT_TRANSLATE_NOOP("Toolbar", "Plays the layout being edited.")},
    {"B_EditUndo", QT_TRANSLATE_NOOP("Toolbar", "Takes back the last change to the layout.")},
    {"B_EditRedo", QT_TRANSLATE_NOOP("Toolbar", "Makes the change taken back again.")},
    {"B_EditDraw", QT_TRANSLATE_NOOP("Toolbar", "Clicking the field puts tiles.")},
    {"B_EditErase", QT_TRANSLATE_NOOP("Toolbar", "Clicking a tile erases it.")},
    {"B_EditMove", QT_TRANSLATE_NOOP("Toolbar", "Dragging moves the whole layout.")},
    {"B_EditAutoZ", QT_TRANSLATE_NOOP("Toolbar", "New tiles go on top of the tiles below them.")},
    {"B_EditCustomZ", QT_TRANSLATE_NOOP("Toolbar", "New tiles go on the level you choose.")},
    {"B_CustomZDown", QT_TRANSLATE_NOOP("Toolbar", "Lowers the level new tiles go on.")},
    {"B_CustomZUp", QT_TRANSLATE_NOOP("Toolbar", "Raises the level new tiles go on.")},
    {"B_EditHelp", QT_TRANSLATE_NOOP("Toolbar", "Opens the help page of the layout editor.")},
    {"B_SolFirst", QT_TRANSLATE_NOOP("Toolbar", "Goes to the start of the solution.")},
    {"B_SolPrev", QT_TRANSLATE_NOOP("Toolbar", "Goes one move back in the solution.")},
    {"B_SolNext", QT_TRANSLATE_NOOP("Toolbar", "Goes one move forward in the solution.")},
    {"B_SolLast", QT_TRANSLATE_NOOP("Toolbar", "Goes to the end of the solution.")},
    {"B_SolStop", QT_TRANSLATE_NOOP("Toolbar", "Leaves the solution and returns to the game.")},
    {"B_SolHelp", QT_TRANSLATE_NOOP("Toolbar", "Opens the help page of the solution.")},
};

constexpr Described kPanelNames[] = {
    {"P_TilesLeft", QT_TRANSLATE_NOOP("Status", "Tiles left")},
    {"P_MovesLeft", QT_TRANSLATE_NOOP("Status", "Moves available")},
    {"P_Clock", QT_TRANSLATE_NOOP("Status", "Game time")},
    {"P_ReshufLeft", QT_TRANSLATE_NOOP("Status", "Reshuffles left")},
    {"P_CurTile", QT_TRANSLATE_NOOP("Status", "Current tile")},
    {"P_Winnable", QT_TRANSLATE_NOOP("Status", "Winnable or not")},
    {"P_GameNumber", QT_TRANSLATE_NOOP("Status", "Game number")},
    {"P_EditZ", QT_TRANSLATE_NOOP("Status", "Level")},
    {"P_EditTiles", QT_TRANSLATE_NOOP("Status", "Tiles in the layout")},
    {"P_EditFree", QT_TRANSLATE_NOOP("Status", "Free tiles in the layout")},
};

}  // namespace

void DescribeToolbarButtons(QWidget* toolbars) {
  for (QToolButton* button : toolbars->findChildren<QToolButton*>()) {
    // A button bound to a menu command takes the command's tooltip, its hint.
    button->setAccessibleName(button->toolTip());
    for (const Described& d : kButtonDescriptions)
      if (button->objectName() == QLatin1String(d.object))
        button->setAccessibleDescription(QCoreApplication::translate("Toolbar", d.text));
  }
}

void NameStatusPanels(QWidget* status) {
  for (const Described& d : kPanelNames) {
    if (auto* panel = status->findChild<QWidget*>(QLatin1String(d.object))) {
      panel->setAccessibleName(QCoreApplication::translate("Status", d.text));
      if (panel->objectName() == QLatin1String("P_Clock"))
        panel->setAccessibleDescription(QCoreApplication::translate(
            "Status", "Click to switch between the analog and the digital clock"));
    }
  }
}

}  // namespace tv
