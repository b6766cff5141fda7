// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the settings store, then checks that whatever was read
// survives a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "content/settings.h"
#include "content/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tv::SettingsStore store;
  store.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
  tv::Settings first;
  tv::ReadSettings(store, first);
  tv::WriteSettings(store, first);
  tv::SettingsStore again;
  again.SetText(store.Text());
  tv::Settings second;
  tv::ReadSettings(again, second);
  if (!(first == second)) __builtin_trap();
  return 0;
}
