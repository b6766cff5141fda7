// SPDX-License-Identifier: GPL-3.0-or-later
// The daily deal: a game number and a shipped layout drawn from the local date, so
// every player meets the same deal on the same day.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tv {

struct DailyDeal {
  std::string Layout;  // empty when there is no layout to choose from
  std::uint32_t GameNumber = 0;
  int Date = 0;  // yyyymmdd
};

// `layouts` are the shipped layouts' names; their order does not matter.
DailyDeal MakeDailyDeal(int date, std::vector<std::string> layouts);

// The deal of `date` among the layouts of the folder `layoutsDir`.
DailyDeal DailyDealIn(int date, const std::string& layoutsDir);

}  // namespace tv
