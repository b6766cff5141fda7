// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of playable layouts and the favourites and recent lists into it.
#include "game/catalogue.h"

#include <algorithm>

#include "game/board.h"
#include "game/layout_file.h"
#include "game/names.h"

namespace tv {

void LayoutInfo::ClearRecord() {
  Played = 0;
  Won = 0;
  BestPlayer.clear();
  BestTime = -1.0;
  BestReshuffles = 0;
  Stars = -1;
}

int Catalogue::IndexOf(const LayoutInfo* entry) const {
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].get() == entry) return static_cast<int>(i);
  return -1;
}

LayoutInfo* Catalogue::FindLayout(std::string_view name) const {
  const std::u32string wanted = FoldCase(name);
  for (const EntryPtr& e : entries_)
    if (FoldCase(e->Name) == wanted) return e.get();
  return nullptr;
}

EntryPtr Catalogue::Share(const LayoutInfo* entry) const {
  const int i = IndexOf(entry);
  return i < 0 ? nullptr : entries_[std::size_t(i)];
}

void Catalogue::Remove(const LayoutInfo* entry) {
  std::erase_if(entries_, [entry](const EntryPtr& e) { return e.get() == entry; });
}

void Catalogue::SortCatalogue(int column, bool descending) {
  const auto key = [column](const LayoutInfo& e) {
    switch (column) {
      case kSortTiles:
        return e.Tiles;
      case kSortFree:
        return e.FreeTiles;
      case kSortStars:
        return e.Stars;
      default:
        return 0;
    }
  };
  std::stable_sort(entries_.begin(), entries_.end(), [&](const EntryPtr& a, const EntryPtr& b) {
    int d = key(*a) < key(*b) ? -1 : (key(*a) > key(*b) ? 1 : 0);
    if (d == 0 && nameOrder_) d = nameOrder_(a->Name, b->Name);
    if (d == 0) d = CompareNamesIgnoringCase(a->Name, b->Name);
    return descending ? d > 0 : d < 0;
  });
  sortColumn_ = column >= kSortName && column <= kSortStars ? column : kSortName;
  sortDescending_ = descending;
}

int RefList::RefIndex(const LayoutInfo* entry, bool fromEnd) const {
  if (!entry) return -1;
  const int n = Size();
  for (int k = 0; k < n; ++k) {
    const int i = fromEnd ? n - 1 - k : k;
    if (refs_[std::size_t(i)].Get() == entry) return i;
  }
  return -1;
}

void RefList::Append(const EntryPtr& entry) {
  if (entry) refs_.push_back(LayoutRef{entry, entry->Name});
}

int RefList::RemoveRef(const LayoutInfo* entry) {
  const int i = RefIndex(entry, false);
  if (i >= 0) refs_.erase(refs_.begin() + i);
  return i;
}

void RefList::AddRecent(const EntryPtr& entry) {
  if (!entry) return;
  const int i = RefIndex(entry.get(), true);
  if (i >= 0) {
    LayoutRef ref = refs_[std::size_t(i)];
    refs_.erase(refs_.begin() + i);
    refs_.push_back(std::move(ref));
    return;
  }
  Append(entry);
  if (Size() > kMaxRefs) refs_.erase(refs_.begin());
}

void RefList::ResolveRefs(const Catalogue& catalogue) {
  for (LayoutRef& ref : refs_) ref.Entry = catalogue.Share(catalogue.FindLayout(ref.Name));
}

void RefList::FollowRename(const LayoutInfo* entry) {
  for (LayoutRef& ref : refs_)
    if (entry && ref.Get() == entry) ref.Name = entry->Name;
}

std::vector<std::string> RefList::Names() const {
  std::vector<std::string> names;
  for (const LayoutRef& ref : refs_) names.push_back(ref.Name);
  return names;
}

void RefList::Load(const std::vector<std::string>& names, const Catalogue& catalogue) {
  refs_.clear();
  for (std::size_t i = 0; i < names.size() && i < std::size_t(kMaxRefs); ++i)
    Append(catalogue.Share(catalogue.FindLayout(names[i])));
}

std::vector<EntryPtr> ScanLayouts(const std::string& layoutsDir) {
  std::vector<EntryPtr> entries;
  auto scratch = std::make_unique<MODE_P>();
  // Each file is read by the name the listing found, never looked up again.
  for (const LayoutFile& file : ListLayoutFolder(layoutsDir)) {
    if (file.Name.size() > kLayoutNameBytes) continue;
    if (!ReadLayoutFile(layoutsDir + file.File, *scratch).Ok()) continue;
    auto entry = std::make_shared<LayoutInfo>();
    entry->Name = file.Name;
    entry->Tiles = scratch->Game.TileCount;
    entry->FreeTiles = scratch->Game.FreeCount;
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace tv
