// SPDX-License-Identifier: GPL-3.0-or-later
// SDL2_mixer mixes the output and plays the effects; songs are synthesised by FluidSynth
// driven here and fed to the mixer's music hook, one song at a time. Driving it here
// lets the synthesiser load only the soundfont samples a song uses, which the mixer's
// own MIDI player cannot be told to do: it loaded the whole soundfont for every song.
#include "content/mixer_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <fluidsynth.h>

#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

#include "game/files.h"
#include "game/song_figures.h"

namespace tv {

namespace {

// SDL and its mixer bring some sixty shared libraries (the synthesiser, the audio
// servers, codecs): mapped at process start they cost the first picture tens of
// milliseconds and several megabytes. They are opened when the sound starts instead,
// and stay mapped for the rest of the run, as linked libraries would.
// clang-format off
#define TV_SDL_CALLS(X) \
  X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_GetError) X(SDL_SetHint)
#define TV_MIX_CALLS(X) \
  X(Mix_OpenAudio) X(Mix_CloseAudio) X(Mix_QuerySpec) X(Mix_HaltChannel) X(Mix_Playing) \
  X(Mix_FreeChunk) X(Mix_HookMusic) X(Mix_LoadWAV) X(Mix_PlayChannel)
#define TV_FLUID_CALLS(X) \
  X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setint) \
  X(fluid_settings_setnum) X(new_fluid_synth) X(delete_fluid_synth) X(fluid_synth_sfload) \
  X(fluid_synth_set_gain) X(fluid_synth_write_s16) X(fluid_synth_all_sounds_off) \
  X(fluid_synth_system_reset) \
  X(new_fluid_player) X(delete_fluid_player) X(fluid_player_add_mem) X(fluid_player_play) \
  X(fluid_player_stop) X(fluid_player_get_status) X(fluid_player_set_loop)
// clang-format on

struct MixerCalls {
#define TV_POINTER(name) decltype(&::name) name = nullptr;
  TV_SDL_CALLS(TV_POINTER)
  TV_MIX_CALLS(TV_POINTER)
  TV_FLUID_CALLS(TV_POINTER)
#undef TV_POINTER
};

std::optional<MixerCalls> OpenMixer() {
  void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_GLOBAL);
  void* mixer = sdl ? dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_GLOBAL) : nullptr;
  void* fluid = mixer ? dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_GLOBAL) : nullptr;
  if (!fluid) return std::nullopt;
  MixerCalls calls;
  bool complete = true;
#define TV_BIND(library, name)                                             \
  calls.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name)); \
  complete = complete && calls.name;
#define TV_BIND_SDL(name) TV_BIND(sdl, name)
#define TV_BIND_MIX(name) TV_BIND(mixer, name)
#define TV_BIND_FLUID(name) TV_BIND(fluid, name)
  TV_SDL_CALLS(TV_BIND_SDL)
  TV_MIX_CALLS(TV_BIND_MIX)
  TV_FLUID_CALLS(TV_BIND_FLUID)
#undef TV_BIND_FLUID
#undef TV_BIND_MIX
#undef TV_BIND_SDL
#undef TV_BIND
  if (!complete) return std::nullopt;
  return calls;
}

// The process's one binding to the libraries, made on first use; null when they are
// missing.
const MixerCalls* Mixer() {
  static const std::optional<MixerCalls> calls = OpenMixer();
  return calls ? &*calls : nullptr;
}

constexpr int kMixRate = 22050;
constexpr int kMixFrames = 2048;  // about 90 ms: an effect answers its click without lag
// Effects take any free channel of the mixer's eight, so the win sounds over the last
// pair's removal instead of cutting it short.
constexpr int kAnyFreeChannel = -1;

// A change of volume and a song's start and stop glide over this time.
constexpr double kRampSeconds = 0.010;
// A song is silent below this level (about -60 dB of full scale).
constexpr int kQuietLevel = 33;
// The fade before a song leaves the output lasts until the audio thread's next turn
// (one buffer, about 90 ms); a stalled output is not waited for longer.
constexpr auto kFadeWaitLimit = std::chrono::milliseconds(300);
// How long a render plays the song before, when it is given one.
constexpr double kBeforeSeconds = 10;

// Enough for the densest shipped song (48 voices) and for chords a player's own files
// may add; every voice costs memory whether it sounds or not (128 took 0.6 MB more).
constexpr int kPolyphony = 64;
// The synthesiser's gain at full volume: its default is 0.2, and louder than this
// clips the shipped songs' loudest chords.
constexpr float kFullGain = 1.2f;

// The synthesiser takes any bytes and only fails while playing: a song must at least
// begin as a standard MIDI file.
bool LooksLikeMidi(const std::uint8_t* bytes, std::size_t size) {
  return size >= 14 && std::memcmp(bytes, "MThd", 4) == 0;
}

}  // namespace

float RampFrames(std::int16_t* samples, int frames, int channels, float gain, float target,
                 float step) {
  for (int i = 0; i < frames; ++i) {
    if (gain < target)
      gain = std::min(target, gain + step);
    else if (gain > target)
      gain = std::max(target, gain - step);
    if (gain == 1.0f) continue;
    std::int16_t* frame = samples + std::ptrdiff_t(i) * channels;
    // Rounds half away from zero as lround does, without its library call per sample:
    // the half is added exactly in double, and the conversion truncates.
    for (int c = 0; c < channels; ++c) {
      const double scaled = frame[c] * gain;
      frame[c] = std::int16_t(scaled + (scaled < 0 ? -0.5 : 0.5));
    }
  }
  return gain;
}

const char* SoundErrorText(int code) {
  switch (static_cast<SoundError>(code)) {
    case SoundError::kNone:
      return QT_TRANSLATE_NOOP("Sound", "No errors");
    case SoundError::kNoOutputDevice:
      return QT_TRANSLATE_NOOP("Sound", "No sound output device could be opened");
    case SoundError::kFileNotFound:
      return QT_TRANSLATE_NOOP("Sound", "File not found");
    case SoundError::kUnknownFormat:
      return QT_TRANSLATE_NOOP("Sound", "Unknown file format");
    case SoundError::kNotEnoughMemory:
      return QT_TRANSLATE_NOOP("Sound", "Not enough memory or resources");
    case SoundError::kInvalidParameter:
      return QT_TRANSLATE_NOOP("Sound", "An invalid parameter was passed to this function");
    case SoundError::kPlayingFailed:
      return QT_TRANSLATE_NOOP("Sound", "Playing the sound failed");
    case SoundError::kUnknown:
      break;
  }
  return QT_TRANSLATE_NOOP("Sound", "Unknown error");
}

struct MixerBackend::Song {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;
  std::vector<std::uint8_t> bytes;   // the MIDI file, for playing it again from the start
  std::vector<std::int16_t> stereo;  // for an output that is not stereo
  int channels = 2;                  // of the output the song was loaded for
  int rate = kMixRate;
  int volume = 256;
  bool repeat = false;
  bool begun = false;
  // Shared with the audio thread.
  std::atomic<float> target{1.0f};         // the gain the volume asks for
  std::atomic<bool> leaving{false};        // fading out before it leaves the output
  std::atomic<bool> silent{false};         // faded out: it may leave now
  std::atomic<std::int64_t> rendered{0};   // frames written to the output
  std::atomic<std::int64_t> lastHeard{0};  // the frame after the last one above kQuietLevel
  float gain = 0;                          // the audio thread's own
  ~Song() {
    if (player) Mixer()->delete_fluid_player(player);
    if (synth) Mixer()->delete_fluid_synth(synth);
    if (settings) Mixer()->delete_fluid_settings(settings);
  }
  bool NewPlayer() {
    if (player) Mixer()->delete_fluid_player(player);
    player = Mixer()->new_fluid_player(synth);
    return player && Mixer()->fluid_player_add_mem(player, bytes.data(), bytes.size()) == FLUID_OK;
  }
  // The synthesiser for an output of `rate` and `channels`; the failure's code otherwise.
  SoundError Make(int outRate, int outChannels, const std::string& soundFont);
  // Takes over `used`'s synthesiser, reset as if new, when it was made for the same
  // output: reading the soundfont again took tens of milliseconds on the window thread
  // at every song. False leaves `used` without its player.
  bool Reuse(Song& used, int outRate, int outChannels);
};

bool MixerBackend::Song::Reuse(Song& used, int outRate, int outChannels) {
  if (!used.synth || used.rate != outRate || used.channels != outChannels) return false;
  if (used.player) Mixer()->delete_fluid_player(used.player);
  used.player = nullptr;
  // Notes, controllers, programs and the reverb's and chorus's tails of the last song.
  if (Mixer()->fluid_synth_system_reset(used.synth) != FLUID_OK) return false;
  std::swap(settings, used.settings);
  std::swap(synth, used.synth);
  rate = outRate;
  channels = outChannels;
  return NewPlayer();
}

SoundError MixerBackend::Song::Make(int outRate, int outChannels, const std::string& soundFont) {
  channels = outChannels;
  rate = outRate;
  const MixerCalls& fluid = *Mixer();
  settings = fluid.new_fluid_settings();
  if (!settings) return SoundError::kNotEnoughMemory;
  fluid.fluid_settings_setnum(settings, "synth.sample-rate", double(rate));
  fluid.fluid_settings_setint(settings, "synth.polyphony", kPolyphony);
  fluid.fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  synth = fluid.new_fluid_synth(settings);
  if (!synth) return SoundError::kNotEnoughMemory;
  // The volume is applied to the output, where it can glide; the synthesiser keeps
  // its full gain.
  fluid.fluid_synth_set_gain(synth, kFullGain);
  // Named explicitly, not whatever soundfont the system's alternatives point at.
  if (fluid.fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED || !NewPlayer())
    return SoundError::kUnknownFormat;
  return SoundError::kNone;
}

namespace {

// The song's gain glides toward its volume (or to silence while it leaves), and the
// last frame heard is noted for QuietMs.
void ShapeSong(MixerBackend::Song& song, std::int16_t* out, int frames, int channels) {
  const bool leaving = song.leaving.load();
  const float target = leaving ? 0.0f : song.target.load();
  const float step = float(1.0 / (kRampSeconds * std::max(song.rate, 1)));
  song.gain = RampFrames(out, frames, channels, song.gain, target, step);
  if (leaving && song.gain <= 0.0f) song.silent = true;
  const std::int64_t first = song.rendered.load();
  for (int i = frames - 1; i >= 0; --i) {
    const std::int16_t* frame = out + std::ptrdiff_t(i) * channels;
    if (std::any_of(frame, frame + channels,
                    [](std::int16_t v) { return std::abs(v) > kQuietLevel; })) {
      song.lastHeard = first + i + 1;
      break;
    }
  }
  song.rendered = first + frames;
}

// The mixer's music hook, on its audio thread: the song fills the 16-bit output.
void MixSong(void* data, Uint8* stream, int length) {
  auto* song = static_cast<MixerBackend::Song*>(data);
  auto* out = reinterpret_cast<std::int16_t*>(stream);
  const int channels = std::max(song->channels, 1);
  const int frames = length / int(sizeof(std::int16_t)) / channels;
  if (channels == 2) {
    Mixer()->fluid_synth_write_s16(song->synth, frames, out, 0, 2, out, 1, 2);
    ShapeSong(*song, out, frames, channels);
    return;
  }
  std::vector<std::int16_t>& stereo = song->stereo;
  if (stereo.size() < std::size_t(frames) * 2) stereo.resize(std::size_t(frames) * 2);
  Mixer()->fluid_synth_write_s16(song->synth, frames, stereo.data(), 0, 2, stereo.data(), 1, 2);
  for (int i = 0; i < frames; ++i) {
    const int left = stereo[std::size_t(i) * 2], right = stereo[std::size_t(i) * 2 + 1];
    std::int16_t* frame = out + std::ptrdiff_t(i) * channels;
    if (channels == 1) {
      frame[0] = std::int16_t((left + right) / 2);
    } else {
      frame[0] = std::int16_t(left), frame[1] = std::int16_t(right);
      std::fill(frame + 2, frame + channels, std::int16_t(0));
    }
  }
  ShapeSong(*song, out, frames, channels);
}

}  // namespace

struct MixerBackend::Effect {
  Mix_Chunk* chunk = nullptr;
  ~Effect() {
    if (chunk) Mixer()->Mix_FreeChunk(chunk);
  }
};

MixerBackend::MixerBackend(std::string soundFont) : soundFont_(std::move(soundFont)) {}

MixerBackend::~MixerBackend() {
  StopOutput();
}

bool MixerBackend::OpenDevice() {
  if (!Mixer()) {
    Fail(SoundError::kUnknown);
    return false;
  }
  // SDL would otherwise take SIGTERM and SIGINT for an event queue nobody reads, and the
  // game could no longer be closed by a signal; the program handles them itself.
  Mixer()->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (Mixer()->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    Fail(SoundError::kNoOutputDevice);
    return false;
  }
  if (Mixer()->Mix_OpenAudio(kMixRate, AUDIO_S16SYS, 2, kMixFrames) != 0) {
    Mixer()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    Fail(SoundError::kNoOutputDevice);
    return false;
  }
  int rate = 0, channels = 0;
  Uint16 format = 0;
  Mixer()->Mix_QuerySpec(&rate, &format, &channels);
  // Cached effects were converted for the output they were loaded on.
  if (rate != rate_ || format != format_ || channels != channels_) effects_.clear();
  rate_ = rate, format_ = format, channels_ = channels;
  open_ = true;
  return true;
}

void MixerBackend::CloseDevice() {
  Mixer()->Mix_HaltChannel(-1);
  Mixer()->Mix_HookMusic(nullptr, nullptr);
  current_ = kNoSong;
  Mixer()->Mix_CloseAudio();
  Mixer()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}

bool MixerBackend::EnsureOpen() {
  if (!started_) {
    Fail(SoundError::kNoOutputDevice);
    return false;
  }
  return open_ || OpenDevice();
}

bool MixerBackend::StartOutput() {
  if (started_) return true;
  if (!OpenDevice()) return false;
  started_ = true;
  error_ = SoundError::kNone;
  return true;
}

void MixerBackend::StopOutput() {
  if (!started_) return;
  if (open_) {
    Mixer()->Mix_HaltChannel(-1);
    Mixer()->Mix_HookMusic(nullptr, nullptr);
  }
  current_ = kNoSong;
  songs_.clear();
  spare_.reset();
  effects_.clear();
  if (open_) CloseDevice();
  started_ = false;
}

bool MixerBackend::RestIfQuiet() {
  if (!open_) return true;
  // A loaded song's synthesiser was made for this output.
  if (!songs_.empty() || Mixer()->Mix_Playing(-1) > 0) return false;
  CloseDevice();
  return true;
}

MixerBackend::Song* MixerBackend::Find(SongHandle song) {
  const auto it = songs_.find(song);
  if (it == songs_.end()) {
    Fail(SoundError::kInvalidParameter);
    return nullptr;
  }
  return it->second.get();
}

SongHandle MixerBackend::Keep(std::unique_ptr<Song> song) {
  const SongHandle handle = nextHandle_++;
  songs_[handle] = std::move(song);
  return handle;
}

SongHandle MixerBackend::SongFromFile(const std::string& path) {
  if (!started_) {
    Fail(SoundError::kNoOutputDevice);
    return kNoSong;
  }
  if (!FileExists(path)) {
    Fail(SoundError::kFileNotFound);
    return kNoSong;
  }
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, kMaxSongFileBytes)) {
    Fail(SoundError::kUnknownFormat);
    return kNoSong;
  }
  if (!LooksLikeMidi(bytes.data(), bytes.size())) {
    Fail(SoundError::kUnknownFormat);
    return kNoSong;
  }
  music::SongFigures figures;
  if (ReadSongFigures(bytes, figures) && figures.seconds > music::kLongestPlayableSong) {
    Fail(SoundError::kUnknownFormat);
    return kNoSong;
  }
  return LoadSong(std::move(bytes));
}

SongHandle MixerBackend::LoadSong(std::vector<std::uint8_t> bytes) {
  if (!EnsureOpen()) return kNoSong;
  auto song = std::make_unique<Song>();
  song->bytes = std::move(bytes);
  const bool reused = spare_ && song->Reuse(*spare_, rate_, channels_);
  spare_.reset();
  if (reused) return Keep(std::move(song));
  if (song->synth) {  // taken over, but the song would not load into it
    auto fresh = std::make_unique<Song>();
    fresh->bytes = std::move(song->bytes);
    song = std::move(fresh);
  }
  if (const SoundError error = song->Make(rate_, channels_, soundFont_);
      error != SoundError::kNone) {
    Fail(error);
    return kNoSong;
  }
  return Keep(std::move(song));
}

SongHandle MixerBackend::SongFromMemory(const std::vector<std::uint8_t>& bytes) {
  if (!started_) {
    Fail(SoundError::kNoOutputDevice);
    return kNoSong;
  }
  if (bytes.empty()) {
    Fail(SoundError::kInvalidParameter);
    return kNoSong;
  }
  if (!LooksLikeMidi(bytes.data(), bytes.size())) {
    Fail(SoundError::kUnknownFormat);
    return kNoSong;
  }
  return LoadSong(bytes);
}

void MixerBackend::ApplyVolume(Song& song) {
  song.target = float(std::clamp(song.volume, 0, 256)) / 256;
}

void MixerBackend::Unhook() {
  if (current_ == kNoSong) return;
  // The song fades out on the audio thread first: cut off mid-note, the output would
  // step to silence.
  if (const auto it = songs_.find(current_); it != songs_.end() && open_) {
    Song& song = *it->second;
    song.leaving = true;
    const auto until = std::chrono::steady_clock::now() + kFadeWaitLimit;
    while (!song.silent && std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  // Waits for the audio thread to leave the song.
  Mixer()->Mix_HookMusic(nullptr, nullptr);
  if (const auto it = songs_.find(current_); it != songs_.end()) {
    Mixer()->fluid_player_stop(it->second->player);
    Mixer()->fluid_synth_all_sounds_off(it->second->synth, -1);
  }
  current_ = kNoSong;
}

void MixerBackend::Begin(SongHandle handle) {
  Song* song = Find(handle);
  if (!song) return;
  Unhook();
  // A song begun before starts again from its beginning.
  if ((song->begun && !song->NewPlayer()) ||
      Mixer()->fluid_player_set_loop(song->player, song->repeat ? -1 : 1) != FLUID_OK ||
      Mixer()->fluid_player_play(song->player) != FLUID_OK) {
    Fail(SoundError::kPlayingFailed);
    return;
  }
  ApplyVolume(*song);
  // Fades in from silence; nothing else touches these until the hook is set.
  song->gain = 0;
  song->leaving = false;
  song->silent = false;
  song->rendered = 0;
  song->lastHeard = 0;
  current_ = handle;
  song->begun = true;
  Mixer()->Mix_HookMusic(MixSong, song);
}

void MixerBackend::Halt(SongHandle handle) {
  if (!Find(handle)) return;
  if (current_ == handle) Unhook();
}

void MixerBackend::Release(SongHandle handle) {
  if (!Find(handle)) return;
  if (current_ == handle) Unhook();
  // The next song takes over its synthesiser.
  spare_ = std::move(songs_[handle]);
  songs_.erase(handle);
}

void MixerBackend::SetRepeat(SongHandle handle, bool repeat) {
  if (Song* song = Find(handle)) song->repeat = repeat;
}

void MixerBackend::SetSongVolume(SongHandle handle, int volume) {
  if (handle == kNoSong) return;
  Song* song = Find(handle);
  if (!song) return;
  song->volume = std::clamp(volume, 0, 256);
  ApplyVolume(*song);
}

bool MixerBackend::HasEnded(SongHandle handle) {
  const Song* song = Find(handle);
  if (!song || !song->begun) return false;
  return current_ != handle || Mixer()->fluid_player_get_status(song->player) == FLUID_PLAYER_DONE;
}

std::int64_t MixerBackend::QuietMs(SongHandle handle) {
  const Song* song = Find(handle);
  if (!song || current_ != handle) return 0;
  const std::int64_t frames = song->rendered.load() - song->lastHeard.load();
  return frames * 1000 / std::max(song->rate, 1);
}

int MixerBackend::EffectsSounding() const {
  return open_ ? Mixer()->Mix_Playing(-1) : 0;
}

bool MixerBackend::PreloadEffect(const std::string& path) {
  if (!started_) return false;
  // A missing file neither opens the output nor stays in the cache.
  if (!CheckReadableFile(path, kMaxEffectFileBytes) || !EnsureOpen()) return false;
  if (effects_.count(path)) return true;
  auto effect = std::make_unique<Effect>();
  effect->chunk = Mixer()->Mix_LoadWAV(path.c_str());
  // A broken file is tried again next time: it may be put in place later.
  if (!effect->chunk) return false;
  effects_.emplace(path, std::move(effect));
  return true;
}

void MixerBackend::PlayEffect(const std::string& path) {
  if (!PreloadEffect(path)) return;
  Mixer()->Mix_PlayChannel(kAnyFreeChannel, effects_[path]->chunk, 0);
}

RenderedSong RenderSong(const std::vector<std::uint8_t>& midi, int volume, double seconds,
                        const std::vector<std::uint8_t>& before, const std::string& soundFont) {
  RenderedSong rendered;
  if (!Mixer() || !LooksLikeMidi(midi.data(), midi.size())) return rendered;
  // In the output's own buffers, as the audio thread asks for them.
  const auto play = [](MixerBackend::Song& song, std::int16_t* out, std::size_t frames) {
    for (std::size_t done = 0; done < frames; done += kMixFrames) {
      const int length = int(std::min<std::size_t>(kMixFrames, frames - done));
      MixSong(&song, reinterpret_cast<Uint8*>(out + done * 2),
              length * 2 * int(sizeof(std::int16_t)));
    }
  };
  MixerBackend::Song earlier, song;
  earlier.bytes = before;
  song.bytes = midi;
  if (!before.empty()) {
    if (earlier.Make(kMixRate, 2, soundFont) != SoundError::kNone ||
        Mixer()->fluid_player_play(earlier.player) != FLUID_OK)
      return rendered;
    std::vector<std::int16_t> scratch(std::size_t(kBeforeSeconds * kMixRate) * 2);
    play(earlier, scratch.data(), scratch.size() / 2);
    Mixer()->fluid_player_stop(earlier.player);
    Mixer()->fluid_synth_all_sounds_off(earlier.synth, -1);
  }
  const bool ready = before.empty() ? song.Make(kMixRate, 2, soundFont) == SoundError::kNone
                                    : song.Reuse(earlier, kMixRate, 2);
  if (!ready || Mixer()->fluid_player_play(song.player) != FLUID_OK) return rendered;
  song.target = float(std::clamp(volume, 0, 256)) / 256;
  rendered.rate = kMixRate;
  const auto frames = std::size_t(std::max(seconds, 0.0) * kMixRate);
  rendered.samples.resize(frames * 2);
  play(song, rendered.samples.data(), frames);
  return rendered;
}

}  // namespace tv
