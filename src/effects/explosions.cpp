#include "effects/explosions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <vector>

#include "core/draw_ahead.h"
#include "core/sine_values.h"
#include "effects/particles.h"
#include "platform/alloc.h"
#include "state/state.h"

namespace kelmora {

namespace {

constexpr std::int32_t kDirections =
    kDirectionCount;  // a direction is (random % 1600) hundredths of a step
constexpr std::int32_t kBirthColour = 58;
constexpr std::int32_t kLastColour = 79;
constexpr std::int32_t kLastAge = 50;  // an explosion is moved and drawn 51 times

// A particle never changes direction, and every direction an explosion is born with is one of
// 1600 values, so their sines and cosines come from a table of the very numbers the per-frame sum
// has always used, whatever the C library.
struct Direction {
  float angle;
  double sine;
  double cosine;
};

const std::array<Direction, kDirections>& Directions() {
  static const std::array<Direction, kDirections> table = [] {
    std::array<Direction, kDirections> directions{};
    for (std::int32_t i = 0; i < kDirections; ++i) {
      const auto s = static_cast<std::size_t>(i);
      directions[s] = {static_cast<float>(i * 0.01), kDirectionSines[s][0], kDirectionSines[s][1]};
    }
    return directions;
  }();
  return table;
}

// The sine and cosine of a particle's direction (in compass steps): from the table when the
// direction is one of its values, bit for bit, and worked out afresh otherwise (never, in the
// game: every particle is born with one of the table's directions).
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

// A pass goes through an explosion a stretch of particles at a time, so that everything it
// works out for a stretch (jitter, screen offsets) stays in the processor's nearest cache.
constexpr std::size_t kStretch = 512;

// Jitter: -2.00 to +1.96 world units, as (random % 100 - 50) * 0.04. A pass over one explosion
// makes exactly two draws per particle (x, then y) and no others, so each stretch's draws are
// worked out before its particles move, many at once, which gives the very same values as drawing
// them one after another. The generator is left where those draws would have left it.
constexpr std::size_t kJitterLanes = 32;  // particles whose draws are worked out side by side

// random % 100 - 50 for the generator state after a draw.
constexpr std::int32_t JitterOf(std::uint32_t state) {
  const std::uint32_t value = DrawnValue(state);
  return static_cast<std::int32_t>(value - QuotientBy100(value) * 100u) - 50;
}
static_assert(JitterOf(99u << 16) == 49 && JitterOf(100u << 16) == -50 &&
              JitterOf(32767u << 16) == 17 && JitterOf(0x7FFFFFFFu) == 17);

// Particle l of a block draws for x at step 2l + 1 and for y at step 2l + 2 from the block's start.
struct JitterLeaps {
  std::uint32_t xMultiplier[kJitterLanes], xIncrement[kJitterLanes];
  std::uint32_t yMultiplier[kJitterLanes], yIncrement[kJitterLanes];
};
constexpr JitterLeaps MakeJitterLeaps() {
  JitterLeaps leaps{};
  for (std::size_t l = 0; l < kJitterLanes; ++l) {
    const Leap x = LeapOf(2 * l + 1);
    const Leap y = LeapOf(2 * l + 2);
    leaps.xMultiplier[l] = x.multiplier;
    leaps.xIncrement[l] = x.increment;
    leaps.yMultiplier[l] = y.multiplier;
    leaps.yIncrement[l] = y.increment;
  }
  return leaps;
}
constexpr JitterLeaps kJitterLeaps = MakeJitterLeaps();
constexpr Leap kJitterBlockLeap = LeapOf(2 * kJitterLanes);

// The jitter steps (jitter * 0.04) of `blocks` blocks of kJitterLanes particles from generator
// state `state`, x and y apart; returns the state after them.
KELMORA_VECTOR_CLONES
std::uint32_t JitterBlocks(std::size_t blocks, std::uint32_t state, double* __restrict xs,
                           double* __restrict ys) {
  for (std::size_t b = 0; b < blocks; ++b) {
    for (std::size_t l = 0; l < kJitterLanes; ++l) {
      const std::uint32_t x = state * kJitterLeaps.xMultiplier[l] + kJitterLeaps.xIncrement[l];
      const std::uint32_t y = state * kJitterLeaps.yMultiplier[l] + kJitterLeaps.yIncrement[l];
      xs[b * kJitterLanes + l] = JitterOf(x) * 0.04;
      ys[b * kJitterLanes + l] = JitterOf(y) * 0.04;
    }
    state = state * kJitterBlockLeap.multiplier + kJitterBlockLeap.increment;
  }
  return state;
}

// The jitter steps of `count` particles, drawn from the generator.
void DrawJitter(std::size_t count, double* xs, double* ys) {
  const std::size_t blocks = count / kJitterLanes;
  rng.state = JitterBlocks(blocks, rng.state, xs, ys);
  for (std::size_t j = blocks * kJitterLanes; j < count; ++j) {
    xs[j] = (rng.Draw() % 100 - 50) * 0.04;
    ys[j] = (rng.Draw() % 100 - 50) * 0.04;
  }
}

// Moves and decays every particle of a stretch: sx = sin(a)·v and sy = cos(a)·v rounded to
// floats, the optional jitter added, then the speed less 0.1. Spent: it stands still and glows
// one palette step a frame towards 79. (No branches: which particles are spent follows no
// pattern.) Then where each lands on the screen.
template <bool kJitter>
inline __attribute__((always_inline)) void MoveParticlesBody(
    std::size_t count, const double* __restrict sines, const double* __restrict cosines,
    const double* __restrict jitterX, const double* __restrict jitterY, float* __restrict xs,
    float* __restrict ys, float* __restrict speeds, std::int32_t* __restrict colours,
    std::int32_t* __restrict offsets, std::int32_t cameraX, std::int32_t cameraY,
    std::int32_t pitch) {
  for (std::size_t j = 0; j < count; ++j) {
    const double v = speeds[j];
    const float sx = static_cast<float>(sines[j] * v);
    const float sy = static_cast<float>(cosines[j] * v);
    float x = xs[j];
    float y = ys[j];
    if constexpr (kJitter) {
      x = static_cast<float>(jitterX[j] + sx + x);
      y = static_cast<float>(y - (jitterY[j] + sy));
    } else {
      x = static_cast<float>(static_cast<double>(x) + sx);
      y = static_cast<float>(static_cast<double>(y) - sy);
    }
    xs[j] = x;
    ys[j] = y;
    // The step above used the speed before this frame's decay.
    const float decayed = static_cast<float>(speeds[j] - 0.1);
    const bool spent = decayed < 0.0f;
    speeds[j] = spent ? 0.0f : decayed;
    colours[j] += (spent & (colours[j] < kLastColour)) ? 1 : 0;
    offsets[j] = ParticleOffset(x, y, cameraX, cameraY, pitch);
  }
}

// The two kinds of pass, each with its own vector versions (the compilers clone plain functions
// only, not templates).
KELMORA_VECTOR_CLONES void MoveJitteredParticles(
    std::size_t count, const double* __restrict sines, const double* __restrict cosines,
    const double* __restrict jitterX, const double* __restrict jitterY, float* __restrict xs,
    float* __restrict ys, float* __restrict speeds, std::int32_t* __restrict colours,
    std::int32_t* __restrict offsets, std::int32_t cameraX, std::int32_t cameraY,
    std::int32_t pitch) {
  MoveParticlesBody<true>(count, sines, cosines, jitterX, jitterY, xs, ys, speeds, colours, offsets,
                          cameraX, cameraY, pitch);
}
KELMORA_VECTOR_CLONES void MoveSteadyParticles(
    std::size_t count, const double* __restrict sines, const double* __restrict cosines,
    float* __restrict xs, float* __restrict ys, float* __restrict speeds,
    std::int32_t* __restrict colours, std::int32_t* __restrict offsets, std::int32_t cameraX,
    std::int32_t cameraY, std::int32_t pitch) {
  MoveParticlesBody<false>(count, sines, cosines, nullptr, nullptr, xs, ys, speeds, colours,
                           offsets, cameraX, cameraY, pitch);
}

// Room for one stretch of a pass.
struct StretchRoom {
  double jitterX[kStretch];
  double jitterY[kStretch];
  std::int32_t offsets[kStretch];
};
StretchRoom room;

// The sines and cosines of each ring slot's particle directions, worked out on the explosion's
// first pass. A particle's direction is fixed when its explosion is made, and nothing in the game
// changes it afterwards, so they hold for the explosion's whole life; each explosion is known by
// the number it was made with.
struct DirectionCache {
  std::uint64_t explosion = 0;  // 0: none (an explosion made elsewhere is worked out every pass)
  std::vector<double> sines;
  std::vector<double> cosines;
};
std::array<DirectionCache, kExplosionSlots> directionCaches;
std::uint64_t explosionsMade = 0;

void RefreshDirections(DirectionCache& cache, const ExplosionSystem& explosion, std::size_t count) {
  if (explosion.serial != 0 && cache.explosion == explosion.serial && cache.sines.size() == count) {
    return;
  }
  const auto& directions = Directions();
  cache.explosion = explosion.serial;
  cache.sines.resize(count);
  cache.cosines.resize(count);
  for (std::size_t j = 0; j < count; ++j) {
    SineCosine(directions, explosion.angle[j], &cache.sines[j], &cache.cosines[j]);
  }
}

// Moves, decays and draws every particle of one explosion, a stretch at a time. Nothing in the
// pass reads the layer, so moving a stretch after drawing the one before plots the very points,
// in the very order, of moving every particle first and drawing them all afterwards.
void StepExplosion(ExplosionSystem& explosion, DirectionCache& cache, bool jitter,
                   std::uint8_t* surface, std::int32_t pitch) {
  const std::size_t count = ParticlesHeld(
      explosion.count, {explosion.x.size(), explosion.y.size(), explosion.angle.size(),
                        explosion.speed.size(), explosion.colour.size()});
  RefreshDirections(cache, explosion, count);
  const bool byOffsets = TakesOffsets(pitch);
  const std::int32_t cameraX = controls.cameraX;
  const std::int32_t cameraY = controls.cameraY;
  const KeptCorner corner(surface, pitch);
  for (std::size_t first = 0; first < count; first += kStretch) {
    const std::size_t n = std::min(kStretch, count - first);
    if (jitter) DrawJitter(n, room.jitterX, room.jitterY);
    const double* const sines = cache.sines.data() + first;
    const double* const cosines = cache.cosines.data() + first;
    float* const xs = explosion.x.data() + first;
    float* const ys = explosion.y.data() + first;
    float* const speeds = explosion.speed.data() + first;
    std::int32_t* const colours = explosion.colour.data() + first;
    const std::int32_t offsetPitch = byOffsets ? pitch : 0;
    if (jitter) {
      MoveJitteredParticles(n, sines, cosines, room.jitterX, room.jitterY, xs, ys, speeds, colours,
                            room.offsets, cameraX, cameraY, offsetPitch);
    } else {
      MoveSteadyParticles(n, sines, cosines, xs, ys, speeds, colours, room.offsets, cameraX,
                          cameraY, offsetPitch);
    }
    if (byOffsets) {
      PlotAtOffsets(surface, room.offsets, colours, n);
      continue;
    }
    for (std::size_t j = 0; j < n; ++j) PlotParticle(surface, pitch, xs[j], ys[j], colours[j]);
  }
}

}  // namespace

void SpawnExplosion(std::int32_t px, std::int32_t py) {
  // The explosion is built in full before it takes its slot: when memory runs out, the ring keeps
  // what it held and no half-made explosion is ever seen by the pass.
  auto explosion = NewRecord<ExplosionSystem>();
  explosion->serial = ++explosionsMade;
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

  std::int32_t& next = effectState.explosionNext;
  if (next < 0 || next >= kExplosionSlots) next = 0;
  // A live explosion in the slot vanishes at once.
  effectState.explosionRing[static_cast<std::size_t>(next)] = std::move(explosion);
  effectState.explosionAge[static_cast<std::size_t>(next)] = 0;
  next = next + 1 == kExplosionSlots ? 0 : next + 1;
}

void UpdateExplosions(std::uint8_t* surface, std::int32_t pitch) {
  // Read every frame: switching jitter in the options panel changes explosions already under way.
  const bool jitter = settings.explosionJitter != 0;
  for (std::size_t k = 0; k < effectState.explosionRing.size(); ++k) {
    auto& slot = effectState.explosionRing[k];
    if (!slot) continue;
    StepExplosion(*slot, directionCaches[k], jitter, surface, pitch);
    if (++effectState.explosionAge[k] > kLastAge) {
      slot.reset();
      // Whatever slot 0 holds, the next explosion goes there.
      effectState.explosionNext = 0;
    }
  }
}

}  // namespace kelmora
