#include "effects/explosions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>

#include "core/alloc.h"
#include "effects/particles.h"
#include "game/state.h"

namespace kelmora {

namespace {

constexpr std::int32_t kDirections = 1600;  // a direction is (random % 1600) hundredths of a step
constexpr std::int32_t kBirthColour = 58;
constexpr std::int32_t kLastColour = 79;
constexpr std::int32_t kLastAge = 50;  // an explosion is moved and drawn 51 times

// A particle never changes direction, and every direction an explosion is born with is one of
// 1600 values, so their sines and cosines are worked out once for the whole run, exactly as the
// per-frame sum would work them out.
struct Direction {
  float angle;
  double sine;
  double cosine;
};

const std::array<Direction, kDirections>& Directions() {
  static const std::array<Direction, kDirections> table = [] {
    std::array<Direction, kDirections> directions{};
    for (std::int32_t i = 0; i < kDirections; ++i) {
      const float angle = static_cast<float>(i * 0.01);
      const double radians = HeadingToRadians(angle);
      directions[static_cast<std::size_t>(i)] = {angle, std::sin(radians), std::cos(radians)};
    }
    return directions;
  }();
  return table;
}

// The sine and cosine of a particle's direction (in compass steps): from the table when the
// direction is one of its values, bit for bit, and worked out afresh otherwise.
void SineCosine(const std::array<Direction, kDirections>& directions, float angle, double* sine,
                double* cosine) {
  const double hundredths = static_cast<double>(angle) * 100.0;
  if (hundredths >= 0.0 && hundredths < kDirections) {
    const std::int32_t i = std::min(TruncToInt(hundredths + 0.5), kDirections - 1);
    const Direction& direction = directions[static_cast<std::size_t>(i)];
    if (std::bit_cast<std::uint32_t>(direction.angle) == std::bit_cast<std::uint32_t>(angle)) {
      *sine = direction.sine;
      *cosine = direction.cosine;
      return;
    }
  }
  const double radians = HeadingToRadians(angle);
  *sine = std::sin(radians);
  *cosine = std::cos(radians);
}

// Jitter: -2.00 to +1.96 world units.
double Jitter() {
  return (rng.Draw() % 100 - 50) * 0.04;
}

// Moves, decays and draws every particle of one explosion.
void StepExplosion(ExplosionSystem& explosion, bool jitter, std::uint8_t* surface,
                   std::int32_t pitch) {
  const auto& directions = Directions();
  std::size_t count = static_cast<std::size_t>(std::max(explosion.count, 0));
  for (const std::size_t size : {explosion.x.size(), explosion.y.size(), explosion.angle.size(),
                                 explosion.speed.size(), explosion.colour.size()}) {
    count = std::min(count, size);
  }
  for (std::size_t j = 0; j < count; ++j) {
    double sine = 0.0;
    double cosine = 0.0;
    SineCosine(directions, explosion.angle[j], &sine, &cosine);
    const double v = explosion.speed[j];
    const float sx = static_cast<float>(sine * v);
    const float sy = static_cast<float>(cosine * v);
    float& x = explosion.x[j];
    float& y = explosion.y[j];
    if (jitter) {
      x = static_cast<float>(Jitter() + sx + x);
      y = static_cast<float>(y - (Jitter() + sy));
    } else {
      x = static_cast<float>(static_cast<double>(x) + sx);
      y = static_cast<float>(static_cast<double>(y) - sy);
    }
    // The step above used the speed before this frame's decay.
    float& speed = explosion.speed[j];
    speed = static_cast<float>(speed - 0.1);
    if (speed < 0.0f) {
      // Spent: it stands still and glows one palette step a frame towards 79.
      speed = 0.0f;
      if (explosion.colour[j] < kLastColour) ++explosion.colour[j];
    }
    // Moving every particle and then drawing every particle plots the same points in the same
    // order, so both happen in one pass.
    PlotParticle(surface, pitch, x, y, explosion.colour[j]);
  }
}

}  // namespace

void SpawnExplosion(std::int32_t px, std::int32_t py) {
  // The explosion is built in full before it takes its slot: when memory runs out, the ring keeps
  // what it held and no half-made explosion is ever seen by the pass.
  auto explosion = NewRecord<ExplosionSystem>();
  explosion->active = 0;
  explosion->count = std::max(settings.explosionParticles, 0);
  const auto count = static_cast<std::size_t>(explosion->count);
  const float startX = static_cast<float>(px);
  const float startY = static_cast<float>(py);
  explosion->x.assign(count, startX);
  explosion->y.assign(count, startY);
  explosion->angle.resize(count);
  explosion->speed.resize(count);
  explosion->colour.resize(count);
  for (std::size_t j = 0; j < count; ++j) {
    explosion->angle[j] = static_cast<float>((rng.Draw() % kDirections) * 0.01);
    // Up to 199 / 35 = 5.6857 units a frame.
    explosion->speed[j] = static_cast<float>((rng.Draw() % 200) * 0.028571428571428571);
    // The faster the particle, the further up the palette it starts: 58 to 76.
    explosion->colour[j] = TruncToInt(explosion->speed[j] * 0.2 * 16 + kBirthColour);
  }
  explosion->active = 1;

  std::int32_t& next = effects.explosionNext;
  if (next < 0 || next >= kExplosionSlots) next = 0;
  // A live explosion in the slot vanishes at once.
  effects.explosionRing[static_cast<std::size_t>(next)] = std::move(explosion);
  effects.explosionAge[static_cast<std::size_t>(next)] = 0;
  next = next + 1 == kExplosionSlots ? 0 : next + 1;
}

void UpdateExplosions(std::uint8_t* surface, std::int32_t pitch) {
  // Read every frame: switching jitter in the options panel changes explosions already under way.
  const bool jitter = settings.explosionJitter != 0;
  for (std::size_t k = 0; k < effects.explosionRing.size(); ++k) {
    auto& slot = effects.explosionRing[k];
    if (!slot) continue;
    StepExplosion(*slot, jitter, surface, pitch);
    if (++effects.explosionAge[k] > kLastAge) {
      slot.reset();
      // Whatever slot 0 holds, the next explosion goes there.
      effects.explosionNext = 0;
    }
  }
}

}  // namespace kelmora
