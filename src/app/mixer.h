// The mixer: the sounds playing, each with its place between the speakers and its level, added
// up under a soft limit, so that no number of voices ever clips.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "app/sound_effects.h"
#include "platform/audio.h"

namespace kelmora {

class Mixer final : public platform::AudioSource {
 public:
  Mixer();  // synthesizes every effect once

  // Starts an effect: `gain` 0..1, `pan` -1 (left) .. 1 (right). When the effect already sounds
  // with all its voices, the voice furthest through its sound gives way.
  void Play(SoundEffect effect, float gain, float pan);
  // 0..100; 0 and muting give silence.
  void SetVolume(int volume);
  void SetMuted(bool muted);
  bool Muted() const;
  // Voices sounding now.
  int ActiveVoices() const;
  int ActiveVoices(SoundEffect effect) const;

  void Render(std::int16_t* out, int frames) override;

  const std::vector<float>& Samples(SoundEffect effect) const {
    return effects_[static_cast<std::size_t>(effect)];
  }

  // The limiter's curve: straight up to its knee, then bending towards (never reaching) 1.
  static float Limit(float value);

 private:
  struct Voice {
    SoundEffect effect = SoundEffect::kCount;  // kCount: free
    std::size_t position = 0;
    float left = 0.0f;
    float right = 0.0f;
  };
  static constexpr int kVoices = 24;

  std::array<std::vector<float>, kSoundEffectCount> effects_;
  mutable std::mutex mutex_;
  std::array<Voice, kVoices> voices_{};
  float volume_ = 0.8f;
  bool muted_ = false;
};

}  // namespace kelmora
