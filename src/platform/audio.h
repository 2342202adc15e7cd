// Sound output: a source that the host's audio device pulls samples from, on a thread of its own.
#pragma once

#include <cstdint>

namespace kelmora::platform {

inline constexpr int kAudioRate = 48000;  // samples per second and channel
inline constexpr int kAudioChannels = 2;  // left, right

class AudioSource {
 public:
  virtual ~AudioSource() = default;
  // Fills `frames` stereo frames (left, right interleaved). Called from the device's thread:
  // whatever it reads must be guarded by the source itself.
  virtual void Render(std::int16_t* out, int frames) = 0;
};

}  // namespace kelmora::platform
