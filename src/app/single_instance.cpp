// SPDX-License-Identifier: GPL-3.0-or-later
// The locks are the authority (they survive a crashed holder: Qt treats a lock whose
// process is gone as stale); the sockets only carry the request to come forward. The
// sockets are plain Unix sockets: a whole networking module for one word is memory
// every game would carry.
#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace tv {
namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr char kLockName[] = "tilvane.lock";

QString WithoutSlash(const std::string& folder) {
  QString path = QDir::cleanPath(QString::fromStdString(folder));
  return path.isEmpty() ? QStringLiteral(".") : path;
}

// False when the path does not fit a socket address.
bool SocketAddress(const QString& path, sockaddr_un* address) {
  const QByteArray name = QFile::encodeName(path);
  std::memset(address, 0, sizeof *address);
  address->sun_family = AF_UNIX;
  if (name.isEmpty() || std::size_t(name.size()) >= sizeof address->sun_path) return false;
  std::memcpy(address->sun_path, name.constData(), name.size());
  return true;
}

// Closes the descriptor however the scope is left.
struct Descriptor {
  int fd;
  explicit Descriptor(int d) : fd(d) {}
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Release() { return std::exchange(fd, -1); }
};

bool SendRequest(const sockaddr_un& address) {
  Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (socket.fd < 0) return false;
  if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return false;
  const std::size_t length = sizeof kRaiseRequest - 1;
  return ::send(socket.fd, kRaiseRequest, length, MSG_NOSIGNAL) == ssize_t(length);
}

void AskToComeForward(const QString& socketPath) {
  sockaddr_un address;
  if (!SocketAddress(socketPath, &address)) return;
  // The holder may still be starting; give its socket a moment to appear.
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (SendRequest(address)) return;
    QThread::msleep(100);
  }
}

}  // namespace

// One protected folder: its lock, and the socket a later start knocks at.
struct SingleInstance::Guard {
  QString folder;
  QString socketPath;
  std::unique_ptr<QLockFile> lock;
  int listener = -1;
  std::unique_ptr<QSocketNotifier> incoming;

  ~Guard() {
    incoming.reset();
    if (listener < 0) return;
    ::close(listener);
    ::unlink(QFile::encodeName(socketPath).constData());
  }
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
  // Without the socket the lock still protects the files; only the raise is lost.
  for (auto& guard : guards_) Listen(*guard);
  return true;
}

void SingleInstance::Listen(Guard& guard) {
  sockaddr_un address;
  if (!SocketAddress(guard.socketPath, &address)) return;
  Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (listener.fd < 0) return;
  ::unlink(address.sun_path);  // left by a crashed run; the lock says it is ours now
  // Only this user may knock: the socket is made without rights for anyone else.
  const mode_t mask = ::umask(0077);
  const bool bound =
      ::bind(listener.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::umask(mask);
  if (!bound || ::listen(listener.fd, 8) != 0) return;
  guard.listener = listener.Release();
  guard.incoming = std::make_unique<QSocketNotifier>(guard.listener, QSocketNotifier::Read);
  connect(guard.incoming.get(), &QSocketNotifier::activated, this,
          [this, &guard] { AcceptRequest(guard); });
}

void SingleInstance::AcceptRequest(Guard& guard) {
  for (;;) {
    const int client = ::accept4(guard.listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client < 0) return;
    // A request is read until it holds the word or its sender hangs up; the notifier
    // owns the descriptor.
    auto* reader = new QSocketNotifier(client, QSocketNotifier::Read, this);
    auto received = std::make_shared<QByteArray>();
    connect(reader, &QSocketNotifier::activated, this, [this, reader, received, client] {
      char buffer[64];
      ssize_t got;
      while ((got = ::read(client, buffer, sizeof buffer)) > 0) received->append(buffer, got);
      const bool asked = received->contains("raise");
      if (!asked && got < 0 && (errno == EAGAIN || errno == EINTR) && received->size() < 64) return;
      reader->setEnabled(false);
      ::close(client);
      reader->deleteLater();
      if (asked && OnRaise) OnRaise();
    });
  }
}

}  // namespace tv
