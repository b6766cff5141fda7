// SPDX-License-Identifier: GPL-3.0-or-later
// The "Winnable" panel: hands each position to the solver's thread and shows the verdict.
#include "app/winnable_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMetaObject>

#include "app/status_panel.h"

namespace tv {
namespace {

// Generous: the solver works beside the player, and an empty panel says little.
constexpr std::chrono::milliseconds kBudget{3000};

SolveLimits WorkerLimits() {
  SolveLimits limits;
  limits.maxTime = kBudget;
  limits.maxRemembered = std::size_t{1} << 19;
  return limits;
}

}  // namespace

WinnablePanel::WinnablePanel(StatusPanel* panel, QObject* parent) : QObject(parent), panel_(panel) {
  // Reports arrive on the worker's thread and are handed to this object's thread.
  worker_ = std::make_unique<WinnableWorker>(
      WorkerLimits(), [this](std::uint64_t ticket, const SolveResult& result) {
        const Verdict verdict = result.verdict;
        QMetaObject::invokeMethod(
            this, [this, ticket, verdict] { Show(ticket, verdict); }, Qt::QueuedConnection);
      });
}

// The worker goes first: its thread ends before this object can no longer take reports.
WinnablePanel::~WinnablePanel() {
  worker_.reset();
}

void WinnablePanel::SetShown(bool shown) {
  shown_ = shown;
  panel_->setVisible(shown);
  if (!shown) Forget();
}

// No report is awaited: tickets start at 1.
void WinnablePanel::Forget() {
  worker_->CancelAll();
  ticket_ = 0;
  settled_ = true;
  verdict_ = Verdict::kUnknown;
  panel_->SetText(QString());
}

void WinnablePanel::PositionChanged(const MODE_P& board, bool inPlay) {
  if (!shown_) return;
  Forget();
  if (!inPlay) return;
  settled_ = false;
  ticket_ = worker_->Submit(board);
}

void WinnablePanel::Show(std::uint64_t ticket, Verdict verdict) {
  if (ticket == 0 || ticket != ticket_) return;  // a newer position is on the field
  settled_ = true;
  verdict_ = verdict;
  QLabel* label = panel_->Label();
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, verdict == Verdict::kNotWinnable
                                             ? QColor(0xa0, 0x10, 0x10)
                                             : QColor(0x10, 0x60, 0x20));
  label->setPalette(palette);
  panel_->SetText(verdict == Verdict::kWinnable ? QCoreApplication::translate("Status", "Winnable")
                  : verdict == Verdict::kNotWinnable
                      ? QCoreApplication::translate("Status", "Not winnable")
                      : QString());
}

}  // namespace tv
