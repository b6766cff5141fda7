// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways to run. From a writable folder that holds the content folders (a build
// folder, an unpacked copy) everything lies beside the program. Installed, the content
// is read from share/tilvane and the player's own files go to the per-user folders:
// settings in $XDG_CONFIG_HOME/tilvane; records, layouts and the player's own tilesets,
// pictures and songs (tiles/, bkg/, music/) in $XDG_DATA_HOME/tilvane; the unfinished
// game in $XDG_STATE_HOME/tilvane.
#pragma once

#include <string>

#include "app/program.h"
#include "game/result.h"

namespace tv {

// The per-user folders, each ending with "tilvane/".
struct UserFolders {
  std::string ConfigDir;
  std::string DataDir;
  std::string StateDir;  // empty: the settings folder
};

// From XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_STATE_HOME; unset, empty or relative
// values give way to ~/.config, ~/.local/share and ~/.local/state.
UserFolders UserFoldersFromEnvironment();

// The installed content folder that belongs to a program in `programDir`.
std::string InstalledContentDir(const std::string& programDir);

// True when the program folder cannot serve (no content folders or not writable) and
// `contentDir` holds the content.
bool RunsInstalled(const std::string& programDir, const std::string& contentDir);

ProgramPaths PortablePaths(const std::string& programDir);
ProgramPaths InstalledPaths(const std::string& programDir, const std::string& contentDir,
                            const UserFolders& folders);

enum class UserFoldersError { kNone, kCreate, kCopy, kWrite };

// Installed runs only: creates the player's folders (settings, layouts, tiles, bkg,
// music, state), moves an unfinished game kept by an older version from the settings
// folder to the state folder, and copies each shipped layout whose name was never
// offered before, so a layout the player deleted stays deleted and one the player keeps
// under the same name is never overwritten. A copy is made whole or not at all, and only
// a whole copy counts as offered. A folder without any layout file is filled anew,
// whatever was offered before.
Result PrepareUserFolders(const ProgramPaths& paths);

// True when `layoutsDir` holds a layout that reads.
bool HasReadableLayout(const std::string& layoutsDir);

}  // namespace tv
