#include "app/mixer.h"

namespace kelmora {

namespace {

// sqrt(x) for x in 0..1 by Newton's steps: equal-power panning without library functions.
float SquareRoot(float x) {
  if (x <= 0.0f) return 0.0f;
  double guess = x < 0.25f ? 0.5 : 1.0;
  for (int i = 0; i < 8; ++i) guess = 0.5 * (guess + static_cast<double>(x) / guess);
  return static_cast<float>(guess);
}

constexpr float kKnee = 0.6f;

}  // namespace

Mixer::Mixer() {
  for (int e = 0; e < kSoundEffectCount; ++e) {
    effects_[static_cast<std::size_t>(e)] = SynthesizeEffect(static_cast<SoundEffect>(e));
  }
}

float Mixer::Limit(float value) {
  const float magnitude = value < 0.0f ? -value : value;
  if (magnitude <= kKnee) return value;
  // Above the knee the rest of the way to 1 is approached as x / (1 + x) approaches 1.
  const float over = (magnitude - kKnee) / (1.0f - kKnee);
  const float bent = kKnee + (1.0f - kKnee) * (over / (1.0f + over));
  return value < 0.0f ? -bent : bent;
}

void Mixer::Play(SoundEffect effect, float gain, float pan) {
  if (effect == SoundEffect::kCount || gain <= 0.0f) return;
  if (pan < -1.0f) pan = -1.0f;
  if (pan > 1.0f) pan = 1.0f;
  if (gain > 1.0f) gain = 1.0f;
  const std::lock_guard<std::mutex> lock(mutex_);
  Voice* chosen = nullptr;
  int sounding = 0;
  Voice* furthest = nullptr;
  for (Voice& voice : voices_) {
    if (voice.effect == effect) {
      ++sounding;
      if (furthest == nullptr || voice.position > furthest->position) furthest = &voice;
    } else if (voice.effect == SoundEffect::kCount && chosen == nullptr) {
      chosen = &voice;
    }
  }
  if (sounding >= InfoOf(effect).voices || chosen == nullptr) chosen = furthest;
  if (chosen == nullptr) return;  // every voice busy with other effects
  chosen->effect = effect;
  chosen->position = 0;
  chosen->left = gain * SquareRoot(0.5f * (1.0f - pan));
  chosen->right = gain * SquareRoot(0.5f * (1.0f + pan));
}

void Mixer::SetVolume(int volume) {
  const std::lock_guard<std::mutex> lock(mutex_);
  volume_ = static_cast<float>(volume < 0 ? 0 : (volume > 100 ? 100 : volume)) / 100.0f;
}

void Mixer::SetMuted(bool muted) {
  const std::lock_guard<std::mutex> lock(mutex_);
  muted_ = muted;
  if (muted) {
    for (Voice& voice : voices_) voice.effect = SoundEffect::kCount;
  }
}

bool Mixer::Muted() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return muted_;
}

int Mixer::ActiveVoices() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  int count = 0;
  for (const Voice& voice : voices_) count += voice.effect != SoundEffect::kCount ? 1 : 0;
  return count;
}

int Mixer::ActiveVoices(SoundEffect effect) const {
  const std::lock_guard<std::mutex> lock(mutex_);
  int count = 0;
  for (const Voice& voice : voices_) count += voice.effect == effect ? 1 : 0;
  return count;
}

void Mixer::Render(std::int16_t* out, int frames) {
  const std::lock_guard<std::mutex> lock(mutex_);
  for (int f = 0; f < frames; ++f) {
    float left = 0.0f;
    float right = 0.0f;
    for (Voice& voice : voices_) {
      if (voice.effect == SoundEffect::kCount) continue;
      const std::vector<float>& samples = effects_[static_cast<std::size_t>(voice.effect)];
      if (voice.position >= samples.size()) {
        voice.effect = SoundEffect::kCount;
        continue;
      }
      const float s = samples[voice.position++];
      left += s * voice.left;
      right += s * voice.right;
    }
    const float level = muted_ ? 0.0f : volume_;
    out[2 * f] = ToSample16(Limit(left * level));
    out[2 * f + 1] = ToSample16(Limit(right * level));
  }
}

}  // namespace kelmora
