// The game's sound effects, made by code as its artwork is: no sample files, and the same samples
// on every run and every machine (only additions and multiplications of IEEE numbers, no library
// functions whose last digit could differ).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kelmora {

inline constexpr int kSoundRate = 48000;  // samples per second

enum class SoundEffect {
  kPlayerShot,
  kDroneShot,
  kMissileLaunch,
  kMissileBurst,
  kExplosion,     // a kill near the view: big and deep
  kFarExplosion,  // a kill out of the view's explosions
  kMissilePickup,
  kSmallShieldPickup,
  kMediumShieldPickup,
  kLargeShieldPickup,
  kPowerPickup,
  kPlayerDestroyed,
  kMenuClick,
  kCount,
};
inline constexpr int kSoundEffectCount = static_cast<int>(SoundEffect::kCount);

struct SoundEffectInfo {
  std::string_view name;
  int voices;  // at most this many of the effect sound at once
};
inline constexpr std::array<SoundEffectInfo, kSoundEffectCount> kSoundEffects = {{
    {"player-shot", 3},
    {"drone-shot", 4},
    {"missile-launch", 2},
    {"missile-burst", 3},
    {"explosion", 3},
    {"far-explosion", 2},
    {"missile-pickup", 1},
    {"small-shield-pickup", 1},
    {"medium-shield-pickup", 1},
    {"large-shield-pickup", 1},
    {"power-pickup", 1},
    {"player-destroyed", 1},
    {"menu-click", 2},
}};

inline const SoundEffectInfo& InfoOf(SoundEffect effect) {
  return kSoundEffects[static_cast<std::size_t>(effect)];
}

// The effect's samples at kSoundRate, mono, each within -1..1.
std::vector<float> SynthesizeEffect(SoundEffect effect);

// A sample as the output takes it: -1..1 to a signed 16-bit value, rounded to the nearest.
std::int16_t ToSample16(float value);

// FNV-1a 64 over an effect's samples as 16-bit values (two bytes each, little-endian).
std::uint64_t EffectDigest(const std::vector<float>& samples);

}  // namespace kelmora
