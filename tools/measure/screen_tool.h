// SPDX-License-Identifier: GPL-3.0-or-later
// What the screenshot tools share: the program started in a folder without a splash,
// time for the window system to catch up, and a fixed deal.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QThread>
#include <chrono>
#include <cstdint>
#include <memory>

#include "app/field_widget.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "content/translate.h"

namespace tv::screens {

inline void Settle(int ms = 200) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < until) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

// Started and shown, settings left alone at the end; null when the start failed. The
// language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as the program's own start.
inline std::unique_ptr<TF_Main> StartShown(StartOptions options, const char* programDir) {
  options.ProgramDir = programDir;
  InstallTranslations(std::string(programDir) + "/translations/");
  options.ShowSplash = false;
  auto window = StartProgram(options, std::chrono::steady_clock::now());
  if (!window) return window;
  window->SetSaveOnClose(false);
  window->show();
  Settle(300);
  return window;
}

// A left click on the field at a point of its widget.
inline void ClickField(TF_Main& window, QPointF p) {
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, p, window.Parts().Field->mapToGlobal(p), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window.Parts().Field, &event);
  }
}

// Deals game `number` at once instead of waiting for the start's own deal.
inline void DealGame(TF_Main& window, std::uint32_t number) {
  window.Parts().NewGameTimer->stop();
  window.PlayGameNumber(number);
  window.Parts().NewGameTimer->stop();
  window.T_NewGameTimer();
}

}  // namespace tv::screens
