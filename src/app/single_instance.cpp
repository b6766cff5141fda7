// SPDX-License-Identifier: GPL-3.0-or-later
// The locks are the authority (they survive a crashed holder: Qt treats a lock whose
// process is gone as stale); the sockets only carry the request to come forward.
#include "app/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>

namespace tv {
namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr char kLockName[] = "tilvane.lock";

QString WithoutSlash(const std::string& folder) {
  QString path = QDir::cleanPath(QString::fromStdString(folder));
  return path.isEmpty() ? QStringLiteral(".") : path;
}

void AskToComeForward(const QString& socketPath) {
  // The holder may still be starting; give its socket a moment to appear.
  for (int attempt = 0; attempt < 20; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (socket.waitForConnected(500)) {
      socket.write(kRaiseRequest);
      socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
      return;
    }
    QThread::msleep(100);
  }
}

}  // namespace

// One protected folder: its lock, and the socket a later start knocks at.
struct SingleInstance::Guard {
  QString folder;
  QString socketPath;
  std::unique_ptr<QLockFile> lock;
  QLocalServer server;
};

SingleInstance::SingleInstance(std::vector<std::string> lockFolders, QString socketFolder) {
  if (socketFolder.isEmpty())
    socketFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (socketFolder.isEmpty()) socketFolder = QDir::tempPath();
  for (const std::string& folder : lockFolders) {
    const QString clean = WithoutSlash(folder);
    if (std::any_of(guards_.begin(), guards_.end(),
                    [&](const auto& guard) { return guard->folder == clean; }))
      continue;
    auto guard = std::make_unique<Guard>();
    guard->folder = clean;
    const QByteArray hash =
        QCryptographicHash::hash(clean.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    guard->socketPath =
        socketFolder + "/tilvane-" + QString::number(getuid()) + "-" + hash + ".socket";
    guard->lock = std::make_unique<QLockFile>(clean + "/" + kLockName);
    guard->lock->setStaleLockTime(0);  // stale only when its process is gone
    QLocalServer* server = &guard->server;
    connect(server, &QLocalServer::newConnection, this, [this, server] { AcceptRequest(server); });
    guards_.push_back(std::move(guard));
  }
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Claim() {
  for (auto& guard : guards_) {
    QDir().mkpath(guard->folder);
    if (guard->lock->tryLock(0)) continue;
    // A folder where no lock can be made protects nothing, but stops nobody either.
    if (guard->lock->error() != QLockFile::LockFailedError) continue;
    for (auto& taken : guards_)
      if (taken->lock->isLocked()) taken->lock->unlock();
    AskToComeForward(guard->socketPath);
    return false;
  }
  for (auto& guard : guards_) {
    QLocalServer::removeServer(guard->socketPath);  // left by a crashed run
    guard->server.setSocketOptions(QLocalServer::UserAccessOption);
    // Without the socket the lock still protects the files; only the raise is lost.
    guard->server.listen(guard->socketPath);
  }
  return true;
}

void SingleInstance::AcceptRequest(QLocalServer* server) {
  while (QLocalSocket* socket = server->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->readAll().contains("raise") && OnRaise) OnRaise();
    });
  }
}

}  // namespace tv
