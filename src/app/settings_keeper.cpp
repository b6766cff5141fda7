// SPDX-License-Identifier: GPL-3.0-or-later
// The check is a comparison of two small values, cheap enough to run every second.
#include "app/settings_keeper.h"

#include "content/translate.h"

namespace tv {
namespace {

constexpr int kCheckMs = 1000;

}  // namespace

SettingsKeeper::SettingsKeeper(std::string path, std::function<Settings()> current,
                               std::function<void(const std::string&)> report, QObject* parent)
    : QObject(parent),
      path_(std::move(path)),
      current_(std::move(current)),
      report_(std::move(report)) {
  timer_.setInterval(kCheckMs);
  connect(&timer_, &QTimer::timeout, this, &SettingsKeeper::Check);
}

void SettingsKeeper::Check() {
  const Result written = WriteIfChanged();
  // One message a session; the next change tries again without another.
  if (!written && !reported_ && report_) {
    reported_ = true;
    report_(TranslatedUtf8(Text::Lines(
        {Text::Template(TV_TRANSLATE_NOOP("Messages", "Could not write the settings file!")),
         written.Words()})));
  }
}

void SettingsKeeper::Start() {
  timer_.start();
}

void SettingsKeeper::Stop() {
  timer_.stop();
}

Result SettingsKeeper::WriteIfChanged() {
  const Settings now = current_();
  if (written_ && *written_ == now) return {};
  const Result saved = SaveSettings(path_, now);
  // A failed write is tried again at the next check, not at every check: only a new
  // change brings it back.
  written_ = now;
  return saved;
}

}  // namespace tv
