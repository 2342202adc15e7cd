// The sound card through SDL's audio: 48 kHz stereo, pulled from an AudioSource in small buffers
// (about 11 ms each), so that a sound starts less than 50 ms after the frame that caused it.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio.h"

namespace kelmora::platform {

class SdlAudio {
 public:
  // Opens the default output device and starts pulling from `source`, which must outlive the
  // device. Nothing, with `error` set, when there is no device to play on.
  static std::unique_ptr<SdlAudio> Open(AudioSource& source, std::string* error);
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // Samples per buffer the device was given.
  int BufferFrames() const { return bufferFrames_; }
  // Whether the device has pulled its first buffer (Open waits for it, half a second at most).
  bool Pulled() const { return pulled_.load(std::memory_order_acquire); }

 private:
  explicit SdlAudio(AudioSource& source) : source_(source) {}
  static void Pull(void* userdata, std::uint8_t* stream, int length);

  AudioSource& source_;
  std::uint32_t device_ = 0;
  int bufferFrames_ = 0;
  std::atomic<bool> pulled_{false};
};

}  // namespace kelmora::platform
