// SPDX-License-Identifier: GPL-3.0-or-later
// The layout library: catalogue, favourites and recent list, and the file work on layouts.
#include "game/layout_library.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "game/names.h"

namespace tv {
namespace {

constexpr const char* kCouldNotDelete = TV_TRANSLATE_NOOP("Messages", "Could not delete \"%1\":");
constexpr const char* kCouldNotRename = TV_TRANSLATE_NOOP("Messages", "Could not rename \"%1\":");

// `what` names the file as %1; the system's reason follows on the next line.
Result FileFailure(const char* what, const std::string& file) {
  return Result::Fail(LibraryError::kFileSystem, Text::Lines({Text::Template(what, {file}),
                                                              std::string(std::strerror(errno))}));
}

// rename() that fails instead of replacing an existing target.
int RenameNoReplace(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
#endif
  // A file system without the flag: a hard link cannot replace either.
  if (link(from.c_str(), to.c_str()) != 0) return -1;
  return unlink(from.c_str());
}

}  // namespace

Result LayoutLibrary::BuildCatalogue() {
  std::vector<EntryPtr> entries = ScanLayouts(paths_.LayoutsDir);
  if (entries.empty()) return {};
  catalogue_.Replace(std::move(entries));
  std::vector<RecordRow> unmatched;
  Result loaded =
      LoadRecords(catalogue_, paths_.RecordsFile, paths_.OldRecordsFile, nullptr, &unmatched);
  keptRows_.clear();
  for (RecordRow& row : unmatched)
    if (!FindLayoutFile(paths_.LayoutsDir, row.Name).empty()) keptRows_.push_back(std::move(row));
  catalogue_.SortCatalogue(kSortName, false);
  favourites_.ResolveRefs(catalogue_);
  recent_.ResolveRefs(catalogue_);
  if (!loaded) {
    recordsBlocked_ = loaded.Words();
    return Result::Fail(
        LibraryError::kRecords,
        Text::Lines(
            {Text::Template(TV_TRANSLATE_NOOP("Messages", "Could not read the records file!")),
             loaded.Words(),
             Text::Template(
                 TV_TRANSLATE_NOOP("Messages", "The records of this session cannot be saved."))}));
  }
  return {};
}

void LayoutLibrary::LoadLists(const std::vector<std::string>& favourites,
                              const std::vector<std::string>& recent) {
  favourites_.Load(favourites, catalogue_);
  recent_.Load(recent, catalogue_);
}

void LayoutLibrary::AddRecent(std::string_view layoutName) {
  recent_.AddRecent(catalogue_.Share(catalogue_.FindLayout(layoutName)));
}

Result LayoutLibrary::AddFavourite(std::string_view currentName) {
  LayoutInfo* entry = catalogue_.FindLayout(currentName);
  if (!entry) return Result::Fail(LibraryError::kNoEntry);
  if (favourites_.RefIndex(entry, false) >= 0)
    return Result::Fail(
        LibraryError::kAlreadyFavourite,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "\"%1\" is already in the Favourites list!"),
                       {entry->Name}));
  if (favourites_.Full())
    return Result::Fail(
        LibraryError::kFavouritesFull,
        Text::Lines({Text::Template(TV_TRANSLATE_NOOP("Messages", "The Favourites list is full!")),
                     Text::Template(TV_TRANSLATE_NOOP(
                         "Messages", "Please delete some layouts from the list first!"))}));
  favourites_.Append(catalogue_.Share(entry));
  return {};
}

CountOutcome LayoutLibrary::CountGame(std::string_view currentName, bool won, double duration,
                                      int reshuffles) {
  CountOutcome out;
  out.Entry = catalogue_.FindLayout(currentName);
  if (!out.Entry) return out;
  LayoutInfo& e = *out.Entry;
  out.Stars = StarsFor(reshuffles);
  if (!won) {
    ++e.Played;
  } else {
    ++e.Won;
    out.NewRecord = IsNewRecord(e, duration, reshuffles);
    if (out.NewRecord) {
      e.BestTime = duration;
      e.BestReshuffles = reshuffles;
      e.Stars = out.Stars;
      e.BestPlayer = kDefaultPlayer;
    }
  }
  out.Saved = SaveRecords();
  return out;
}

Result LayoutLibrary::SetBestPlayer(LayoutInfo* entry, std::string_view name) {
  if (catalogue_.IndexOf(entry) < 0) return Result::Fail(LibraryError::kNoEntry);
  const std::string trimmed = CutUtf8(TrimBlanks(name), kPlayerNameBytes);
  entry->BestPlayer = trimmed.empty() ? kDefaultPlayer : trimmed;
  return SaveRecords();
}

Result LayoutLibrary::SaveRecords() const {
  if (!recordsBlocked_.Empty())
    return Result::Fail(
        LibraryError::kRecords,
        Text::Lines({Text::Template(TV_TRANSLATE_NOOP(
                         "Messages", "The records of this session cannot be saved:")),
                     recordsBlocked_}));
  Result saved = tv::SaveRecords(catalogue_, paths_.RecordsFile, keptRows_);
  if (!saved)
    return Result::Fail(LibraryError::kRecords,
                        Text::Lines({Text::Template(TV_TRANSLATE_NOOP(
                                         "Messages", "Could not write the records file!")),
                                     saved.Words()}));
  return {};
}

Result LayoutLibrary::ClearRecords() {
  for (const EntryPtr& e : catalogue_.Entries()) e->ClearRecord();
  // Clearing is the player's own word: the unreadable file goes too.
  keptRows_.clear();
  recordsBlocked_ = {};
  std::error_code ignored;
  std::filesystem::remove(paths_.OldRecordsFile, ignored);
  std::filesystem::remove(paths_.RecordsFile, ignored);
  // An empty file, so that no older file is read again.
  return SaveRecords();
}

Result RefuseCurrentLayout(const LayoutInfo& entry, std::string_view currentName,
                           LayoutChange change) {
  if (!SameNameIgnoringCase(entry.Name, currentName)) return {};
  return Result::Fail(
      LibraryError::kCurrentLayout,
      Text::Template(
          change == LayoutChange::kDelete
              ? TV_TRANSLATE_NOOP("Messages",
                                  "Layout \"%1\" is currently loaded and cannot be deleted!")
              : TV_TRANSLATE_NOOP("Messages",
                                  "Layout \"%1\" is currently loaded and cannot be renamed!"),
          {entry.Name}));
}

Result LayoutLibrary::DeleteLayout(LayoutInfo* entry, std::string_view currentName) {
  if (catalogue_.IndexOf(entry) < 0) return Result::Fail(LibraryError::kNoEntry);
  if (Result refused = RefuseCurrentLayout(*entry, currentName, LayoutChange::kDelete); !refused)
    return refused;
  const std::string file = FindLayoutFile(paths_.LayoutsDir, entry->Name);
  if (file.empty()) {
    errno = ENOENT;
    return FileFailure(kCouldNotDelete, entry->Name + ".mah");
  }
  if (unlink((paths_.LayoutsDir + file).c_str()) != 0) return FileFailure(kCouldNotDelete, file);
  while (favourites_.RemoveRef(entry) >= 0) {
  }
  while (recent_.RemoveRef(entry) >= 0) {
  }
  catalogue_.Remove(entry);
  return {};
}

Result LayoutLibrary::RenameLayout(LayoutInfo* entry, const std::string& newName,
                                   std::string_view currentName) {
  if (catalogue_.IndexOf(entry) < 0) return Result::Fail(LibraryError::kNoEntry);
  if (Result refused = RefuseCurrentLayout(*entry, currentName, LayoutChange::kRename); !refused)
    return refused;
  const std::string file = FindLayoutFile(paths_.LayoutsDir, entry->Name);
  const std::string target = newName + ".mah";
  if (file.empty()) {
    errno = ENOENT;
    return FileFailure(kCouldNotRename, entry->Name + ".mah");
  }
  // Another layout whose name differs only in letter case would be hidden by this one.
  if (const std::string taken = FindLayoutFile(paths_.LayoutsDir, newName);
      !taken.empty() && taken != file) {
    errno = EEXIST;
    return FileFailure(kCouldNotRename, file);
  }
  if (file != target && RenameNoReplace(paths_.LayoutsDir + file, paths_.LayoutsDir + target) != 0)
    return FileFailure(kCouldNotRename, file);
  entry->Name = newName;
  favourites_.FollowRename(entry);
  recent_.FollowRename(entry);
  if (catalogue_.SortColumn() == kSortName)
    catalogue_.SortCatalogue(kSortName, catalogue_.SortDescending());
  // The records follow the new name at once.
  return SaveRecords();
}

}  // namespace tv
