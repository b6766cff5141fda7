// SPDX-License-Identifier: GPL-3.0-or-later
// One running game per set of player files: two processes would overwrite each
// other's records and settings. A lock file beside the files decides who runs; a local
// socket lets a second start ask the running one to come to the front.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLockFile;

namespace tv {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `lockFolders` hold the player's files (the settings folder, the data folder): a
  // start that shares any of them with a running game hands over to it. The lock lies
  // in each folder itself, so it holds whatever the environment says; `socketFolder`
  // (empty: the user's runtime folder) only carries the request to come forward.
  explicit SingleInstance(std::vector<std::string> lockFolders, QString socketFolder = {});
  ~SingleInstance() override;

  // True when this process may run. False when another holds the files; that one
  // has then been asked to come to the front.
  bool Claim();

  // Called in the running process when a later start asks for the window.
  std::function<void()> OnRaise;

 private:
  struct Guard;
  void Listen(Guard& guard);
  void AcceptRequest(Guard& guard);

  std::vector<std::unique_ptr<Guard>> guards_;
};

}  // namespace tv
