// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-musicgen: turns the note sources into the songs the program plays.
//   tilvane-musicgen SRC_DIR OUT_DIR   writes OUT_DIR/<title>.mid for every SRC_DIR/*.txt
//   tilvane-musicgen --list SRC_DIR    one line per song: title, length, tempo, mode, sounds
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "game/files.h"
#include "song_source.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Sources(const fs::path& dir) {
  std::vector<fs::path> sources;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(dir, error))
    if (entry.path().extension() == ".txt") sources.push_back(entry.path());
  std::sort(sources.begin(), sources.end());
  return sources;
}

bool Load(const fs::path& path, tv::music::Song& song) {
  std::vector<std::uint8_t> bytes;
  if (const tv::Result read = tv::ReadWholeFile(path.string(), bytes); !read) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), read.Message().c_str());
    return false;
  }
  const tv::Result result = tv::music::ParseSong(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), song);
  if (!result) std::fprintf(stderr, "%s: %s\n", path.c_str(), result.Message().c_str());
  return result.Ok();
}

void List(const tv::music::Song& song) {
  std::string sounds;
  for (const auto& instrument : song.instruments)
    sounds += (sounds.empty() ? "" : ", ") + instrument.name +
              (instrument.drums ? " (drums)" : " (" + std::to_string(instrument.program + 1) + ")");
  const int seconds = int(song.Seconds() + 0.5);
  std::printf("%s | %d:%02d | %d bpm | %s | %s\n", song.title.c_str(), seconds / 60, seconds % 60,
              song.tempo, song.mode.c_str(), sounds.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const bool list = argc == 3 && std::string(argv[1]) == "--list";
  if (!list && argc != 3) {
    std::fprintf(stderr, "usage: tilvane-musicgen SRC_DIR OUT_DIR | --list SRC_DIR\n");
    return 2;
  }
  const fs::path sourceDir = list ? argv[2] : argv[1];
  const std::vector<fs::path> sources = Sources(sourceDir);
  if (sources.empty()) {
    std::fprintf(stderr, "no note sources in %s\n", sourceDir.c_str());
    return 1;
  }
  int failures = 0;
  for (const fs::path& source : sources) {
    tv::music::Song song;
    if (!Load(source, song)) {
      ++failures;
      continue;
    }
    if (list) {
      List(song);
      continue;
    }
    const std::vector<std::uint8_t> bytes = tv::music::WriteMidi(song);
    const fs::path target = fs::path(argv[2]) / (song.title + ".mid");
    if (const tv::Result written =
            tv::WriteFileAtomically(target.string(), bytes.data(), bytes.size());
        !written) {
      std::fprintf(stderr, "%s: %s\n", target.c_str(), written.Message().c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
