// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows share for the whole run: where the program's files lie, and the
// routines every window uses to talk to the player (message box, dialog placement).
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace tv {

// Where the program's files lie, each directory ending with '/'. Run from a writable
// folder holding the content, everything lies beside the program; installed, the
// player's files lie in the per-user folders (see app/user_folders.h).
struct ProgramPaths {
  std::string ProgramDir;
  std::string ContentDir;  // holds the read-only content ("help/" among it)
  std::string LayoutsDir;
  std::string TilesDir;
  std::string BkgDir;
  std::string MusicDir;
  std::string SoundsDir;  // the effects' ".wav" files
  std::string SettingsFile;
  std::string RecordsFile;     // "tilvane.won2"
  std::string OldRecordsFile;  // "tilvane.won"
  std::string GameFile;        // the unfinished game
  std::string HistoryFile;     // every counted game, beside the records
  // Installed only: the layouts shipped with the program, and the file naming every
  // shipped layout already offered to the player's layouts folder.
  std::string ShippedLayoutsDir;
  std::string OfferedLayoutsFile;
  // Installed only: the player's own tilesets, pictures and songs, read together with
  // the shipped ones; the player's file wins on a name clash.
  std::string UserTilesDir;
  std::string UserBkgDir;
  std::string UserMusicDir;
  bool Installed = false;

  // The folders to read, the player's last.
  std::vector<std::string> TilesDirs() const { return Folders(TilesDir, UserTilesDir); }
  std::vector<std::string> BkgDirs() const { return Folders(BkgDir, UserBkgDir); }
  std::vector<std::string> MusicDirs() const { return Folders(MusicDir, UserMusicDir); }

 private:
  static std::vector<std::string> Folders(const std::string& shipped, const std::string& own) {
    if (own.empty()) return {shipped};
    return {shipped, own};
  }
};

// `programDir` with or without a trailing '/'; decides between the two ways to run.
ProgramPaths MakeProgramPaths(std::string programDir);

constexpr const char* kDefaultLayout = "Dragon";
constexpr const char* kDefaultTileset = "standard";
constexpr const char* kDefaultBackground = "li-river";
constexpr const char* kProgramTitle = "Tilvane";

// Buttons and icon of a message box, combined with |; the answer is one of the buttons.
enum MessageFlags : int {
  kMessageOk = 0,
  kMessageOkCancel = 1,
  kMessageYesNoCancel = 3,
  kMessageYesNo = 4,
  kMessageError = 0x10,
  kMessageQuestion = 0x20,
  kMessageWarning = 0x30,
  kMessageInformation = 0x40,
};
enum MessageAnswer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

// The program's one message box routine; tests put a recorder in its place.
using MessageBoxFn = std::function<int(const std::string& text, int flags)>;

// Every "$D" becomes a line break (carriage return, line feed).
std::string ExpandLineBreaks(const std::string& text);

// The message box on screen: title "Tilvane", the text with its line breaks expanded.
int ShowMessageBox(QWidget* parent, const std::string& text, int flags);

// Centres `dialog` over `owner` at the larger of 3/4 of the owner's size and the dialog's
// minimum size, never left of or above the screen's origin.
void PlaceDialog(QWidget* dialog, const QWidget* owner);

}  // namespace tv
