// SPDX-License-Identifier: GPL-3.0-or-later
// Deciding where the files lie, and offering the shipped layouts to the player.
#include "app/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "game/files.h"
#include "game/game_file.h"
#include "game/history.h"
#include "game/layout_file.h"
#include "game/text.h"

#ifndef TILVANE_CONTENT_FROM_BIN
#define TILVANE_CONTENT_FROM_BIN "../share/tilvane"
#endif

namespace tv {
namespace {

namespace fs = std::filesystem;

std::string WithSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

// An XDG base folder is used only when set to an absolute path.
std::string BaseFolder(const char* variable, const char* homeRelative) {
  const char* value = std::getenv(variable);
  if (value && value[0] == '/') return WithSlash(value);
  const char* home = std::getenv("HOME");
  if (!home || !home[0]) {
    const passwd* entry = getpwuid(getuid());
    home = entry && entry->pw_dir ? entry->pw_dir : "/";
  }
  return WithSlash(std::string(home) + "/" + homeRelative);
}

bool HoldsContent(const std::string& dir) {
  std::error_code error;
  return fs::is_directory(dir + "tiles", error) || fs::is_directory(dir + "layouts", error);
}

std::vector<std::string> ReadOfferedNames(const std::string& file) {
  std::vector<std::string> names;
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(file, bytes, kMaxListFileBytes)) return names;
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) names.push_back(line);
  }
  return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& n) { return EqualsIgnoreCase(n, name); });
}

std::vector<std::string> LayoutNamesIn(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(dir, error)) {
    const std::string file = entry.path().filename().string();
    if (file.size() > 4 && EqualsIgnoreCase(file.substr(file.size() - 4), ".mah"))
      names.push_back(file);
  }
  std::sort(names.begin(), names.end(),
            [](const auto& a, const auto& b) { return LessIgnoreCase(a, b); });
  return names;
}

// A copy that arrives whole or not at all.
Result CopyWhole(const std::string& from, const std::string& to, std::size_t maxBytes) {
  std::vector<std::uint8_t> bytes;
  Result copied = ReadWholeFile(from, bytes, maxBytes);
  if (copied) copied = WriteFileAtomically(to, bytes.data(), bytes.size());
  return copied;
}

// The unfinished game lay beside the settings before it had a folder of its own.
Result MoveOldGameFile(const ProgramPaths& paths) {
  const fs::path old = fs::path(paths.SettingsFile).parent_path() / kGameFileName;
  std::error_code error;
  if (old == fs::path(paths.GameFile) || !fs::exists(old, error) ||
      fs::exists(paths.GameFile, error))
    return {};
  fs::rename(old, paths.GameFile, error);
  if (!error) return {};
  // Another file system: copied whole, then the old one goes.
  Result moved = CopyWhole(old.string(), paths.GameFile, kMaxGameFileBytes);
  if (!moved) return Result::Fail(UserFoldersError::kCopy, moved.Words());
  fs::remove(old, error);
  return {};
}

}  // namespace

UserFolders UserFoldersFromEnvironment() {
  return {BaseFolder("XDG_CONFIG_HOME", ".config") + "tilvane/",
          BaseFolder("XDG_DATA_HOME", ".local/share") + "tilvane/",
          BaseFolder("XDG_STATE_HOME", ".local/state") + "tilvane/"};
}

std::string InstalledContentDir(const std::string& programDir) {
  const fs::path dir =
      fs::path(WithSlash(programDir) + TILVANE_CONTENT_FROM_BIN).lexically_normal();
  return WithSlash(dir.string());
}

bool RunsInstalled(const std::string& programDir, const std::string& contentDir) {
  const std::string dir = WithSlash(programDir);
  const bool portable = HoldsContent(dir) && access(dir.c_str(), W_OK) == 0;
  return !portable && HoldsContent(WithSlash(contentDir));
}

ProgramPaths PortablePaths(const std::string& programDir) {
  const std::string dir = WithSlash(programDir);
  ProgramPaths paths;
  paths.ProgramDir = dir;
  paths.ContentDir = dir;
  paths.LayoutsDir = dir + "layouts/";
  paths.TilesDir = dir + "tiles/";
  paths.BkgDir = dir + "bkg/";
  paths.MusicDir = dir + "music/";
  paths.SoundsDir = dir;
  paths.SettingsFile = dir + "tilvane.ini";
  paths.RecordsFile = dir + "tilvane.won2";
  paths.OldRecordsFile = dir + "tilvane.won";
  paths.HistoryFile = dir + kHistoryFileName;
  paths.GameFile = dir + kGameFileName;
  return paths;
}

ProgramPaths InstalledPaths(const std::string& programDir, const std::string& contentDir,
                            const UserFolders& folders) {
  const std::string content = WithSlash(contentDir);
  ProgramPaths paths;
  paths.Installed = true;
  paths.ProgramDir = WithSlash(programDir);
  paths.ContentDir = content;
  paths.TilesDir = content + "tiles/";
  paths.BkgDir = content + "bkg/";
  paths.MusicDir = content + "music/";
  paths.SoundsDir = content + "sounds/";
  paths.ShippedLayoutsDir = content + "layouts/";
  paths.SettingsFile = folders.ConfigDir + "tilvane.ini";
  paths.LayoutsDir = folders.DataDir + "layouts/";
  paths.RecordsFile = folders.DataDir + "tilvane.won2";
  paths.OldRecordsFile = folders.DataDir + "tilvane.won";
  paths.HistoryFile = folders.DataDir + kHistoryFileName;
  paths.OfferedLayoutsFile = folders.DataDir + "offered-layouts.txt";
  paths.GameFile =
      (folders.StateDir.empty() ? folders.ConfigDir : folders.StateDir) + kGameFileName;
  paths.UserTilesDir = folders.DataDir + "tiles/";
  paths.UserBkgDir = folders.DataDir + "bkg/";
  paths.UserMusicDir = folders.DataDir + "music/";
  return paths;
}

Result PrepareUserFolders(const ProgramPaths& paths) {
  if (!paths.Installed) return {};
  std::error_code error;
  // The player's content folders are made empty, so the help's folders are there to fill.
  for (const fs::path& dir :
       {fs::path(paths.SettingsFile).parent_path(), fs::path(paths.LayoutsDir),
        fs::path(paths.UserTilesDir), fs::path(paths.UserBkgDir), fs::path(paths.UserMusicDir),
        fs::path(paths.GameFile).parent_path()}) {
    fs::create_directories(dir, error);
    if (!fs::is_directory(dir))
      return Result::Fail(
          UserFoldersError::kCreate,
          Text::Lines(
              {Text::Template(TV_TRANSLATE_NOOP("Messages", "Could not create the folder \"%1\"!"),
                              {dir.string()}),
               error ? Text(error.message())
                     : Text::Template(TV_TRANSLATE_NOOP("Messages", "not a folder"))}));
  }
  Result result = MoveOldGameFile(paths);

  const std::vector<std::string> present = LayoutNamesIn(paths.LayoutsDir);
  // An emptied folder (deleted, or never filled for want of space) is offered everything.
  std::vector<std::string> offered =
      present.empty() ? std::vector<std::string>{} : ReadOfferedNames(paths.OfferedLayoutsFile);
  bool changed = false;
  for (const std::string& file : LayoutNamesIn(paths.ShippedLayoutsDir)) {
    const std::string name = BareLayoutName(file);
    if (Contains(offered, name)) continue;
    // A layout of the player's own under that name is kept as it is.
    if (!Contains(present, file)) {
      const Result copied =
          CopyWhole(paths.ShippedLayoutsDir + file, paths.LayoutsDir + file, kMaxLayoutFileBytes);
      if (!copied) {
        // Not remembered, so the next start tries again; the first failure is told.
        if (result)
          result = Result::Fail(
              UserFoldersError::kCopy,
              Text::Lines(
                  {Text::Template(
                       TV_TRANSLATE_NOOP("Messages", "Could not copy the layout \"%1\"!"), {name}),
                   copied.Words()}));
        continue;
      }
    }
    offered.push_back(name);
    changed = true;
  }
  if (changed) {
    std::string text;
    for (const std::string& name : offered) text += name + "\n";
    if (const Result written =
            WriteFileAtomically(paths.OfferedLayoutsFile, text.data(), text.size());
        !written && result)
      return Result::Fail(UserFoldersError::kWrite, written.Words());
  }
  return result;
}

bool HasReadableLayout(const std::string& layoutsDir) {
  std::vector<LayoutPosition> positions;
  for (const std::string& file : LayoutNamesIn(layoutsDir))
    if (ReadLayoutPositions(layoutsDir, BareLayoutName(file), positions)) return true;
  return false;
}

}  // namespace tv
