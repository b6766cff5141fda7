// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-musicgen: turns the note sources into the songs the program plays.
//   tilvane-musicgen SRC_DIR OUT_DIR   writes OUT_DIR/<title>.mid for every SRC_DIR/*.txt
//   tilvane-musicgen --list SRC_DIR    one line per song: title, length, meter, tempo, mode, sounds
//   tilvane-musicgen --check DIR       the figures of every DIR/*.mid; fails outside the limits
//   tilvane-musicgen --figures FILE    one song's figures: seconds tail repeated% spread
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "game/files.h"
#include "game/song_figures.h"
#include "song_source.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Sources(const fs::path& dir, const char* extension = ".txt") {
  std::vector<fs::path> sources;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(dir, error))
    if (entry.path().extension() == extension) sources.push_back(entry.path());
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
  std::printf("%s | %d:%02d | %d/%d | %d bpm | %s | %s\n", song.title.c_str(), seconds / 60,
              seconds % 60, song.meter, song.meterUnit, song.tempo, song.mode.c_str(),
              sounds.c_str());
}

bool Measure(const fs::path& path, tv::music::SongFigures& figures) {
  std::vector<std::uint8_t> bytes;
  tv::Result result = tv::ReadWholeFile(path.string(), bytes);
  if (result) result = tv::music::ReadSongFigures(bytes, figures);
  if (!result) std::fprintf(stderr, "%s: %s\n", path.c_str(), result.Message().c_str());
  return result.Ok();
}

// Every song within the limits, and no sound in more than half of the songs.
int Check(const fs::path& dir) {
  using namespace tv::music;
  const std::vector<fs::path> songs = Sources(dir, ".mid");
  if (songs.empty()) {
    std::fprintf(stderr, "no songs in %s\n", dir.c_str());
    return 1;
  }
  int failures = 0;
  std::map<int, int> programUse;
  std::printf("%-34s %7s %6s %8s %6s  %s\n", "song", "length", "tail", "repeated", "spread",
              "programs");
  for (const fs::path& path : songs) {
    SongFigures figures;
    if (!Measure(path, figures)) {
      ++failures;
      continue;
    }
    std::string verdict;
    if (figures.seconds < kShortestSong) verdict += " short";
    if (figures.seconds > kLongestSong) verdict += " long";
    if (figures.tailSeconds > kLongestTail) verdict += " tail";
    if (figures.RepeatedShare() > kMostRepeatedShare) verdict += " repetitive";
    if (figures.leadVelocitySpread < kLeastLeadSpread) verdict += " flat";
    std::string programs;
    for (const int program : figures.programs) {
      ++programUse[program];
      if (!programs.empty()) programs += ' ';
      programs += std::to_string(program + 1);
    }
    std::printf("%-34s %7.1f %6.2f %7.0f%% %6d  %s%s\n", path.stem().c_str(), figures.seconds,
                figures.tailSeconds, figures.RepeatedShare() * 100, figures.leadVelocitySpread,
                programs.c_str(), verdict.c_str());
    failures += !verdict.empty();
  }
  const auto most =
      std::max_element(programUse.begin(), programUse.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  if (most != programUse.end())
    std::printf("most shared program: %d, in %d of %zu songs\n", most->first + 1, most->second,
                songs.size());
  for (const auto& [program, count] : programUse)
    if (2 * count > int(songs.size())) {
      std::printf("program %d is in %d of %zu songs\n", program + 1, count, songs.size());
      ++failures;
    }
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--check") return Check(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--figures") {
    tv::music::SongFigures figures;
    if (!Measure(argv[2], figures)) return 1;
    std::printf("%.2f %.2f %.0f %d\n", figures.seconds, figures.tailSeconds,
                figures.RepeatedShare() * 100, figures.leadVelocitySpread);
    return 0;
  }
  const bool list = argc == 3 && std::string(argv[1]) == "--list";
  if (!list && argc != 3) {
    std::fprintf(stderr,
                 "usage: tilvane-musicgen SRC_DIR OUT_DIR | --list SRC_DIR | --check DIR | "
                 "--figures FILE\n");
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
