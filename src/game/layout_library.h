// SPDX-License-Identifier: GPL-3.0-or-later
// The layout library the whole run shares: the catalogue with its records, the
// favourites and the recent list, and the file operations on layouts. Every change
// of a record is written to the records file at once, so neither a crash nor a
// rebuild of the catalogue loses a counted game.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/catalogue.h"
#include "game/records.h"
#include "game/result.h"

namespace tv {

struct LibraryPaths {
  std::string LayoutsDir;      // ends with '/'
  std::string RecordsFile;     // "tilvane.won2"
  std::string OldRecordsFile;  // "tilvane.won"
};

enum class LibraryError : int {
  kNone = 0,
  kNoEntry,  // the layout has no catalogue entry
  kAlreadyFavourite,
  kFavouritesFull,
  kCurrentLayout,  // the loaded layout cannot be deleted or renamed
  kFileSystem,     // the file system refused; nothing changed
  kRecords,        // the records file could not be read or written
};

constexpr const char* kDefaultPlayer = "Player";

struct CountOutcome {
  LayoutInfo* Entry = nullptr;  // none: nothing was counted
  bool NewRecord = false;
  int Stars = 0;
  Result Saved;
};

// The loaded layout can be neither deleted nor renamed: kCurrentLayout with the player's
// message when `entry` is the layout named `currentName` (ignoring case), else success.
enum class LayoutChange { kDelete, kRename };
Result RefuseCurrentLayout(const LayoutInfo& entry, std::string_view currentName,
                           LayoutChange change);

class LayoutLibrary {
 public:
  explicit LayoutLibrary(LibraryPaths paths) : paths_(std::move(paths)) {}

  const LibraryPaths& Paths() const { return paths_; }
  Catalogue& Layouts() { return catalogue_; }
  const Catalogue& Layouts() const { return catalogue_; }
  RefList& Favourites() { return favourites_; }
  const RefList& Favourites() const { return favourites_; }
  RefList& Recent() { return recent_; }
  const RefList& Recent() const { return recent_; }
  LayoutInfo* FindLayout(std::string_view name) const { return catalogue_.FindLayout(name); }

  // Reads the folder, loads the records, sorts by name and re-finds both lists'
  // entries. A folder without any readable layout changes nothing. A records file
  // that cannot be read, or is of an unknown version, is never written over in this
  // session: every later save fails instead (LibraryError::kRecords).
  Result BuildCatalogue();

  // The lists from the names the settings keep (unknown names are dropped).
  void LoadLists(const std::vector<std::string>& favourites,
                 const std::vector<std::string>& recent);

  void AddRecent(std::string_view layoutName);
  Result AddFavourite(std::string_view currentName);

  // Counts a game on the layout; a won game is checked for a new record, which
  // gets the player "Player" until SetBestPlayer names it.
  CountOutcome CountGame(std::string_view currentName, bool won, double duration, int reshuffles);
  // Blanks trimmed; empty becomes "Player".
  Result SetBestPlayer(LayoutInfo* entry, std::string_view name);
  Result SaveRecords() const;
  Result ClearRecords();

  // File operations; on failure (a message naming the file and the reason) the
  // catalogue, the lists and the records stay as they were.
  Result DeleteLayout(LayoutInfo* entry, std::string_view currentName);
  // `newName` is a checked name (CheckRenameName). Never replaces another file; the
  // favourites and the recent list follow the new name.
  Result RenameLayout(LayoutInfo* entry, const std::string& newName, std::string_view currentName);

 private:
  LibraryPaths paths_;
  Catalogue catalogue_;
  RefList favourites_;
  RefList recent_;
  // Records of layouts whose file is there but does not read: written back as they were.
  std::vector<RecordRow> keptRows_;
  Text recordsBlocked_;  // why the records file must not be written; empty: it may
};

}  // namespace tv
