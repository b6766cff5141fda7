// SPDX-License-Identifier: GPL-3.0-or-later
// One running game per set of player files: two processes would overwrite each
// other's records and settings. A lock file decides who runs; a local socket lets a
// second start ask the running one to come to the front.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QLockFile;

namespace tv {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `key` names the player's files (the settings file): starts with the same key
  // exclude each other. `folder` holds the lock and the socket; empty: the user's
  // runtime folder.
  explicit SingleInstance(const std::string& key, QString folder = {});
  ~SingleInstance() override;

  // True when this process may run. False when another holds the files; that one
  // has then been asked to come to the front.
  bool Claim();

  // Called in the running process when a later start asks for the window.
  std::function<void()> OnRaise;

  QString SocketPath() const { return socketPath_; }

 private:
  void AcceptRequest();

  QString socketPath_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace tv
