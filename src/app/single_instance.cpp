// SPDX-License-Identifier: GPL-3.0-or-later
// The lock is the authority (it survives a crashed holder: Qt treats a lock whose
// process is gone as stale); the socket only carries the request to come forward.
#include "app/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace tv {
namespace {

constexpr char kRaiseRequest[] = "raise\n";

}  // namespace

SingleInstance::SingleInstance(const std::string& key, QString folder) {
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  const QByteArray hash =
      QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha1)
          .toHex()
          .left(16);
  const QString base = folder + "/tilvane-" + QString::number(getuid()) + "-" + hash;
  socketPath_ = base + ".socket";
  lock_ = std::make_unique<QLockFile>(base + ".lock");
  lock_->setStaleLockTime(0);  // stale only when its process is gone
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::AcceptRequest);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Claim() {
  if (lock_->tryLock(0)) {
    QLocalServer::removeServer(socketPath_);  // left by a crashed run
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    // Without the socket the lock still protects the files; only the raise is lost.
    server_.listen(socketPath_);
    return true;
  }
  // The holder may still be starting; give its socket a moment to appear.
  for (int attempt = 0; attempt < 20; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (socket.waitForConnected(500)) {
      socket.write(kRaiseRequest);
      socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
      break;
    }
    QThread::msleep(100);
  }
  return false;
}

void SingleInstance::AcceptRequest() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->readAll().contains("raise") && OnRaise) OnRaise();
    });
  }
}

}  // namespace tv
