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
  kNotRegular = 6,  // a folder, a pipe, a device
  kTooLarge = 7,
};

// The largest file each reader takes: far above any real file of its kind, far below
// what would hurt to hold. A hostile or broken file beyond it is refused unread.
constexpr std::size_t kMaxLayoutFileBytes = 64 * 1024;          // real ones: under 500 bytes
constexpr std::size_t kMaxRecordsFileBytes = 16 * 1024 * 1024;  // 377 bytes a layout
constexpr std::size_t kMaxGameFileBytes = 64 * 1024;            // real ones: under 3 KB
constexpr std::size_t kMaxSettingsFileBytes = 1024 * 1024;      // real ones: a few KB
constexpr std::size_t kMaxListFileBytes = 1024 * 1024;          // the offered layouts
constexpr std::size_t kMaxDescriptorBytes = 64 * 1024;          // a tileset's sizes
constexpr std::size_t kMaxPictureFileBytes = 64 * 1024 * 1024;  // an 8K photograph
constexpr std::size_t kMaxSongFileBytes = 4 * 1024 * 1024;      // real ones: under 40 KB
constexpr std::size_t kMaxEffectFileBytes = 16 * 1024 * 1024;   // real ones: under 200 KB
constexpr std::size_t kMaxAnyFileBytes = 64 * 1024 * 1024;      // tools and tests

// Reads a whole regular file of at most `maxBytes` (FileCode); `out` changes only on
// success. A pipe, device or folder is refused without waiting for it.
Result ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                     std::size_t maxBytes = kMaxAnyFileBytes);

// Whether `path` is a regular file a reader may open (FileCode, with the reason).
Result CheckReadableFile(const std::string& path, std::size_t maxBytes);

// Writes a temporary file beside the target, flushes it to disk, then renames it over
// the target, so the target is either the old file or the complete new one, even
// after a power cut (FileCode). A symbolic link is written through to its target, and
// an existing file keeps its permissions.
Result WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// Removes the temporary files a killed write left in `folder`; how many went.
int RemoveLeftoverTemporaries(const std::string& folder);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool LessIgnoreCase(std::string_view a, std::string_view b);

}  // namespace tv
