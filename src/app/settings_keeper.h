// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the settings file soon after the player changes something (a favourite, the
// recent list, the layout, an option), so a killed game loses at most the last second.
// The file is the same as the one written at exit: both go through SaveSettings.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "content/settings.h"
#include "game/result.h"

namespace tv {

class SettingsKeeper : public QObject {
  Q_OBJECT

 public:
  // `current` gives the settings as they stand; `report` shows the first failed write.
  SettingsKeeper(std::string path, std::function<Settings()> current,
                 std::function<void(const std::string&)> report, QObject* parent = nullptr);

  // What the file holds now (read at start-up), so an unchanged state is never written.
  void Written(const Settings& settings) { written_ = settings; }
  // Looks for changes once a second from now on.
  void Start();
  void Stop();

  // Writes now when anything changed since the last write; the result of the write.
  Result WriteIfChanged();
  // What the timer does: writes if changed, and tells the first failure of the session.
  void Check();

 private:
  std::string path_;
  std::function<Settings()> current_;
  std::function<void(const std::string&)> report_;
  std::optional<Settings> written_;
  QTimer timer_;
  bool reported_ = false;
};

}  // namespace tv
