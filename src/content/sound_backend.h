// SPDX-License-Identifier: GPL-3.0-or-later
// What the music player and the sound effects need from an audio back end: songs loaded
// from a file or from memory, started, stopped and freed, a volume per song and a
// finished query, short effects, and a numeric last-error code. The real back end is
// MixerBackend; tests put a recording fake in its place.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tv {

// The layer's own error codes; SoundErrorText gives each one's text.
enum class SoundError : int {
  kNone = 0,
  kNoOutputDevice = 1,
  kFileNotFound = 2,
  kUnknownFormat = 3,
  kNotEnoughMemory = 4,
  kInvalidParameter = 5,
  kPlayingFailed = 6,
  kUnknown = 7,
};

// Any code outside the table reads "Unknown error".
const char* SoundErrorText(int code);

// A loaded song; kNoSong when loading failed.
using SongHandle = int;
constexpr SongHandle kNoSong = 0;

class SoundBackend {
 public:
  virtual ~SoundBackend() = default;

  // One attempt at opening the output; false leaves ErrorCode set.
  virtual bool StartOutput() = 0;
  // Frees every song and effect and closes the output.
  virtual void StopOutput() = 0;
  // Closes a started output while no song is loaded and no effect sounds, so a silent
  // game runs no mixing thread; the next song or effect opens it again. True when the
  // output is closed now.
  virtual bool RestIfQuiet() = 0;

  virtual SongHandle SongFromFile(const std::string& path) = 0;
  virtual SongHandle SongFromMemory(const std::vector<std::uint8_t>& bytes) = 0;
  virtual void Begin(SongHandle song) = 0;
  virtual void Halt(SongHandle song) = 0;
  virtual void Release(SongHandle song) = 0;
  virtual void SetRepeat(SongHandle song, bool repeat) = 0;
  // 0..256; kNoSong is accepted and changes nothing.
  virtual void SetSongVolume(SongHandle song, int volume) = 0;
  // True once a begun song has played to its end.
  virtual bool HasEnded(SongHandle song) = 0;
  // How long the song on the output has been silent (its last notes died away), in ms;
  // 0 while it sounds or when it is not on the output. A song file runs on a little
  // past its last note, and the pause between songs is counted from the silence.
  virtual std::int64_t QuietMs(SongHandle song) = 0;

  // Starts the effect in `path` without waiting, beside any still sounding.
  // A file that cannot be loaded plays nothing.
  virtual void PlayEffect(const std::string& path) = 0;

  // The code of the last failure (a SoundError value).
  virtual int ErrorCode() const = 0;
};

}  // namespace tv
