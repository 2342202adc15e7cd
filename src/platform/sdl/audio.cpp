#include <SDL.h>

#include "platform/sdl/audio.h"

namespace kelmora::platform {

namespace {

constexpr int kBufferFrames = 512;  // 10.7 ms at 48 kHz
// How long Open waits for the device's first pull at most: a device that takes longer is left to
// start on its own.
constexpr Uint32 kFirstPullLimitMs = 500;

}  // namespace

void SdlAudio::Pull(void* userdata, Uint8* stream, int length) {
  auto* self = static_cast<SdlAudio*>(userdata);
  self->source_.Render(reinterpret_cast<std::int16_t*>(stream),
                       length / static_cast<int>(sizeof(std::int16_t) * kAudioChannels));
  self->pulled_.store(true, std::memory_order_release);
}

std::unique_ptr<SdlAudio> SdlAudio::Open(AudioSource& source, std::string* error) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    *error = SDL_GetError();
    return nullptr;
  }
  std::unique_ptr<SdlAudio> audio(new SdlAudio(source));
  SDL_AudioSpec wanted{};
  wanted.freq = kAudioRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = kAudioChannels;
  wanted.samples = kBufferFrames;
  wanted.callback = Pull;
  wanted.userdata = audio.get();
  SDL_AudioSpec got{};
  // SDL converts to whatever the device takes; the source always makes 48 kHz stereo.
  audio->device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, 0);
  if (audio->device_ == 0) {
    *error = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  audio->bufferFrames_ = got.samples;
  SDL_PauseAudioDevice(audio->device_, 0);
  // The device's thread reads SDL's hints as it starts, and nothing guards them against the
  // game's thread, which adds to them as it opens the window and the controllers. The first pull
  // comes after that reading: until then the game waits.
  const Uint32 start = SDL_GetTicks();
  while (!audio->pulled_.load(std::memory_order_acquire) &&
         SDL_GetTicks() - start < kFirstPullLimitMs) {
    SDL_Delay(1);
  }
  return audio;
}

SdlAudio::~SdlAudio() {
  SDL_CloseAudioDevice(device_);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace kelmora::platform
