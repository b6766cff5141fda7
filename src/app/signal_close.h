// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C, a logout) close the game the way File >
// Exit does, so the unfinished game, the records and the settings are written.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tv {

class SignalClose : public QObject {
  Q_OBJECT

 public:
  // Installs the handlers; `close` runs on the window thread after a signal arrives.
  explicit SignalClose(std::function<void()> close, QObject* parent = nullptr);
  ~SignalClose() override;

  // False when the handlers could not be installed (the signals keep their defaults).
  bool Installed() const { return notifier_ != nullptr; }

 private:
  std::function<void()> close_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tv
