#include <SDL.h>

#include "platform/sdl/audio.h"

namespace kelmora::platform {

namespace {

constexpr int kBufferFrames = 512;  // 10.7 ms at 48 kHz

void Pull(void* userdata, Uint8* stream, int length) {
  auto* source = static_cast<AudioSource*>(userdata);
  source->Render(reinterpret_cast<std::int16_t*>(stream),
                 length / static_cast<int>(sizeof(std::int16_t) * kAudioChannels));
}

}  // namespace

std::unique_ptr<SdlAudio> SdlAudio::Open(AudioSource& source, std::string* error) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    *error = SDL_GetError();
    return nullptr;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = kAudioRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = kAudioChannels;
  wanted.samples = kBufferFrames;
  wanted.callback = Pull;
  wanted.userdata = &source;
  SDL_AudioSpec got{};
  // SDL converts to whatever the device takes; the source always makes 48 kHz stereo.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, 0);
  if (device == 0) {
    *error = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  SDL_PauseAudioDevice(device, 0);
  return std::unique_ptr<SdlAudio>(new SdlAudio(device, got.samples));
}

SdlAudio::~SdlAudio() {
  SDL_CloseAudioDevice(device_);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace kelmora::platform
