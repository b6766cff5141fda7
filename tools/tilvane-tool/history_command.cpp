// SPDX-License-Identifier: GPL-3.0-or-later
// The history's figures from the same code the statistics window uses; the file is
// only read, never moved or migrated.
#include "history_command.h"

#include <ctime>
#include <filesystem>
#include <iostream>

#include "game/history.h"
#include "tool_common.h"

namespace tv::tool {

int HistoryCommand(const std::string& dir) {
  const std::string path = (std::filesystem::path(dir) / kHistoryFileName).string();
  std::vector<HistoryGame> games;
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    History history;
    const Result opened = history.OpenReadOnly(path);
    // A history created but not yet written holds no games: nothing to fail about.
    if (!opened && !opened.Is(HistoryError::kRead)) {
      std::cerr << "tilvane-tool: " << opened.Message() << "\n";
      return opened.Is(HistoryError::kOpen) ? kExitIo : kExitData;
    }
    if (opened) {
      if (const Result read = history.ReadAll(games); !read) {
        std::cerr << "tilvane-tool: " << read.Message() << "\n";
        return kExitData;
      }
    }
  }
  std::cout << StatsJson(ComputeStats(games, LocalDateNumber(std::time(nullptr)))) << "\n";
  return 0;
}

}  // namespace tv::tool
