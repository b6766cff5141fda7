// SPDX-License-Identifier: GPL-3.0-or-later
// How the game reaches the window. Pauses block the window thread on purpose: the
// animations are drawn with immediate repaints, and no input is taken meanwhile.
#include "app/main_host.h"

#include <QThread>
#include <QTimer>

#include "app/field_input.h"
#include "app/field_view.h"
#include "app/field_widget.h"
#include "app/layout_commands.h"
#include "app/status_bars.h"
#include "content/music_player.h"
#include "content/shuffle.h"
#include "content/translate.h"
#include "field/geometry.h"
#include "game/editor.h"
#include "game/game.h"

namespace tv {

void MainHost::RedrawAll() {
  p_.View->RedrawAll();
}

void MainHost::RedrawTile(int slot, Repaint mode) {
  p_.View->RedrawTile(slot, mode);
}

void MainHost::RedrawAround(int slot, bool skipSelf, Repaint mode) {
  p_.View->RedrawAround(slot, skipSelf, mode);
}

void MainHost::DrawSeeThrough(int slot, int percent, bool fade, Repaint mode) {
  p_.View->DrawSeeThrough(slot, percent, fade, mode);
}

void MainHost::RepaintField() {
  p_.View->RepaintField();
}

void MainHost::PlaceTiles() {
  const bool edit = p_.Play->Mode() == BoardMode::kEdit;
  p_.Play->PlaceBoards([edit](MODE_P& board, MODE_P&) {
    tv::PlaceTiles(board, edit ? EditPlacedCount(board) : board.Game.TileCount);
  });
}

void MainHost::DrawClock() {
  const GAME_P& game = p_.Play->PlayBoard().Game;
  p_.Status->DrawClock(game.StartTime, game.ClockTime);
}

void MainHost::SetLabel(Label label, const Text& text) {
  p_.Status->SetLabel(label, text);
}

void MainHost::Enable(Command command, bool on) {
  p_.Window->Enable(command, on);
}

void MainHost::SetCaption(const std::string& caption) {
  p_.Window->SetCaption(caption);
}

void MainHost::SetTimer(Timer timer, bool on) {
  if (timer == Timer::kNewGame) {
    on ? p_.NewGameTimer->start() : p_.NewGameTimer->stop();
  } else if (on) {
    p_.ClockTimer->start(MsToNextClockSecond(p_.Play->PlayBoard().Game.StartTime, p_.Clock()));
  } else {
    p_.ClockTimer->stop();
  }
}

void MainHost::ResetCursor() {
  p_.Field->unsetCursor();
}

void MainHost::EndFieldDrag() {
  p_.Input->EndDrag();
}

void MainHost::SetSolutionView(bool on) {
  p_.Window->SetSolutionView(on);
}

void MainHost::SetPausedView(bool on) {
  p_.Window->SetPausedView(on);
}

void MainHost::MoveMade() {
  p_.Window->MoveMade();
}

void MainHost::Pause(int milliseconds) {
  if (p_.Pauses && milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void MainHost::PlaySound(Sound sound) {
  p_.Sounds->PlaySound(sound);
}
bool MainHost::SoundOn() {
  return p_.Sounds->SoundOn();
}

void MainHost::ShowMessage(const Text& text) {
  p_.Window->Message(TranslatedUtf8(text), 0);
}

void MainHost::CountGame(bool won) {
  p_.Library->CountGame(won);
}
void MainHost::AddRecent(std::string_view layoutName) {
  p_.Library->AddRecent(std::string(layoutName));
}
bool MainHost::ShowLayoutChooser() {
  return p_.Library->ShowChooser();
}

bool MainHost::AskGameNumber(std::uint32_t& seed) {
  return p_.Shuffle->Ask(seed);
}

}  // namespace tv
