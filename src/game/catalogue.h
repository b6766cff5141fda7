// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of playable layout files with their records, and the two short
// reference lists (favourites, recently started) that point into it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

constexpr int kMaxRefs = 20;
constexpr std::size_t kLayoutNameBytes = 255;  // without the NUL of its buffer
constexpr std::size_t kPlayerNameBytes = 100;

struct LayoutInfo {
  std::string Name;  // bare file name, letter case as on disk
  std::int32_t Tiles = 0;
  std::int32_t FreeTiles = 0;
  std::int32_t Played = 0;
  std::int32_t Won = 0;
  std::string BestPlayer;
  double BestTime = -1.0;  // days; -1 means no record
  std::int32_t BestReshuffles = 0;
  std::int32_t Stars = -1;  // 0 to 3; -1 means none

  void ClearRecord();
};

// Entries are shared so that a reference outlives a rebuild or a deletion safely:
// it then simply has no entry.
using EntryPtr = std::shared_ptr<LayoutInfo>;

struct LayoutRef {
  std::weak_ptr<LayoutInfo> Entry;
  std::string Name;  // the name when the reference was made; what the settings keep

  LayoutInfo* Get() const { return Entry.lock().get(); }
};

enum SortColumn : int { kSortName = 0, kSortTiles = 1, kSortFree = 2, kSortStars = 3 };

class Catalogue {
 public:
  const std::vector<EntryPtr>& Entries() const { return entries_; }
  std::size_t Size() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  int IndexOf(const LayoutInfo* entry) const;

  // First entry whose name equals `name` ignoring letter case, in catalogue order.
  LayoutInfo* FindLayout(std::string_view name) const;
  EntryPtr Share(const LayoutInfo* entry) const;

  void Replace(std::vector<EntryPtr> entries) { entries_ = std::move(entries); }
  void Remove(const LayoutInfo* entry);

  // Stable sort by the column; equal keys fall back to the names, and a descending
  // sort reverses both.
  void SortCatalogue(int column, bool descending);
  int SortColumn() const { return sortColumn_; }
  bool SortDescending() const { return sortDescending_; }
  // How the sort orders names (below, equal or above zero) before letter case decides;
  // the chooser hands in the collation of the player's language.
  using NameOrder = std::function<int(const std::string&, const std::string&)>;
  void SetNameOrder(NameOrder order) { nameOrder_ = std::move(order); }

 private:
  NameOrder nameOrder_;
  std::vector<EntryPtr> entries_;
  int sortColumn_ = kSortName;
  bool sortDescending_ = false;
};

// Favourites (in the order added) and recent layouts (oldest first), at most 20 each.
class RefList {
 public:
  const std::vector<LayoutRef>& Refs() const { return refs_; }
  int Size() const { return static_cast<int>(refs_.size()); }
  bool Full() const { return Size() >= kMaxRefs; }

  // Position of a reference to `entry`, searched from the end when `fromEnd`; -1 if none.
  int RefIndex(const LayoutInfo* entry, bool fromEnd) const;
  void Append(const EntryPtr& entry);
  // Deletes the first reference to `entry`; returns its position or -1.
  int RemoveRef(const LayoutInfo* entry);
  void RemoveAt(int position) {
    if (position >= 0 && position < Size()) refs_.erase(refs_.begin() + position);
  }
  // Moves an existing reference to the end, or appends one and drops the oldest
  // beyond 20.
  void AddRecent(const EntryPtr& entry);
  // Re-finds every reference's entry by its stored name.
  void ResolveRefs(const Catalogue& catalogue);
  // The entry was given a new name: its references store that name from now on.
  void FollowRename(const LayoutInfo* entry);
  // The stored names as the settings keep them; and the list from such names,
  // skipping names without entry.
  std::vector<std::string> Names() const;
  void Load(const std::vector<std::string>& names, const Catalogue& catalogue);
  void Clear() { refs_.clear(); }

 private:
  std::vector<LayoutRef> refs_;
};

// The catalogue's entries read from `layoutsDir`: every file ListLayoutFolder lists
// whose layout reads, with its tile and free-tile counts, in name order. Unreadable
// files and names over 255 bytes are left out.
std::vector<EntryPtr> ScanLayouts(const std::string& layoutsDir);

}  // namespace tv
