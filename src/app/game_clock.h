// SPDX-License-Identifier: GPL-3.0-or-later
// The one source of the time of day for the game: the local date-time in days. Tests
// put a clock of their own in its place, so nothing waits for real time to pass.
#pragma once

#include <functional>

namespace tv {

using ClockFn = std::function<double()>;

// The local date-time as days since 30 December 1899, with the time of day as fraction.
double LocalDays();

// Milliseconds until just after the next whole second of a game started at `startTime`
// (both in days): the clock shows whole seconds and wakes only when one has passed.
int MsToNextClockSecond(double startTime, double now);

}  // namespace tv
