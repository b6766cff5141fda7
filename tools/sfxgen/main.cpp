// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-sfxgen OUT_DIR: writes the program's sound effects as OUT_DIR/<name>.wav.
#include <cstdio>
#include <filesystem>

#include "effects.h"
#include "game/files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tilvane-sfxgen OUT_DIR\n");
    return 2;
  }
  int failures = 0;
  for (const tv::sfx::Effect& effect : tv::sfx::MakeEffects()) {
    const std::vector<std::uint8_t> bytes = tv::sfx::EncodeWav(effect.samples);
    const std::string path = (std::filesystem::path(argv[1]) / (effect.name + ".wav")).string();
    if (const tv::Result written = tv::WriteFileAtomically(path, bytes.data(), bytes.size());
        !written) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), written.Message().c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
