// SPDX-License-Identifier: GPL-3.0-or-later
// Deals pair by pair backwards from a won game, so every deal can be won.
#include "game/deal.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "game/faces.h"

namespace tv {

namespace {

struct CELL_P {
  std::int32_t X = 0, Y = 0, Z = 0;
  std::int32_t Placed = -1;
  bool Candidate = false;
  bool Grounded = false;
  std::int32_t RowId = -1;
  std::int32_t LeftUpper = -1, LeftLower = -1;
  std::int32_t RightUpper = -1, RightLower = -1;
  std::int32_t Below[4] = {-1, -1, -1, -1};
};

bool SideAdjacent(const CELL_P& a, const CELL_P& b) {
  return a.Z == b.Z && std::abs(a.X - b.X) == 2 && std::abs(a.Y - b.Y) <= 1;
}

// One attempt's working state. Fixed tables only: a deal allocates nothing.
class Attempt {
 public:
  Attempt(MODE_P& board, int mode, RandState& rand, Solution& solution,
          const std::int32_t* reshuffleFaces)
      : board_(board),
        mode_(mode),
        rand_(rand),
        solution_(solution),
        reshuffleFaces_(reshuffleFaces) {
    n_ = std::clamp(board.Game.TileCount, 0, kMaxTiles);
    h_ = n_ / 2;
  }

  // The cells' neighbours and rows depend only on the positions, which every
  // attempt starts from unchanged, so they are worked out once per deal.
  void Prepare() {
    BuildCells();
    grounded_ = 0;
    for (int i = 0; i < n_; ++i)
      if (cells_[i].Grounded) ++grounded_;
    NumberRows();
    LinkAbove();
  }

  bool Run() {
    DealFaces();
    for (int i = 0; i < n_; ++i) {
      cells_[i].Placed = -1;
      cells_[i].Candidate = false;
    }
    if (grounded_ < 2) return false;
    return Fill();
  }

  // Gives the filled slots their positions and rebuilds the stacking order.
  void WriteBack() {
    for (int i = 0; i < n_; ++i) {
      const CELL_P& c = cells_[i];
      if (c.Placed == -1) continue;
      TILE_P& t = board_.Tiles[c.Placed];
      t.X = c.X;
      t.Y = c.Y;
      t.Z = c.Z;
      t.Present = true;
    }
    for (int i = 0; i < n_; ++i) board_.Tiles[i].Index = i;
    BuildStackingOrder(board_);
  }

 private:
  void DealFaces() {
    std::array<std::int32_t, kFullSetSize> faces{};
    int pairs;
    int dealt;
    if (mode_ == kDealNew || mode_ == kDealRestart || reshuffleFaces_ == nullptr) {
      for (int i = 0; i < kFullSetSize; ++i) faces[i] = FullSet[i];
      pairs = kPairCount;
      dealt = kFullSetSize;
    } else {
      for (int i = 0; i < n_; ++i) faces[i] = reshuffleFaces_[i];
      pairs = h_;
      dealt = n_;
    }
    std::array<int, kPairCount> perm{};
    for (int k = 0; k < pairs; ++k) perm[k] = k;
    for (int k = 0; k < pairs; ++k)
      std::swap(perm[k], perm[rand_.Below(static_cast<std::uint32_t>(pairs))]);
    for (int k = 0; k < pairs; ++k) {
      if (perm[k] == k) continue;
      std::swap(faces[2 * k], faces[2 * perm[k]]);
      std::swap(faces[2 * k + 1], faces[2 * perm[k] + 1]);
    }
    for (int i = 0; i < dealt; ++i) {
      TILE_P& t = board_.Tiles[i];
      t.Face = faces[i];
      t.Present = false;
      t.MatchClass = MatchClassOf(t.Face);
      const SheetCell cell = SheetCellOf(t.Face);
      t.SheetCol = cell.col;
      t.SheetRow = cell.row;
    }
  }

  void BuildCells() {
    for (int i = 0; i < n_; ++i) {
      CELL_P& c = cells_[i];
      c = CELL_P{};
      c.X = board_.Tiles[i].X;
      c.Y = board_.Tiles[i].Y;
      c.Z = board_.Tiles[i].Z;
    }
    for (int i = 0; i < n_; ++i) {
      CELL_P& c = cells_[i];
      c.Grounded = true;
      for (int j = 0; j < n_; ++j) {
        const CELL_P& o = cells_[j];
        if (o.Z == c.Z - 1 && std::abs(o.X - c.X) <= 1 && std::abs(o.Y - c.Y) <= 1) {
          c.Grounded = false;
          break;
        }
      }
      for (int j = 0; j < n_; ++j) {
        if (j == i) continue;
        const CELL_P& o = cells_[j];
        const int dx = o.X - c.X, dy = o.Y - c.Y;
        if (o.Z == c.Z) {
          if (dx == -2 && (dy == -1 || dy == 0))
            c.LeftUpper = j;
          else if (dx == -2 && dy == 1)
            c.LeftLower = j;
          else if (dx == 2 && (dy == -1 || dy == 0))
            c.RightUpper = j;
          else if (dx == 2 && dy == 1)
            c.RightLower = j;
        } else if (o.Z == c.Z - 1) {
          const bool nearX = dx == -1 || dx == 0, nearY = dy == -1 || dy == 0;
          if (nearX && nearY)
            c.Below[0] = j;
          else if (dx == 1 && nearY)
            c.Below[1] = j;
          else if (nearX && dy == 1)
            c.Below[2] = j;
          else if (dx == 1 && dy == 1)
            c.Below[3] = j;
        }
      }
    }
  }

  // For each cell, the cells resting on it: placing it can change only their candidacy
  // and that of its own row.
  void LinkAbove() {
    aboveStart_.fill(0);
    for (int i = 0; i < n_; ++i)
      for (int below : cells_[i].Below)
        if (below != -1) ++aboveStart_[below + 1];
    for (int i = 0; i < n_; ++i) aboveStart_[i + 1] += aboveStart_[i];
    std::array<int, kMaxTiles + 1> next = aboveStart_;
    for (int i = 0; i < n_; ++i)
      for (int below : cells_[i].Below)
        if (below != -1) aboveMembers_[next[below]++] = static_cast<std::int16_t>(i);
  }

  // The members of each row, ascending, so that the candidate tests look only at
  // a cell's own row (side neighbours always share it).
  void LinkRows() {
    rowStart_.fill(0);
    for (int i = 0; i < n_; ++i) ++rowStart_[cells_[i].RowId + 1];
    for (int r = 0; r < rowCount_; ++r) rowStart_[r + 1] += rowStart_[r];
    std::array<int, kMaxTiles + 1> next = rowStart_;
    for (int i = 0; i < n_; ++i)
      rowMembers_[next[cells_[i].RowId]++] = static_cast<std::int16_t>(i);
  }

  void NumberRows() {
    int next = 0;
    std::array<int, kMaxTiles> stack{};
    for (int i = 0; i < n_; ++i) {
      if (cells_[i].RowId != -1) continue;
      const int id = next++;
      int top = 0;
      cells_[i].RowId = id;
      stack[top++] = i;
      while (top > 0) {
        const int a = stack[--top];
        for (int b = 0; b < n_; ++b)
          if (cells_[b].RowId == -1 && SideAdjacent(cells_[a], cells_[b])) {
            cells_[b].RowId = id;
            stack[top++] = b;
          }
      }
    }
    rowCount_ = next;
    LinkRows();
  }

  bool Fill() {
    solution_.Count = 0;
    rowFilled_.fill(0);
    candidates_ = MarkCandidates();
    for (int j = 0; j < h_; ++j) {
      if (j > 0)
        UpdateCandidates(solution_.Steps[solution_.Count - 2].Cell,
                         solution_.Steps[solution_.Count - 1].Cell);
      const int k = candidates_;
      if (k < 2) return false;
      const auto uk = static_cast<std::uint32_t>(k);
      const std::uint32_t r1 = rand_.Below(uk);
      std::uint32_t r2;
      do r2 = rand_.Below(uk);
      while (r2 == r1);
      const int a = NthCandidate(static_cast<int>(r1));
      const int b = NthCandidate(static_cast<int>(r2));
      const CELL_P& ca = cells_[a];
      const CELL_P& cb = cells_[b];
      if (ca.Z == cb.Z && ca.RowId == cb.RowId && rowFilled_[ca.RowId] == 0) {
        const int c = CandidateNeighbour(a);
        if (c != -1) {
          Place(a, 2 * j);
          Place(c, 2 * j + 1);
          continue;
        }
        const int d = CandidateNeighbour(b);
        if (d != -1) {
          Place(b, 2 * j + 1);
          Place(d, 2 * j);
          continue;
        }
      }
      Place(a, 2 * j);
      Place(b, 2 * j + 1);
    }
    return true;
  }

  void Place(int cell, int slot) {
    cells_[cell].Placed = slot;
    ++rowFilled_[cells_[cell].RowId];
    solution_.Steps[solution_.Count++] = STEP_P{slot, cell};
  }

  int CandidateNeighbour(int cell) const {
    const CELL_P& c = cells_[cell];
    for (int nb : {c.RightUpper, c.RightLower, c.LeftUpper, c.LeftLower})
      if (nb != -1 && cells_[nb].Candidate) return nb;
    return -1;
  }

  int NthCandidate(int number) const {
    for (int i = 0; i < n_; ++i)
      if (cells_[i].Candidate && number-- == 0) return i;
    return -1;
  }

  // Candidacy depends on the cells below and on the cell's own row only, so after a pair
  // is placed just those rows and the cells resting on the pair are tested again.
  void UpdateCandidates(int a, int b) {
    const int rowA = cells_[a].RowId, rowB = cells_[b].RowId;
    RetestRow(rowA);
    if (rowB != rowA) RetestRow(rowB);
    for (int placed : {a, b})
      for (int k = aboveStart_[placed]; k < aboveStart_[placed + 1]; ++k) {
        const int above = aboveMembers_[k];
        const int row = cells_[above].RowId;
        if (row != rowA && row != rowB) Retest(above);
      }
  }

  void RetestRow(int row) {
    for (int k = rowStart_[row]; k < rowStart_[row + 1]; ++k) Retest(rowMembers_[k]);
  }

  void Retest(int cell) {
    const bool now = cells_[cell].Placed == -1 && IsCandidate(cell);
    candidates_ += int(now) - int(cells_[cell].Candidate);
    cells_[cell].Candidate = now;
  }

  int MarkCandidates() {
    int count = 0;
    for (int i = 0; i < n_; ++i) cells_[i].Candidate = false;
    for (int i = 0; i < n_; ++i) {
      if (cells_[i].Placed != -1) continue;
      if (IsCandidate(i)) {
        cells_[i].Candidate = true;
        ++count;
      }
    }
    return count;
  }

  bool Filled(int cell) const { return cells_[cell].Placed != -1 || cell == tested_; }

  bool IsCandidate(int t) {
    const CELL_P& c = cells_[t];
    for (int below : c.Below)
      if (below != -1 && cells_[below].Placed == -1) return false;
    if (rowFilled_[c.RowId] == 0) return true;
    const int first = rowStart_[c.RowId], last = rowStart_[c.RowId + 1];
    bool touches = false;
    for (int k = first; k < last && !touches; ++k) {
      const CELL_P& o = cells_[rowMembers_[k]];
      touches = o.Placed != -1 && SideAdjacent(c, o);
    }
    if (!touches) return false;
    // With t counted as filled, no empty cell of the row may be left with filled
    // cells on both sides: such a gap could never be filled as a free pair.
    tested_ = t;
    for (int k = first; k < last; ++k)
      found_[0][rowMembers_[k]] = found_[1][rowMembers_[k]] = kUnknown;
    bool ok = true;
    for (int k = first; k < last && ok; ++k) {
      const int e = rowMembers_[k];
      if (e == t || cells_[e].Placed != -1) continue;
      if (Search(e, 0) && Search(e, 1)) ok = false;
    }
    tested_ = -1;
    return ok;
  }

  // Whether a filled cell lies in one direction (0 left, 1 right) of empty cell e,
  // reached through empty cells. Memoised per tested cell: the answer depends only
  // on which cells count as filled, and the paths branch at every step.
  bool Search(int e, int dir) {
    std::int8_t& memo = found_[dir][e];
    if (memo != kUnknown) return memo == 1;
    const CELL_P& c = cells_[e];
    const int first = dir == 0 ? c.LeftUpper : c.RightUpper;
    const int second = dir == 0 ? c.LeftLower : c.RightLower;
    bool result = false;
    for (int nb : {first, second}) {
      if (nb == -1) continue;
      if (Filled(nb) || Search(nb, dir)) {
        result = true;
        break;
      }
    }
    memo = result ? 1 : 0;
    return result;
  }

  static constexpr std::int8_t kUnknown = -1;

  MODE_P& board_;
  int mode_;
  RandState& rand_;
  Solution& solution_;
  const std::int32_t* reshuffleFaces_;
  int n_ = 0, h_ = 0;
  int rowCount_ = 0;
  int grounded_ = 0;
  int tested_ = -1;
  std::array<CELL_P, kMaxTiles> cells_{};
  std::array<int, kMaxTiles> rowFilled_{};
  std::array<std::array<std::int8_t, kMaxTiles>, 2> found_{};
  std::array<int, kMaxTiles + 1> rowStart_{};
  std::array<std::int16_t, kMaxTiles> rowMembers_{};
  std::array<int, kMaxTiles + 1> aboveStart_{};
  std::array<std::int16_t, 4 * kMaxTiles> aboveMembers_{};
  int candidates_ = 0;
};

}  // namespace

int FirstUnplayablePair(const MODE_P& board, const Solution& solution) {
  MODE_P scratch = board;
  for (int k = solution.Count / 2 - 1; k >= 0; --k) {
    const int a = solution.Steps[2 * k].Slot, b = solution.Steps[2 * k + 1].Slot;
    if (a < 0 || a >= kMaxTiles || b < 0 || b >= kMaxTiles) return k;
    TILE_P& ta = scratch.Tiles[a];
    TILE_P& tb = scratch.Tiles[b];
    if (!ta.Present || !tb.Present || ta.MatchClass != tb.MatchClass || !IsFree(scratch, a) ||
        !IsFree(scratch, b))
      return k;
    ta.Present = false;
    tb.Present = false;
  }
  const int n = std::clamp(scratch.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i)
    if (scratch.Tiles[i].Present) return 0;
  return -1;
}

DealResult Deal(MODE_P& board, int mode, RandState& rand, Solution& solution,
                const std::int32_t* reshuffleFaces, bool checkReplay) {
  DealResult result;
  Attempt run(board, mode, rand, solution, reshuffleFaces);
  run.Prepare();
  for (int attempt = 1; attempt <= kDealAttempts; ++attempt) {
    result.attempts = attempt;
    if (!run.Run()) continue;
    // Some shapes let the filling succeed with a pair that is blocked when its
    // turn comes; such an attempt is rejected as if it had failed, positions kept.
    const auto tiles = board.Tiles;
    const auto order = board.Order;
    run.WriteBack();
    if (!checkReplay || FirstUnplayablePair(board, solution) == -1) {
      result.ok = true;
      return result;
    }
    board.Tiles = tiles;
    board.Order = order;
  }
  solution.Count = 0;
  return result;
}

}  // namespace tv
