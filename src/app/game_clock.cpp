// SPDX-License-Identifier: GPL-3.0-or-later
// The time of day for the game, in days; tests put their own clock in its place.
#include "app/game_clock.h"

#include <QDateTime>

namespace tv {

double LocalDays() {
  // The offset from UTC is taken once: a game crossing a daylight-saving change keeps
  // its true elapsed time.
  static const qint64 offsetMs = qint64(QDateTime::currentDateTime().offsetFromUtc()) * 1000;
  constexpr double kDaysTo1970 = 25569.0;  // from 30 December 1899
  return kDaysTo1970 + double(QDateTime::currentMSecsSinceEpoch() + offsetMs) / 86400000.0;
}

int MsToNextClockSecond(double startTime, double now) {
  constexpr int kBeforeStart = 250;
  const double elapsedMs = (now - startTime) * 86400000.0;
  if (elapsedMs < 0) return kBeforeStart;
  const int intoSecond = static_cast<long long>(elapsedMs) % 1000;
  return 1000 - intoSecond + 2;
}

}  // namespace tv
