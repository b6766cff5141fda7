// SPDX-License-Identifier: GPL-3.0-or-later
// A signal handler may do almost nothing, so it writes one byte to a pipe that the
// window thread watches; the closing itself runs there.
#include "app/signal_close.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace tv {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// Only one pipe per process: the handlers are process-wide.
int writeEnd = -1;
int readEnd = -1;

void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = write(writeEnd, &byte, 1);
  errno = saved;
}

}  // namespace

SignalClose::SignalClose(std::function<void()> close, QObject* parent)
    : QObject(parent), close_(std::move(close)) {
  if (readEnd < 0) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
    readEnd = ends[0];
    writeEnd = ends[1];
  }
  notifier_ = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (read(readEnd, bytes, sizeof bytes) > 0) {
    }
    if (close_) close_();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) sigaction(signal, &action, nullptr);
}

SignalClose::~SignalClose() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int signal : kSignals) sigaction(signal, &action, nullptr);
}

}  // namespace tv
