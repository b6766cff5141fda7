// SPDX-License-Identifier: GPL-3.0-or-later
// The audio back end over SDL2_mixer: MIDI songs through a FluidSynth synthesiser with
// the General MIDI soundfont, effects as WAV chunks on the mixer's channels.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "content/sound_backend.h"

namespace tv {

constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Scales `frames` interleaved 16-bit frames by a gain that moves from `gain` toward
// `target` by at most `step` a frame, so a change of volume, a start or a stop never
// steps the output (which clicks). Returns the gain reached.
float RampFrames(std::int16_t* samples, int frames, int channels, float gain, float target,
                 float step);

// A song as the output hears it at `volume` (0..256), without an output: interleaved
// stereo at `rate`, for comparing how a change of the synthesiser sounds. With `before`,
// that song plays a while first and hands its synthesiser on, as between songs in the
// game. Empty when the song or the libraries cannot be loaded.
struct RenderedSong {
  int rate = 0;
  std::vector<std::int16_t> samples;
};
RenderedSong RenderSong(const std::vector<std::uint8_t>& midi, int volume, double seconds,
                        const std::vector<std::uint8_t>& before = {},
                        const std::string& soundFont = kDefaultSoundFont);

class MixerBackend final : public SoundBackend {
 public:
  explicit MixerBackend(std::string soundFont = kDefaultSoundFont);
  ~MixerBackend() override;
  MixerBackend(const MixerBackend&) = delete;
  MixerBackend& operator=(const MixerBackend&) = delete;

  bool StartOutput() override;
  void StopOutput() override;
  bool RestIfQuiet() override;
  SongHandle SongFromFile(const std::string& path) override;
  SongHandle SongFromMemory(const std::vector<std::uint8_t>& bytes) override;
  void Begin(SongHandle song) override;
  void Halt(SongHandle song) override;
  void Release(SongHandle song) override;
  void SetRepeat(SongHandle song, bool repeat) override;
  void SetSongVolume(SongHandle song, int volume) override;
  bool HasEnded(SongHandle song) override;
  std::int64_t QuietMs(SongHandle song) override;
  void PlayEffect(const std::string& path) override;
  int ErrorCode() const override { return static_cast<int>(error_); }

  bool Started() const { return started_; }
  // Effects sounding now, each on a channel of its own.
  int EffectsSounding() const;
  bool Open() const { return open_; }
  // Loads the effect into the cache unless it is there; false when it cannot be loaded.
  bool PreloadEffect(const std::string& path);

  struct Song;  // public for the audio thread's hook

 private:
  struct Effect;
  Song* Find(SongHandle song);
  SongHandle Keep(std::unique_ptr<Song> song);
  void Fail(SoundError error) { error_ = error; }
  void ApplyVolume(Song& song);
  SongHandle LoadSong(std::vector<std::uint8_t> bytes);
  // Takes the current song off the output and silences it; none is current after.
  void Unhook();
  bool OpenDevice();
  void CloseDevice();
  bool EnsureOpen();

  std::string soundFont_;
  bool started_ = false;  // the output opened once: later openings are on demand
  bool open_ = false;
  int rate_ = 0, format_ = 0, channels_ = 0;  // what the output gave at its last opening
  SoundError error_ = SoundError::kNone;
  SongHandle nextHandle_ = 1;
  SongHandle current_ = kNoSong;  // the song on the output
  std::map<SongHandle, std::unique_ptr<Song>> songs_;
  std::unique_ptr<Song> spare_;  // the last released song's synthesiser, for the next
  std::map<std::string, std::unique_ptr<Effect>> effects_;
};

}  // namespace tv
