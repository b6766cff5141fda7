// SDL2_mixer plays one song at a time; the layer keeps a volume and a repeat flag per
// song and hands them to the mixer when that song is the one playing.
#include "content/sound_library.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "game/files.h"

namespace tv {

namespace {

// SDL and its mixer bring some sixty shared libraries (the synthesiser, the audio
// servers, codecs): mapped at process start they cost the first picture tens of
// milliseconds and several megabytes. They are opened when the sound starts instead,
// and stay mapped for the rest of the run, as linked libraries would.
// clang-format off
#define TV_SDL_CALLS(X) \
  X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_GetError) X(SDL_RWFromConstMem)
#define TV_MIX_CALLS(X) \
  X(Mix_OpenAudio) X(Mix_CloseAudio) X(Mix_SetSoundFonts) X(Mix_Init) X(Mix_Quit) \
  X(Mix_QuerySpec) X(Mix_HaltChannel) X(Mix_HaltMusic) X(Mix_Playing) X(Mix_FreeMusic) \
  X(Mix_FreeChunk) X(Mix_LoadMUS) X(Mix_LoadMUS_RW) X(Mix_VolumeMusic) X(Mix_PlayMusic) \
  X(Mix_PlayingMusic) X(Mix_LoadWAV) X(Mix_PlayChannel)
// clang-format on

struct MixerCalls {
#define TV_POINTER(name) decltype(&::name) name = nullptr;
  TV_SDL_CALLS(TV_POINTER)
  TV_MIX_CALLS(TV_POINTER)
#undef TV_POINTER
};

std::optional<MixerCalls> OpenMixer() {
  void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_GLOBAL);
  void* mixer = sdl ? dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_GLOBAL) : nullptr;
  if (!mixer) return std::nullopt;
  MixerCalls calls;
  bool complete = true;
#define TV_BIND(library, name)                                             \
  calls.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name)); \
  complete = complete && calls.name;
#define TV_BIND_SDL(name) TV_BIND(sdl, name)
#define TV_BIND_MIX(name) TV_BIND(mixer, name)
  TV_SDL_CALLS(TV_BIND_SDL)
  TV_MIX_CALLS(TV_BIND_MIX)
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
constexpr int kEffectChannel = 0;

// SDL reports failures as text only; memory shortage is the one worth telling apart.
SoundError LoadError() {
  const char* text = Mixer()->SDL_GetError();
  if (text && (std::strstr(text, "memory") || std::strstr(text, "Memory")))
    return SoundError::NotEnoughMemory;
  return SoundError::UnknownFormat;
}

// The synthesiser takes any bytes and only fails while playing: a song must at least
// begin as a standard MIDI file.
bool LooksLikeMidi(const std::uint8_t* bytes, std::size_t size) {
  return size >= 14 && std::memcmp(bytes, "MThd", 4) == 0;
}

}  // namespace

const char* SoundErrorText(int code) {
  switch (static_cast<SoundError>(code)) {
    case SoundError::None:
      return "No errors";
    case SoundError::NoOutputDevice:
      return "No sound output device could be opened";
    case SoundError::FileNotFound:
      return "File not found";
    case SoundError::UnknownFormat:
      return "Unknown file format";
    case SoundError::NotEnoughMemory:
      return "Not enough memory or resources";
    case SoundError::InvalidParameter:
      return "An invalid parameter was passed to this function";
    case SoundError::PlayingFailed:
      return "Playing the sound failed";
    case SoundError::Unknown:
      break;
  }
  return "Unknown error";
}

struct SoundLibrary::Song {
  Mix_Music* music = nullptr;
  std::vector<std::uint8_t> bytes;  // a memory song's image, alive as long as the song
  int volume = 256;
  bool repeat = false;
  bool begun = false;
  ~Song() {
    if (music) Mixer()->Mix_FreeMusic(music);
  }
};

struct SoundLibrary::Effect {
  Mix_Chunk* chunk = nullptr;
  ~Effect() {
    if (chunk) Mixer()->Mix_FreeChunk(chunk);
  }
};

SoundLibrary::SoundLibrary(std::string soundFont) : soundFont_(std::move(soundFont)) {}

SoundLibrary::~SoundLibrary() {
  StopOutput();
}

bool SoundLibrary::OpenDevice() {
  if (!Mixer()) {
    Fail(SoundError::Unknown);
    return false;
  }
  if (Mixer()->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    Fail(SoundError::NoOutputDevice);
    return false;
  }
  if (Mixer()->Mix_OpenAudio(kMixRate, AUDIO_S16SYS, 2, kMixFrames) != 0) {
    Mixer()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    Fail(SoundError::NoOutputDevice);
    return false;
  }
  // Named explicitly: the mixer's own search would take whatever soundfont the
  // system's alternatives point at, or an environment variable.
  Mixer()->Mix_SetSoundFonts(soundFont_.c_str());
  Mixer()->Mix_Init(MIX_INIT_MID);
  int rate = 0, channels = 0;
  Uint16 format = 0;
  Mixer()->Mix_QuerySpec(&rate, &format, &channels);
  // Cached effects were converted for the output they were loaded on.
  if (rate != rate_ || format != format_ || channels != channels_) effects_.clear();
  rate_ = rate, format_ = format, channels_ = channels;
  open_ = true;
  return true;
}

void SoundLibrary::CloseDevice() {
  Mixer()->Mix_HaltChannel(-1);
  Mixer()->Mix_HaltMusic();
  current_ = kNoSong;
  Mixer()->Mix_CloseAudio();
  Mixer()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}

bool SoundLibrary::EnsureOpen() {
  if (!started_) {
    Fail(SoundError::NoOutputDevice);
    return false;
  }
  return open_ || OpenDevice();
}

bool SoundLibrary::StartOutput() {
  if (started_) return true;
  if (!OpenDevice()) return false;
  started_ = true;
  error_ = SoundError::None;
  return true;
}

void SoundLibrary::StopOutput() {
  if (!started_) return;
  if (open_) {
    Mixer()->Mix_HaltChannel(-1);
    Mixer()->Mix_HaltMusic();
  }
  songs_.clear();
  effects_.clear();
  if (open_) CloseDevice();
  Mixer()->Mix_Quit();
  started_ = false;
}

bool SoundLibrary::RestIfQuiet() {
  if (!open_) return true;
  // A loaded song's synthesiser was made for this output.
  if (!songs_.empty() || Mixer()->Mix_Playing(-1) > 0) return false;
  CloseDevice();
  return true;
}

SoundLibrary::Song* SoundLibrary::Find(SongHandle song) {
  const auto it = songs_.find(song);
  if (it == songs_.end()) {
    Fail(SoundError::InvalidParameter);
    return nullptr;
  }
  return it->second.get();
}

SongHandle SoundLibrary::Keep(std::unique_ptr<Song> song) {
  const SongHandle handle = nextHandle_++;
  songs_[handle] = std::move(song);
  return handle;
}

SongHandle SoundLibrary::SongFromFile(const std::string& path) {
  if (!started_) {
    Fail(SoundError::NoOutputDevice);
    return kNoSong;
  }
  if (!FileExists(path)) {
    Fail(SoundError::FileNotFound);
    return kNoSong;
  }
  std::uint8_t head[14] = {};
  std::size_t got = 0;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    got = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
  }
  if (!LooksLikeMidi(head, got)) {
    Fail(SoundError::UnknownFormat);
    return kNoSong;
  }
  if (!EnsureOpen()) return kNoSong;
  auto song = std::make_unique<Song>();
  song->music = Mixer()->Mix_LoadMUS(path.c_str());
  if (!song->music) {
    Fail(LoadError());
    return kNoSong;
  }
  return Keep(std::move(song));
}

SongHandle SoundLibrary::SongFromMemory(const std::vector<std::uint8_t>& bytes) {
  if (!started_) {
    Fail(SoundError::NoOutputDevice);
    return kNoSong;
  }
  if (bytes.empty()) {
    Fail(SoundError::InvalidParameter);
    return kNoSong;
  }
  if (!LooksLikeMidi(bytes.data(), bytes.size())) {
    Fail(SoundError::UnknownFormat);
    return kNoSong;
  }
  if (!EnsureOpen()) return kNoSong;
  auto song = std::make_unique<Song>();
  song->bytes = bytes;
  SDL_RWops* stream = Mixer()->SDL_RWFromConstMem(song->bytes.data(), int(song->bytes.size()));
  song->music = stream ? Mixer()->Mix_LoadMUS_RW(stream, 1) : nullptr;
  if (!song->music) {
    Fail(LoadError());
    return kNoSong;
  }
  return Keep(std::move(song));
}

void SoundLibrary::ApplyVolume(const Song& song) {
  // The mixer's scale is 0..128.
  Mixer()->Mix_VolumeMusic(std::clamp(song.volume, 0, 256) * MIX_MAX_VOLUME / 256);
}

void SoundLibrary::Begin(SongHandle handle) {
  Song* song = Find(handle);
  if (!song) return;
  ApplyVolume(*song);
  if (Mixer()->Mix_PlayMusic(song->music, song->repeat ? -1 : 0) != 0) {
    Fail(SoundError::PlayingFailed);
    return;
  }
  current_ = handle;
  song->begun = true;
}

void SoundLibrary::Halt(SongHandle handle) {
  if (!Find(handle)) return;
  if (current_ == handle) Mixer()->Mix_HaltMusic();
}

void SoundLibrary::Release(SongHandle handle) {
  if (!Find(handle)) return;
  if (current_ == handle) {
    Mixer()->Mix_HaltMusic();
    current_ = kNoSong;
  }
  songs_.erase(handle);
}

void SoundLibrary::SetRepeat(SongHandle handle, bool repeat) {
  if (Song* song = Find(handle)) song->repeat = repeat;
}

void SoundLibrary::SetSongVolume(SongHandle handle, int volume) {
  if (handle == kNoSong) return;
  Song* song = Find(handle);
  if (!song) return;
  song->volume = std::clamp(volume, 0, 256);
  if (current_ == handle) ApplyVolume(*song);
}

bool SoundLibrary::HasEnded(SongHandle handle) {
  const Song* song = Find(handle);
  if (!song || !song->begun) return false;
  return current_ != handle || !Mixer()->Mix_PlayingMusic();
}

bool SoundLibrary::PreloadEffect(const std::string& path) {
  if (!started_) return false;
  // A missing file neither opens the output nor stays in the cache.
  if (!FileExists(path) || !EnsureOpen()) return false;
  if (effects_.count(path)) return true;
  auto effect = std::make_unique<Effect>();
  effect->chunk = Mixer()->Mix_LoadWAV(path.c_str());
  // A broken file is tried again next time: it may be put in place later.
  if (!effect->chunk) return false;
  effects_.emplace(path, std::move(effect));
  return true;
}

void SoundLibrary::PlayEffect(const std::string& path) {
  if (!PreloadEffect(path)) return;
  // Playing on the one effect channel cuts off the effect still sounding there.
  Mixer()->Mix_PlayChannel(kEffectChannel, effects_[path]->chunk, 0);
}

}  // namespace tv
