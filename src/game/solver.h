// SPDX-License-Identifier: GPL-3.0-or-later
// Decides whether the tiles as they lie can all be removed, exactly: "winnable"
// only with a clearing line in hand, "not winnable" only after the whole search,
// and "unknown" when the budget runs out or a newer position cancels the search.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "game/board.h"

namespace tv {

enum class Verdict { kWinnable, kNotWinnable, kUnknown };

const char* VerdictName(Verdict verdict);  // "winnable", "not_winnable", "unknown"

struct SolveLimits {
  std::int64_t maxNodes = 0;            // 0: no limit
  std::chrono::milliseconds maxTime{};  // 0: no limit
  // Positions remembered as lost; beyond this the search forgets nothing it
  // knows but remembers nothing new, which costs time, never correctness.
  std::size_t maxRemembered = std::size_t{1} << 21;
};

struct SolveResult {
  Verdict verdict = Verdict::kUnknown;
  bool cancelled = false;
  std::int64_t nodes = 0;
  double ms = 0;
  // For a winnable position: pairs of slots that clear it, first removal first.
  std::array<std::array<std::int16_t, 2>, kMaxTiles / 2> line{};
  int lineCount = 0;
};

// Looks at the present slots below TileCount; classes are the tiles' MatchClass
// and freedom is the board's own rule. `cancel`, when set by another thread,
// ends the search with kUnknown and `cancelled`.
SolveResult DecideWinnable(const MODE_P& board, const SolveLimits& limits,
                           const std::atomic<bool>* cancel = nullptr);

// One background thread deciding the latest position it was given. A new
// position cancels the one being decided; only the latest is reported, on the
// worker thread, through `report` (the caller hands it on to its own thread).
class WinnableWorker {
 public:
  using Report = std::function<void(std::uint64_t ticket, const SolveResult&)>;

  WinnableWorker(SolveLimits limits, Report report);
  ~WinnableWorker();
  WinnableWorker(const WinnableWorker&) = delete;
  WinnableWorker& operator=(const WinnableWorker&) = delete;

  // Queues the position and returns its ticket (1, 2, ...); cancels older work.
  std::uint64_t Submit(const MODE_P& board);
  // Drops queued work and stops the running search without a report.
  void CancelAll();

 private:
  void Run(std::stop_token stop);

  SolveLimits limits_;
  Report report_;
  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::unique_ptr<MODE_P> pending_;
  std::uint64_t lastTicket_ = 0;
  std::atomic<bool> cancel_{false};
  std::jthread thread_;  // last: starts after everything it uses
};

}  // namespace tv
