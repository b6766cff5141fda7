// SPDX-License-Identifier: GPL-3.0-or-later
// The daily deal from the date alone: a fixed mix of its digits, nothing of the machine.
#include "game/daily_deal.h"

#include <algorithm>

#include "game/files.h"
#include "game/names.h"

namespace tv {
namespace {

// A well-spread 64-bit mix (splitmix64's finaliser).
std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

}  // namespace

DailyDeal MakeDailyDeal(int date, std::vector<std::string> layouts) {
  DailyDeal deal;
  deal.Date = date;
  const std::uint64_t mixed = Mix(static_cast<std::uint64_t>(date));
  // 0 is no game number a player could type; the deal's number is never it.
  deal.GameNumber = static_cast<std::uint32_t>(mixed >> 32);
  if (deal.GameNumber == 0) deal.GameNumber = 1;
  // Sorted as everyone sorts them, whatever order the folder listed them in.
  std::sort(layouts.begin(), layouts.end(),
            [](const std::string& a, const std::string& b) { return LessIgnoreCase(a, b); });
  if (!layouts.empty()) deal.Layout = layouts[Mix(mixed) % layouts.size()];
  return deal;
}

DailyDeal DailyDealIn(int date, const std::string& layoutsDir) {
  std::vector<std::string> names;
  for (const LayoutFile& file : ListLayoutFolder(layoutsDir)) names.push_back(file.Name);
  return MakeDailyDeal(date, std::move(names));
}

}  // namespace tv
