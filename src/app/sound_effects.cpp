#include "app/sound_effects.h"

#include "core/hash.h"

namespace kelmora {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// sin(2 pi phase) for any phase in cycles, by a polynomial: the same digits everywhere.
double Sine(double phase) {
  double t = phase - static_cast<double>(static_cast<std::int64_t>(phase));
  if (t < 0.0) t += 1.0;
  // t in [0, 1): fold onto [-1/4, 1/4], where the series converges fast.
  if (t > 0.75) {
    t -= 1.0;
  } else if (t > 0.25) {
    t = 0.5 - t;
  }
  const double x = t * kTwoPi;
  const double x2 = x * x;
  return x * (1.0 - x2 / 6.0 * (1.0 - x2 / 20.0 * (1.0 - x2 / 42.0 * (1.0 - x2 / 72.0))));
}

// A fixed noise: the same sequence for the same seed.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// A tone whose frequency moves in a straight line from `from` to `to` Hz.
class Sweep {
 public:
  Sweep(double from, double to, int length) : from_(from), to_(to), length_(length) {}
  double Next(int i, double harmonicMix = 0.0) {
    const double value = Sine(phase_) + harmonicMix * Sine(2.0 * phase_);
    const double u = static_cast<double>(i) / length_;
    phase_ += (from_ + (to_ - from_) * u) / kSoundRate;
    if (phase_ >= 1.0) phase_ -= 1.0;
    return value;
  }

 private:
  double from_;
  double to_;
  int length_;
  double phase_ = 0.0;
};

// A one-pole low-pass filter whose corner moves from `from` to `to` Hz.
class LowPass {
 public:
  LowPass(double from, double to, int length) : from_(from), to_(to), length_(length) {}
  double Next(int i, double input) {
    const double u = static_cast<double>(i) / length_;
    double a = kTwoPi * (from_ + (to_ - from_) * u) / kSoundRate;
    if (a > 1.0) a = 1.0;
    state_ += a * (input - state_);
    return state_;
  }

 private:
  double from_;
  double to_;
  int length_;
  double state_ = 0.0;
};

// Rises in a straight line over `attack` samples, then falls as (1 - u)^power to 0 at `length`.
double Envelope(int i, int attack, int length, int power) {
  if (i < attack) return static_cast<double>(i) / attack;
  double rest = 1.0 - static_cast<double>(i - attack) / (length - attack);
  if (rest < 0.0) rest = 0.0;
  double value = 1.0;
  for (int p = 0; p < power; ++p) value *= rest;
  return value;
}

int Samples(double seconds) {
  return static_cast<int>(seconds * kSoundRate);
}

std::vector<float> Shot(double from, double to, double seconds, double level, double harmonics,
                        int power, std::uint32_t seed) {
  const int n = Samples(seconds);
  std::vector<float> out(static_cast<std::size_t>(n));
  Sweep tone(from, to, n);
  Noise noise(seed);
  LowPass hiss(6000.0, 2000.0, n);
  for (int i = 0; i < n; ++i) {
    const double v = tone.Next(i, harmonics) * 0.8 + hiss.Next(i, noise.Next()) * 0.2;
    out[static_cast<std::size_t>(i)] =
        static_cast<float>(level * v * Envelope(i, Samples(0.002), n, power));
  }
  return out;
}

// Noise through a closing filter with a falling thump under it: bursts and explosions.
std::vector<float> Blast(double seconds, double corner, double cornerEnd, double noiseLevel,
                         double thumpFrom, double thumpTo, double thumpLevel, int power,
                         std::uint32_t seed) {
  const int n = Samples(seconds);
  std::vector<float> out(static_cast<std::size_t>(n));
  Noise noise(seed);
  LowPass first(corner, cornerEnd, n);
  LowPass second(corner, cornerEnd, n);  // twice, for a darker roar
  Sweep thump(thumpFrom, thumpTo, n);
  for (int i = 0; i < n; ++i) {
    const double roar = second.Next(i, first.Next(i, noise.Next())) * 3.0;
    const double v = noiseLevel * roar * Envelope(i, Samples(0.003), n, power) +
                     thumpLevel * thump.Next(i) * Envelope(i, Samples(0.002), n, power + 1);
    out[static_cast<std::size_t>(i)] = static_cast<float>(v);
  }
  return out;
}

// A chime of short notes one after the other.
std::vector<float> Chime(std::initializer_list<double> notes, double noteSeconds, double level) {
  const int each = Samples(noteSeconds);
  std::vector<float> out;
  out.reserve(notes.size() * static_cast<std::size_t>(each) * 2);
  int start = 0;
  for (const double note : notes) {
    // Each note rings on under the next one.
    const int length = each * 2;
    if (out.size() < static_cast<std::size_t>(start + length)) {
      out.resize(static_cast<std::size_t>(start + length), 0.0f);
    }
    Sweep tone(note, note, length);
    for (int i = 0; i < length; ++i) {
      const double v = level * tone.Next(i, 0.25) * Envelope(i, Samples(0.003), length, 2);
      out[static_cast<std::size_t>(start + i)] += static_cast<float>(v);
    }
    start += each;
  }
  return out;
}

std::vector<float> PowerChime() {
  const int n = Samples(0.32);
  std::vector<float> out(static_cast<std::size_t>(n));
  Sweep tone(300.0, 1250.0, n);
  Sweep wobble(12.0, 12.0, n);
  for (int i = 0; i < n; ++i) {
    const double v = tone.Next(i, 0.3) * (0.85 + 0.15 * wobble.Next(i));
    out[static_cast<std::size_t>(i)] =
        static_cast<float>(0.3 * v * Envelope(i, Samples(0.01), n, 1));
  }
  return out;
}

std::vector<float> Launch() {
  const int n = Samples(0.45);
  std::vector<float> out(static_cast<std::size_t>(n));
  Noise noise(0x5eed0003u);
  LowPass whoosh(300.0, 3000.0, n);
  Sweep tone(180.0, 520.0, n);
  for (int i = 0; i < n; ++i) {
    const double v = 0.6 * whoosh.Next(i, noise.Next()) + 0.2 * tone.Next(i);
    out[static_cast<std::size_t>(i)] = static_cast<float>(v * Envelope(i, Samples(0.04), n, 2));
  }
  return out;
}

std::vector<float> Destroyed() {
  std::vector<float> out = Blast(2.0, 1200.0, 80.0, 0.7, 60.0, 40.0, 0.35, 2, 0x5eed000cu);
  const int n = static_cast<int>(out.size());
  Sweep fall(440.0, 55.0, n);
  for (int i = 0; i < n; ++i) {
    out[static_cast<std::size_t>(i)] +=
        static_cast<float>(0.3 * fall.Next(i, 0.2) * Envelope(i, Samples(0.005), n, 1));
  }
  return out;
}

std::vector<float> Click() {
  const int n = Samples(0.03);
  std::vector<float> out(static_cast<std::size_t>(n));
  Sweep tone(2000.0, 1600.0, n);
  Noise noise(0x5eed000du);
  for (int i = 0; i < n; ++i) {
    const double v =
        0.35 * tone.Next(i) * Envelope(i, 24, n, 4) + 0.1 * noise.Next() * Envelope(i, 4, n, 8);
    out[static_cast<std::size_t>(i)] = static_cast<float>(v);
  }
  return out;
}

// No effect goes beyond this level, so that a few together stay clear of the limiter.
void Normalize(std::vector<float>* samples, float peakWanted) {
  float peak = 0.0f;
  for (const float s : *samples) peak = s > peak ? s : (-s > peak ? -s : peak);
  if (peak <= peakWanted || peak == 0.0f) return;
  const float scale = peakWanted / peak;
  for (float& s : *samples) s *= scale;
}

}  // namespace

std::vector<float> SynthesizeEffect(SoundEffect effect) {
  std::vector<float> out;
  float peak = 0.9f;
  switch (effect) {
    case SoundEffect::kPlayerShot:
      out = Shot(1500.0, 420.0, 0.11, 0.45, 0.3, 3, 0x5eed0001u);
      peak = 0.45f;
      break;
    case SoundEffect::kDroneShot:
      out = Shot(820.0, 260.0, 0.10, 0.35, 0.6, 2, 0x5eed0002u);
      peak = 0.35f;
      break;
    case SoundEffect::kMissileLaunch:
      out = Launch();
      peak = 0.5f;
      break;
    case SoundEffect::kMissileBurst:
      out = Blast(0.5, 2500.0, 300.0, 0.6, 110.0, 50.0, 0.5, 3, 0x5eed0004u);
      peak = 0.7f;
      break;
    case SoundEffect::kExplosion:
      out = Blast(1.4, 1800.0, 120.0, 0.75, 70.0, 30.0, 0.6, 2, 0x5eed0005u);
      peak = 0.9f;
      break;
    case SoundEffect::kFarExplosion:
      out = Blast(0.7, 900.0, 150.0, 0.5, 90.0, 60.0, 0.2, 3, 0x5eed0006u);
      peak = 0.5f;
      break;
    case SoundEffect::kMissilePickup:
      out = Chime({660.0, 880.0}, 0.07, 0.3);
      break;
    case SoundEffect::kSmallShieldPickup:
      out = Chime({523.25, 783.99}, 0.08, 0.3);
      break;
    case SoundEffect::kMediumShieldPickup:
      out = Chime({523.25, 659.26, 783.99}, 0.07, 0.3);
      break;
    case SoundEffect::kLargeShieldPickup:
      out = Chime({523.25, 659.26, 783.99, 1046.5}, 0.065, 0.3);
      break;
    case SoundEffect::kPowerPickup:
      out = PowerChime();
      break;
    case SoundEffect::kPlayerDestroyed:
      out = Destroyed();
      break;
    case SoundEffect::kMenuClick:
      out = Click();
      peak = 0.4f;
      break;
    case SoundEffect::kCount:
      break;
  }
  Normalize(&out, peak);
  return out;
}

std::int16_t ToSample16(float value) {
  double scaled = static_cast<double>(value) * 32767.0;
  if (scaled > 32767.0) scaled = 32767.0;
  if (scaled < -32767.0) scaled = -32767.0;
  const double rounded = scaled < 0.0 ? scaled - 0.5 : scaled + 0.5;
  return static_cast<std::int16_t>(static_cast<std::int32_t>(rounded));
}

std::uint64_t EffectDigest(const std::vector<float>& samples) {
  Fnv1a64 hash;
  for (const float s : samples) {
    const auto bits = static_cast<std::uint16_t>(ToSample16(s));
    hash.Byte(static_cast<std::uint8_t>(bits));
    hash.Byte(static_cast<std::uint8_t>(bits >> 8));
  }
  return hash.Value();
}

}  // namespace kelmora
