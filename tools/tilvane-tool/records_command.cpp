// SPDX-License-Identifier: GPL-3.0-or-later
#include "records_command.h"

#include <cstdio>
#include <iostream>

#include "game/layout_library.h"
#include "game/names.h"
#include "tool_common.h"

namespace tv::tool {
namespace {

std::string JsonNumber(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

}  // namespace

int RecordsCommand(const std::string& programDir) {
  const std::string dir =
      programDir.empty() || programDir.back() == '/' ? programDir : programDir + "/";
  Catalogue catalogue;
  catalogue.Replace(ScanLayouts(dir + "layouts/"));
  RecordsFormat format = RecordsFormat::kNone;
  const Result loaded = LoadRecords(catalogue, dir + "tilvane.won2", dir + "tilvane.won", &format);
  if (!loaded) {
    std::cerr << "tilvane-tool: " << loaded.Message() << "\n";
    return kExitIo;
  }
  catalogue.SortCatalogue(kSortName, false);
  std::string out = "{\"format\":";
  out += format == RecordsFormat::kNone ? "null" : JsonString(RecordsFormatName(format));
  out += ",\"layouts\":[";
  bool first = true;
  for (const EntryPtr& e : catalogue.Entries()) {
    if (!first) out += ',';
    first = false;
    out += "{\"name\":" + JsonString(e->Name) + ",\"tiles\":" + std::to_string(e->Tiles) +
           ",\"free\":" + std::to_string(e->FreeTiles) +
           ",\"played\":" + std::to_string(e->Played) + ",\"won\":" + std::to_string(e->Won) +
           ",\"best_player\":" + JsonString(e->BestPlayer) +
           ",\"best_time\":" + JsonNumber(e->BestTime) +
           ",\"best_reshuffles\":" + std::to_string(e->BestReshuffles) +
           ",\"stars\":" + std::to_string(e->Stars) + "}";
  }
  std::cout << out << "]}\n";
  return 0;
}

}  // namespace tv::tool
