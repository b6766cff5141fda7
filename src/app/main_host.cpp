// How the game reaches the window. Pauses block the window thread on purpose: the
// animations are drawn with immediate repaints, and no input is taken meanwhile.
#include "app/main_host.h"

#include <QDateTime>
#include <QThread>

#include "app/main_field.h"
#include "app/main_library.h"
#include "app/main_status.h"
#include "app/main_window.h"
#include "content/shuffle.h"
#include "field/geometry.h"

namespace tv {

double LocalDays() {
  // The offset from UTC is taken once: the clock ticks four times a second, and a game
  // crossing a daylight-saving change keeps its true elapsed time.
  static const qint64 offsetMs = qint64(QDateTime::currentDateTime().offsetFromUtc()) * 1000;
  constexpr double kDaysTo1970 = 25569.0;  // from 30 December 1899
  return kDaysTo1970 + double(QDateTime::currentMSecsSinceEpoch() + offsetMs) / 86400000.0;
}

void MainHost::RedrawAll() {
  w_.RedrawAll();
}

void MainHost::RedrawTile(int slot, Repaint mode) {
  w_.renderer_->RedrawTile(w_.game_->Board(), w_.Marks(), w_.Switches(), slot, mode);
}

void MainHost::RedrawAround(int slot, bool skipSelf, Repaint mode) {
  w_.renderer_->RedrawAround(w_.game_->Board(), w_.Marks(), w_.Switches(), slot, skipSelf, mode);
}

void MainHost::DrawSeeThrough(int slot, int percent, bool fade, Repaint mode) {
  w_.renderer_->DrawSeeThrough(w_.game_->Board(), w_.Marks(), w_.Switches(), slot, percent, fade,
                               mode);
}

void MainHost::RepaintField() {
  const QSize area = w_.AvailableArea();
  w_.field_->repaint(0, 0, area.width(), area.height());
}

void MainHost::PlaceTiles() {
  MODE_P& board = w_.game_->Board();
  tv::PlaceTiles(board, board.Game.TileCount);
}

void MainHost::DrawClock() {
  const GAME_P& game = w_.game_->PlayBoard().Game;
  w_.status_->DrawClock(game.StartTime, game.ClockTime);
}

void MainHost::SetLabel(Label label, const std::string& text) {
  w_.SetLabel(label, text);
}
void MainHost::Enable(Command command, bool on) {
  w_.Enable(command, on);
}

void MainHost::SetCaption(const std::string& caption) {
  w_.setWindowTitle(QString::fromStdString(caption));
}

void MainHost::SetTimer(Timer timer, bool on) {
  if (timer == Timer::NewGame) {
    on ? w_.T_NewGame.start() : w_.T_NewGame.stop();
  } else if (on) {
    w_.T_UpdateClock.start(w_.NextClockTick());
  } else {
    w_.T_UpdateClock.stop();
  }
}

void MainHost::ResetCursor() {
  w_.field_->unsetCursor();
}

void MainHost::EndFieldDrag() {
  w_.dragging_ = false;
}

void MainHost::SetSolutionView(bool on) {
  w_.SetSolutionView(on);
}

void MainHost::Pause(int milliseconds) {
  if (w_.pauses_ && milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

// Sounds come with the music player; until then there is nothing to play.
void MainHost::PlaySound(Sound) {}
bool MainHost::SoundOn() {
  return false;
}

void MainHost::ShowMessage(const std::string& text) {
  w_.Message(text);
}

void MainHost::CountGame(bool won) {
  w_.Library().CountGame(won);
}
void MainHost::AddRecent(std::string_view layoutName) {
  w_.Library().AddRecent(std::string(layoutName));
}
bool MainHost::ShowLayoutChooser() {
  return w_.Library().ShowChooser();
}

bool MainHost::AskGameNumber(std::uint32_t& seed) {
  return w_.shuffle_->Ask(seed);
}

void MainHost::RepaintNow(int x, int y, int width, int height) {
  w_.field_->repaint(x, y, width, height);
}

void MainHost::Invalidate(int x, int y, int width, int height) {
  w_.field_->update(x, y, width, height);
}

}  // namespace tv
