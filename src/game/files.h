// SPDX-License-Identifier: GPL-3.0-or-later
// Small file helpers shared by every reader and writer of the program's files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/result.h"

namespace tv {

// Existing file whose name matches case-insensitively when no exact match exists;
// returns the path to use (the given one when nothing better is found).
std::string ResolveCaseInsensitive(const std::string& path);

bool FileExists(const std::string& path);

// A file found in one of several folders.
struct FolderFile {
  std::string Name;  // without folder and extension, letter case as on disk
  std::string Path;
};

// The regular files "*<ext>" (extension in any letter case) of `dirs`, each ending with
// '/', sorted by name ignoring case. A later folder's file takes the place of an earlier
// one's of the same name (ignoring case), so the player's folder, given last, wins.
std::vector<FolderFile> FilesInFolders(const std::vector<std::string>& dirs, std::string_view ext);

// `fileName` in the last of `dirs` that holds it (letter case resolved); empty if none.
std::string FindInFolders(const std::vector<std::string>& dirs, const std::string& fileName);

enum class FileCode {
  kDone = 0,
  kCannotOpen = 1,
  kCannotRead = 2,
  kCannotCreate = 3,
  kCannotWrite = 4,
  kCannotReplace = 5,
};

// Reads a whole file (FileCode); `out` changes only on success.
Result ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out);

// Writes a temporary file beside the target, then renames it over the target, so
// the target is either the old file or the complete new one (FileCode).
Result WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool LessIgnoreCase(std::string_view a, std::string_view b);

}  // namespace tv
