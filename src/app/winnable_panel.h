// SPDX-License-Identifier: GPL-3.0-or-later
// The "Winnable" panel of the play status bar: every new position goes to the solver
// on its own thread, and the panel says "Winnable" or "Not winnable" once the verdict
// for the position on the field arrives. While the verdict is pending, or when the
// solver runs out of its budget, the panel is empty. The window thread never waits.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>

#include "game/board.h"
#include "game/solver.h"

namespace tv {

class StatusPanel;

class WinnablePanel : public QObject {
 public:
  WinnablePanel(StatusPanel* panel, QObject* parent);
  ~WinnablePanel() override;

  // Hidden: no solving, and the panel is out of sight.
  void SetShown(bool shown);
  bool Shown() const { return shown_; }
  // `inPlay`: a game is in front of the player (not the solution, the editor or a won
  // game), so its position is decided; otherwise the panel is emptied.
  void PositionChanged(const MODE_P& board, bool inPlay);

  // The verdict shown; kUnknown while the panel is empty.
  Verdict ShownVerdict() const { return verdict_; }
  // For tests: true once the latest position has its answer on the panel.
  bool Settled() const { return settled_; }

 private:
  void Show(std::uint64_t ticket, Verdict verdict);
  void Forget();

  StatusPanel* panel_;
  std::unique_ptr<WinnableWorker> worker_;
  std::uint64_t ticket_ = 0;
  bool shown_ = true;
  bool settled_ = true;
  Verdict verdict_ = Verdict::kUnknown;
};

}  // namespace tv
