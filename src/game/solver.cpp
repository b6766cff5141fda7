// SPDX-License-Identifier: GPL-3.0-or-later
// The exact winnability search with its budget and its cancelling by newer positions.
#include "game/solver.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <utility>
#include <vector>

namespace tv {

namespace {

// The present tiles of one position: 144 bits.
struct Bits {
  std::array<std::uint64_t, 3> w{};

  void Set(int i) { w[i >> 6] |= std::uint64_t{1} << (i & 63); }
  void Reset(int i) { w[i >> 6] &= ~(std::uint64_t{1} << (i & 63)); }
  bool Test(int i) const { return (w[i >> 6] >> (i & 63)) & 1; }
  bool Any() const { return (w[0] | w[1] | w[2]) != 0; }
  int Count() const { return Ones(w[0]) + Ones(w[1]) + Ones(w[2]); }
  // Inline bit count: the portable build would call a library routine instead.
  static int Ones(std::uint64_t v) {
    v = v - ((v >> 1) & 0x5555555555555555ull);
    v = (v & 0x3333333333333333ull) + ((v >> 2) & 0x3333333333333333ull);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((v * 0x0101010101010101ull) >> 56);
  }
  bool Meets(const Bits& o) const {
    return ((w[0] & o.w[0]) | (w[1] & o.w[1]) | (w[2] & o.w[2])) != 0;
  }
  Bits operator&(const Bits& o) const { return {{w[0] & o.w[0], w[1] & o.w[1], w[2] & o.w[2]}}; }
  Bits operator|(const Bits& o) const { return {{w[0] | o.w[0], w[1] | o.w[1], w[2] | o.w[2]}}; }
  Bits Without(const Bits& o) const { return {{w[0] & ~o.w[0], w[1] & ~o.w[1], w[2] & ~o.w[2]}}; }
  bool operator==(const Bits& o) const {
    return ((w[0] ^ o.w[0]) | (w[1] ^ o.w[1]) | (w[2] ^ o.w[2])) == 0;
  }
  // Lowest set index, cleared; -1 when empty.
  int Pop() {
    for (int k = 0; k < 3; ++k)
      if (w[k]) {
        const int i = std::countr_zero(w[k]);
        w[k] &= w[k] - 1;
        return k * 64 + i;
      }
    return -1;
  }
};

// Positions already shown to be lost, kept whole so a collision can never turn
// into a wrong verdict.
class LostPositions {
 public:
  explicit LostPositions(std::size_t limit) : limit_(limit) { slots_.resize(std::size_t{1} << 12); }

  bool Contains(const Bits& key) const {
    if (!key.Any()) return false;  // the empty board is won, and marks free slots
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
      if (slots_[i] == key) return true;
      if (!slots_[i].Any()) return false;
    }
  }

  void Insert(const Bits& key) {
    if (count_ >= limit_) return;
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    Place(slots_, key);
    ++count_;
  }

 private:
  static std::size_t Hash(const Bits& k) {
    std::uint64_t h = k.w[0] * 0x9E3779B97F4A7C15ull;
    h ^= (k.w[1] + (h >> 29)) * 0xC2B2AE3D27D4EB4Full;
    h ^= (k.w[2] + (h >> 31)) * 0x165667B19E3779F9ull;
    return static_cast<std::size_t>(h ^ (h >> 32));
  }
  static void Place(std::vector<Bits>& slots, const Bits& key) {
    const std::size_t mask = slots.size() - 1;
    std::size_t i = Hash(key) & mask;
    while (slots[i].Any()) i = (i + 1) & mask;
    slots[i] = key;
  }
  void Grow() {
    std::vector<Bits> bigger(slots_.size() * 2);
    for (const Bits& k : slots_)
      if (k.Any()) Place(bigger, k);
    slots_.swap(bigger);
  }

  std::vector<Bits> slots_;  // an empty key marks a free slot (the empty board is never lost)
  std::size_t count_ = 0;
  std::size_t limit_;
};

class Search {
 public:
  Search(const MODE_P& board, const SolveLimits& limits, const std::atomic<bool>* cancel)
      : limits_(limits), cancel_(cancel), lost_(limits.maxRemembered) {
    n_ = std::clamp(board.Game.TileCount, 0, kMaxTiles);
    for (int i = 0; i < n_; ++i) {
      const TILE_P& t = board.Tiles[i];
      if (!t.Present) continue;
      start_.Set(i);
      class_[i] = t.MatchClass;
      if (!classTiles_[t.MatchClass].Any()) classes_.push_back(t.MatchClass);
      classTiles_[t.MatchClass].Set(i);
      level_[i] = t.Z;
    }
    // The rule's geometry, asked once per pair of tiles and kept as masks.
    for (int i = 0; i < n_; ++i) {
      if (!start_.Test(i)) continue;
      for (int j = 0; j < n_; ++j) {
        if (j == i || !start_.Test(j)) continue;
        switch (BlockingOf(board.Tiles[i], board.Tiles[j])) {
          case Blocking::kLeft:
            left_[i].Set(j);
            break;
          case Blocking::kRight:
            right_[i].Set(j);
            break;
          case Blocking::kCovers:
            cover_[i].Set(j);
            break;
          case Blocking::kNone:
            continue;
        }
        holds_[j].Set(i);
      }
    }
    std::sort(classes_.begin(), classes_.end());
    // Upper tiles first, so the chains above a tile are complete when it is reached.
    std::array<int, kMaxTiles> byLevel{};
    int m = 0;
    for (int i = 0; i < n_; ++i)
      if (start_.Test(i)) byLevel[m++] = i;
    std::stable_sort(byLevel.begin(), byLevel.begin() + m,
                     [&](int a, int b) { return level_[a] > level_[b]; });
    for (int k = 0; k < m; ++k) {
      const int x = byLevel[k];
      above_[x] = cover_[x];
      Bits on = cover_[x];
      for (int y = on.Pop(); y >= 0; y = on.Pop()) above_[x] = above_[x] | above_[y];
    }
    for (int x = 0; x < n_; ++x) {
      if (!start_.Test(x)) continue;
      leftWay_[x] = SideWay(x, left_);
      rightWay_[x] = SideWay(x, right_);
    }
  }

  // The chain of neighbours on one side, each with the tiles above it.
  Bits SideWay(int x, const std::array<Bits, kMaxTiles>& side) const {
    Bits chain = side[x];
    Bits todo = chain;
    for (int t = todo.Pop(); t >= 0; t = todo.Pop()) {
      const Bits more = side[t].Without(chain);
      chain = chain | more;
      todo = todo | more;
    }
    Bits way = chain;
    for (int t = chain.Pop(); t >= 0; t = chain.Pop()) way = way | above_[t];
    return way;
  }

  // `begin`: when the caller asked, so setting up counts toward the budget.
  SolveResult Run(std::chrono::steady_clock::time_point begin) {
    deadline_ = begin + limits_.maxTime;
    SolveResult result;
    result.verdict = Decide();
    if (result.verdict == Verdict::kUnknown) result.cancelled = cancelled_;
    if (result.verdict == Verdict::kWinnable) {
      // The line was collected while unwinding, last removal first.
      for (int k = 0; k < lineCount_; ++k) result.line[k] = line_[lineCount_ - 1 - k];
      result.lineCount = lineCount_;
    }
    result.nodes = nodes_;
    result.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    return result;
  }

 private:
  enum class Outcome { kWon, kLost, kStopped };
  struct Move {
    std::int16_t a, b;
    int score;
  };

  Verdict Decide() {
    for (int c : classes_) {
      const Bits tiles = classTiles_[c];
      if (tiles.Count() % 2 != 0) return Verdict::kNotWinnable;
      if (ClassDeadlocked(tiles)) return Verdict::kNotWinnable;
    }
    for (int c : classes_) {
      Bits pair = classTiles_[c];
      if (pair.Count() != 2) continue;
      const int a = pair.Pop(), b = pair.Pop();
      LinkLastPair(c, a, b);
      lastPairs_.set(c);
    }
    for (int c : classes_)
      if (lastPairs_[c] && InRing(c)) return Verdict::kNotWinnable;
    // A wrong early choice can hide a win behind a huge lost subtree, so the
    // search starts over now and then with its ties broken differently, each
    // run allowed more nodes (1, 1, 2, 1, 1, 2, 4, ... times a base). Positions
    // proved lost stay remembered across runs; a run that ends within its
    // allowance has searched everything.
    for (std::int64_t run = 1;; ++run) {
      runLimit_ = nodes_ + 128 * Luby(run);
      switch (Explore(start_, FreeTiles(start_), start_.Count(), 0)) {
        case Outcome::kWon:
          return Verdict::kWinnable;
        case Outcome::kLost:
          return Verdict::kNotWinnable;
        case Outcome::kStopped:
          break;
      }
      if (stopped_) return Verdict::kUnknown;
      noise_ = 1000;
    }
  }

  static std::int64_t Luby(std::int64_t i) {
    for (std::int64_t k = 1;; ++k) {
      const std::int64_t full = (std::int64_t{1} << k) - 1;
      if (i == full) return std::int64_t{1} << (k - 1);
      if (i < full) return Luby(i - (full >> 1));
    }
  }

  int Noise() {
    if (noise_ == 0) return 0;
    random_ ^= random_ << 13;
    random_ ^= random_ >> 7;
    random_ ^= random_ << 17;
    return static_cast<int>(random_ % static_cast<std::uint64_t>(noise_));
  }

  bool IsFreeIn(int i, const Bits& present) const {
    return !cover_[i].Meets(present) && (!left_[i].Meets(present) || !right_[i].Meets(present));
  }

  // The free tiles once `gone` has left: a removal can only free the tiles it
  // held, and a free tile stays free.
  Bits FreedBy(const Bits& gone, const Bits& after, const Bits& free) const {
    Bits held;
    Bits rest = gone;
    for (int i = rest.Pop(); i >= 0; i = rest.Pop()) held = held | holds_[i];
    held = (held & after).Without(free);
    Bits result = free & after;
    for (int i = held.Pop(); i >= 0; i = held.Pop())
      if (IsFreeIn(i, after)) result.Set(i);
    return result;
  }

  Bits FreeTiles(const Bits& present) const {
    Bits free;
    Bits rest = present;
    for (int i = rest.Pop(); i >= 0; i = rest.Pop())
      if (IsFreeIn(i, present)) free.Set(i);
    return free;
  }

  // Tiles that must all leave before `x` can ever be free: what lies on it, and
  // what lies on those. A tile on such a chain cannot leave before the tiles on
  // it, so the chains met at the start, cut down to the present tiles, stay
  // exact for every position the search reaches.
  Bits MustGoFirst(int x, const Bits& present) const { return above_[x] & present; }

  // True when `x` cannot be free while `other` is present: `other` lies above
  // it, or stands in the way on both sides. Freeing a tile by its left side
  // needs its whole left chain gone (each tile of it has the next one on its
  // right), and the tiles on those.
  bool Waits(int x, int other) const {
    return above_[x].Test(other) || (leftWay_[x].Test(other) && rightWay_[x].Test(other));
  }

  // True when the last pair `before` must leave before a tile `q` of another
  // last pair (whose partner is `mate`) can be free.
  bool NeedsGone(int q, int mate, const Bits& before) const {
    if (above_[q].Meets(before)) return true;
    const bool viaLeft = !leftWay_[q].Test(mate), viaRight = !rightWay_[q].Test(mate);
    if (viaLeft && viaRight) return leftWay_[q].Meets(before) && rightWay_[q].Meets(before);
    if (viaLeft) return leftWay_[q].Meets(before);
    return rightWay_[q].Meets(before);
  }

  // Last pairs that wait for each other in a ring can never leave. The edges
  // between last pairs depend only on their tiles, so each is worked out when
  // a class comes down to its last pair, and a ring is looked for only through
  // that class (removals only break rings, never make them).
  void LinkLastPair(int c, int a, int b) {
    Bits mine;
    mine.Set(a);
    mine.Set(b);
    pairTiles_[c] = {a, b};
    edgeOut_[c].reset();
    for (std::size_t q = lastPairs_._Find_first(); q < lastPairs_.size();
         q = lastPairs_._Find_next(q)) {
      if (static_cast<int>(q) == c) continue;
      const auto [qa, qb] = pairTiles_[q];
      Bits theirs;
      theirs.Set(qa);
      theirs.Set(qb);
      edgeOut_[c][q] = NeedsGone(qa, qb, mine) || NeedsGone(qb, qa, mine);
      edgeOut_[q][c] = NeedsGone(a, b, theirs) || NeedsGone(b, a, theirs);
    }
  }

  bool InRing(int c) const {
    ClassSet reach = edgeOut_[c] & lastPairs_;
    ClassSet todo = reach;
    while (todo.any()) {
      const std::size_t q = todo._Find_first();
      todo.reset(q);
      if (edgeOut_[q][c]) return true;
      const ClassSet more = edgeOut_[q] & lastPairs_ & ~reach;
      reach |= more;
      todo |= more;
    }
    return false;
  }

  // A class none of whose orders of removal can work: a last pair where one
  // waits for the other, or four tiles with fewer than two that wait for no
  // tile of their own class.
  bool ClassDeadlocked(const Bits& tiles) const {
    const int count = tiles.Count();
    if (count != 2 && count != 4) return false;
    std::array<int, 4> tile{};
    Bits rest = tiles;
    for (int k = 0; k < count; ++k) tile[k] = rest.Pop();
    std::array<std::array<bool, 4>, 4> waits{};
    std::array<bool, 4> open{};
    int openCount = 0;
    for (int k = 0; k < count; ++k) {
      open[k] = true;
      for (int m = 0; m < count; ++m) {
        waits[k][m] = m != k && Waits(tile[k], tile[m]);
        if (waits[k][m]) open[k] = false;
      }
      openCount += open[k] ? 1 : 0;
    }
    if (count == 2) return openCount < 2;
    if (openCount < 2) return true;
    if (openCount == 2) {
      // The two open tiles must go first, together; the other two then form the
      // last pair and must not wait for each other.
      for (int k = 0; k < 4; ++k)
        for (int m = 0; m < 4; ++m)
          if (!open[k] && !open[m] && waits[k][m]) return true;
    }
    return false;
  }

  bool Stop() {
    if (nodes_ >= runLimit_) return true;
    if (limits_.maxNodes > 0 && nodes_ >= limits_.maxNodes) return stopped_ = true;
    if ((nodes_ & 63) != 0) return false;
    if (cancel_ && cancel_->load(std::memory_order_relaxed)) {
      cancelled_ = true;
      return stopped_ = true;
    }
    if (limits_.maxTime.count() > 0 && std::chrono::steady_clock::now() >= deadline_)
      return stopped_ = true;
    return false;
  }

  void Record(int a, int b) {
    line_[lineCount_++] = {static_cast<std::int16_t>(a), static_cast<std::int16_t>(b)};
  }

  // `free`: the free tiles of `present`, kept up to date by the caller.
  Outcome Explore(const Bits& present, const Bits& free, int left, int depth) {
    if (left == 0) return Outcome::kWon;
    if (Stop()) return Outcome::kStopped;
    ++nodes_;

    // A class whose remaining tiles are all free goes at once: removing free
    // tiles only frees others, so any clearing line still works without them.
    for (int c : classes_) {
      const Bits rest = present & classTiles_[c];
      if (!rest.Any() || rest.Without(free).Any()) continue;
      const bool wasLastPair = lastPairs_[c];
      lastPairs_.reset(c);
      const Bits after = present.Without(rest);
      const Outcome out = lost_.Contains(after) ? Outcome::kLost
                                                : Explore(after, FreedBy(rest, after, free),
                                                          left - rest.Count(), depth + 1);
      lastPairs_[c] = wasLastPair;
      if (out == Outcome::kWon) {
        Bits pop = rest;
        std::array<int, kMaxTiles> t;  // filled before use
        int k = 0;
        for (int i = pop.Pop(); i >= 0; i = pop.Pop()) t[k++] = i;
        for (int m = k - 2; m >= 0; m -= 2) Record(t[m], t[m + 1]);
      }
      if (out == Outcome::kLost) lost_.Insert(present);
      return out;
    }

    if (static_cast<int>(moves_.size()) <= depth) moves_.resize(depth + 1);
    std::vector<Move>& moves = moves_[depth];
    moves.clear();
    // A free tile that holds no other tile changes nothing by leaving, so a pair
    // of two such tiles can wait until the end of any clearing line; and of
    // three free tiles waiting for a fourth, keeping such a tile for it is never
    // worse than keeping another.
    Bits lonely;
    {
      Bits rest = free;
      for (int i = rest.Pop(); i >= 0; i = rest.Pop())
        if (!holds_[i].Meets(present)) lonely.Set(i);
    }
    for (int c : classes_) {
      Bits pick = free & classTiles_[c];
      if (pick.Count() < 2) continue;
      const Bits rest = present & classTiles_[c];
      if (pick.Count() == 3 && rest.Count() == 4 && pick.Meets(lonely)) {
        Bits keep = pick & lonely;
        pick.Reset(keep.Pop());
      }
      std::array<int, kMaxTiles> t;  // filled before use
      int k = 0;
      for (int i = pick.Pop(); i >= 0; i = pick.Pop()) t[k++] = i;
      for (int x = 0; x < k; ++x)
        for (int y = x + 1; y < k; ++y) {
          if (lonely.Test(t[x]) && lonely.Test(t[y])) continue;
          Bits kept = rest;
          kept.Reset(t[x]);
          kept.Reset(t[y]);
          if (ClassDeadlocked(kept)) continue;
          moves.push_back({static_cast<std::int16_t>(t[x]), static_cast<std::int16_t>(t[y]),
                           Weight(t[x], present) + Weight(t[y], present) + Noise()});
        }
    }
    std::stable_sort(moves.begin(), moves.end(),
                     [](const Move& p, const Move& q) { return p.score > q.score; });
    for (std::size_t m = 0; m < moves_[depth].size(); ++m) {
      const Move move = moves_[depth][m];
      Bits after = present;
      after.Reset(move.a);
      after.Reset(move.b);
      // Known lost: skip before paying for the last pair's edges. Every child is
      // looked up here, so Explore need not look up its own position.
      if (lost_.Contains(after)) continue;
      const int c = class_[move.a];
      Bits kept = after & classTiles_[c];
      const bool lastPair = kept.Count() == 2;
      if (lastPair) {
        const int p = kept.Pop(), q = kept.Pop();
        LinkLastPair(c, p, q);
        if (InRing(c)) continue;
        lastPairs_.set(c);
      }
      Bits gone;
      gone.Set(move.a);
      gone.Set(move.b);
      const Outcome out = Explore(after, FreedBy(gone, after, free), left - 2, depth + 1);
      if (lastPair) lastPairs_.reset(c);
      if (out == Outcome::kWon) Record(move.a, move.b);
      if (out != Outcome::kLost) return out;
    }
    lost_.Insert(present);
    return Outcome::kLost;
  }

  // Tiles high up and tiles that hold many others go first.
  int Weight(int i, const Bits& present) const {
    return 4 * level_[i] + (holds_[i] & present).Count();
  }

  SolveLimits limits_;
  const std::atomic<bool>* cancel_;
  std::chrono::steady_clock::time_point deadline_;
  bool cancelled_ = false;
  std::int64_t nodes_ = 0;

  int n_ = 0;
  Bits start_;
  std::array<Bits, kMaxTiles> cover_{}, left_{}, right_{}, holds_{}, above_{}, leftWay_{},
      rightWay_{};
  std::array<std::uint8_t, kMaxTiles> class_{};
  std::array<int, kMaxTiles> level_{};
  std::array<Bits, 256> classTiles_{};
  std::vector<int> classes_;

  LostPositions lost_;
  std::vector<std::vector<Move>> moves_;
  std::array<std::array<std::int16_t, 2>, kMaxTiles / 2> line_{};
  int lineCount_ = 0;
  using ClassSet = std::bitset<256>;
  ClassSet lastPairs_;
  std::array<ClassSet, 256> edgeOut_{};  // last pair c must leave before the pairs set here
  std::array<std::array<int, 2>, 256> pairTiles_{};
  std::int64_t runLimit_ = 0;
  bool stopped_ = false;  // by the caller's budget or cancel, not a run's allowance
  int noise_ = 0;
  std::uint64_t random_ = 0x9E3779B97F4A7C15ull;
};

}  // namespace

const char* VerdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::kWinnable:
      return "winnable";
    case Verdict::kNotWinnable:
      return "not_winnable";
    case Verdict::kUnknown:
      break;
  }
  return "unknown";
}

SolveResult DecideWinnable(const MODE_P& board, const SolveLimits& limits,
                           const std::atomic<bool>* cancel) {
  const auto begin = std::chrono::steady_clock::now();
  auto search = std::make_unique<Search>(board, limits, cancel);
  return search->Run(begin);
}

WinnableWorker::WinnableWorker(SolveLimits limits, Report report)
    : limits_(limits), report_(std::move(report)), thread_([this](std::stop_token s) { Run(s); }) {}

WinnableWorker::~WinnableWorker() {
  std::lock_guard lock(mutex_);
  cancel_ = true;
  thread_.request_stop();
}

std::uint64_t WinnableWorker::Submit(const MODE_P& board) {
  auto copy = std::make_unique<MODE_P>(board);
  std::lock_guard lock(mutex_);
  pending_ = std::move(copy);
  cancel_ = true;
  wake_.notify_one();
  return ++lastTicket_;
}

void WinnableWorker::CancelAll() {
  std::lock_guard lock(mutex_);
  pending_.reset();
  ++lastTicket_;
  cancel_ = true;
}

void WinnableWorker::Run(std::stop_token stop) {
  for (;;) {
    std::unique_ptr<MODE_P> board;
    std::uint64_t ticket = 0;
    {
      std::unique_lock lock(mutex_);
      if (!wake_.wait(lock, stop, [this] { return pending_ != nullptr; })) return;
      if (stop.stop_requested()) return;
      board = std::move(pending_);
      ticket = lastTicket_;
      cancel_ = false;
    }
    const SolveResult result = DecideWinnable(*board, limits_, &cancel_);
    {
      std::lock_guard lock(mutex_);
      if (ticket != lastTicket_ || result.cancelled) continue;
    }
    report_(ticket, result);
  }
}

}  // namespace tv
