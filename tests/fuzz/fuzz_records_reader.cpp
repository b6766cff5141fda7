// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the records reader as a current and as a legacy file;
// whatever it reads must fit its buffers, be UTF-8, and survive a write and a
// second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "game/names.h"
#include "game/records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  for (const bool legacy : {false, true}) {
    std::vector<tv::RecordRow> rows;
    if (tv::ParseRecords(bytes, legacy, rows) == tv::RecordsFormat::kNone && !rows.empty())
      __builtin_trap();
    std::vector<tv::EntryPtr> entries;
    for (const tv::RecordRow& row : rows) {
      if (row.Name.size() > tv::kLayoutNameBytes || row.BestPlayer.size() > tv::kPlayerNameBytes ||
          !tv::IsValidUtf8(row.Name) || !tv::IsValidUtf8(row.BestPlayer))
        __builtin_trap();
      auto e = std::make_shared<tv::LayoutInfo>();
      e->Name = row.Name;
      e->Played = row.Played > 0 ? row.Played : 1;
      e->Won = row.Won;
      e->BestPlayer = row.BestPlayer;
      e->BestTime = row.BestTime;
      e->BestReshuffles = row.BestReshuffles;
      entries.push_back(e);
    }
    tv::Catalogue catalogue;
    catalogue.Replace(entries);
    std::vector<tv::RecordRow> again;
    if (tv::ParseRecords(tv::EncodeRecords(catalogue), false, again) != tv::RecordsFormat::kV23 ||
        again.size() != entries.size())
      __builtin_trap();
    for (std::size_t i = 0; i < again.size(); ++i) {
      const tv::LayoutInfo& e = *entries[i];
      // Names with a NUL inside end there, as in the file.
      if (again[i].Name != e.Name.substr(0, e.Name.find('\0')) || again[i].Played != e.Played ||
          std::memcmp(&again[i].BestTime, &e.BestTime, sizeof(double)) != 0)
        __builtin_trap();
    }
  }
  return 0;
}
