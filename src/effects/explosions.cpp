#include "effects/explosions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

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

// The generator's step: state = state * 214013 + 2531011, and the value a draw returns.
constexpr std::uint32_t kMultiplier = 214013u;
constexpr std::uint32_t kIncrement = 2531011u;
constexpr std::int32_t DrawnValue(std::uint32_t state) {
  return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
}

// n steps of the generator at once: state * multiplier + increment, by squaring.
struct Leap {
  std::uint32_t multiplier = 1;
  std::uint32_t increment = 0;
};
constexpr Leap LeapOf(std::uint64_t steps) {
  Leap total;                           // identity
  Leap power{kMultiplier, kIncrement};  // one step, then 2, 4, 8, ...
  while (steps != 0) {
    if ((steps & 1) != 0) {
      total = {total.multiplier * power.multiplier,
               total.increment * power.multiplier + power.increment};
    }
    power = {power.multiplier * power.multiplier,
             power.increment * power.multiplier + power.increment};
    steps >>= 1;
  }
  return total;
}

// The particle passes below are plain loops over arrays that the compiler turns into vector
// code; on x86-64 each also gets a version for AVX2 processors, chosen when the program starts.
// Vector code does the very same IEEE operations, one per lane, so every result is the same bit
// for bit (and nothing is fused: the build forbids contraction).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__)
#if defined(__has_feature)
#if !__has_feature(address_sanitizer)
#define KELMORA_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#endif
#else
#define KELMORA_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#endif
#endif
#ifndef KELMORA_VECTOR_CLONES
#define KELMORA_VECTOR_CLONES
#endif

// Jitter: -2.00 to +1.96 world units, as (random % 100 - 50) * 0.04. A pass over one explosion
// makes exactly two draws per particle (x, then y) and no others, so the whole stretch of the
// sequence is worked out before the pass: in several lanes at once, each lane leaping over the
// draws of the others, which gives the very same values as drawing them one after another. The
// generator is left where those draws would have left it.
constexpr std::size_t kLanes = 16;
constexpr Leap kLaneLeap = LeapOf(kLanes);

// random % 100 - 50 for a drawn value (0..32767): the quotient by 100 is (value * 5243) >> 19 for
// every such value, which vector code does without a division.
constexpr std::int32_t JitterOf(std::uint32_t state) {
  const auto value = static_cast<std::uint32_t>(DrawnValue(state));
  const std::uint32_t quotient = (value * 5243u) >> 19;
  return static_cast<std::int32_t>(value - quotient * 100u) - 50;
}
static_assert(JitterOf(99u << 16) == 49 && JitterOf(100u << 16) == -50 &&
              JitterOf(32767u << 16) == 17 && JitterOf(0x7FFFFFFFu) == 17);

// The leaps from the start of a block of kLanes draws to each of its draws (1 to kLanes steps).
struct LaneLeaps {
  std::uint32_t multiplier[kLanes];
  std::uint32_t increment[kLanes];
};
constexpr LaneLeaps MakeLaneLeaps() {
  LaneLeaps leaps{};
  for (std::size_t l = 0; l < kLanes; ++l) {
    const Leap leap = LeapOf(l + 1);
    leaps.multiplier[l] = leap.multiplier;
    leaps.increment[l] = leap.increment;
  }
  return leaps;
}
constexpr LaneLeaps kLaneLeaps = MakeLaneLeaps();

// `blocks` blocks of kLanes jitter values from the generator state `state`; returns the state
// after them.
KELMORA_VECTOR_CLONES
std::uint32_t JitterBlocks(std::size_t blocks, std::uint32_t state, std::int8_t* __restrict out) {
  for (std::size_t b = 0; b < blocks; ++b) {
    for (std::size_t l = 0; l < kLanes; ++l) {
      const std::uint32_t drawn = state * kLaneLeaps.multiplier[l] + kLaneLeaps.increment[l];
      out[b * kLanes + l] = static_cast<std::int8_t>(JitterOf(drawn));
    }
    state = state * kLaneLeap.multiplier + kLaneLeap.increment;
  }
  return state;
}

void DrawJitter(std::size_t draws, std::vector<std::int8_t>& out) {
  out.resize(draws);
  const std::size_t blocks = draws / kLanes;
  rng.state = JitterBlocks(blocks, rng.state, out.data());
  for (std::size_t i = blocks * kLanes; i < draws; ++i) {
    out[i] = static_cast<std::int8_t>(rng.Draw() % 100 - 50);
  }
}

// A particle's screen offset in the pixel layer, or -1 when PutPixel would not store it: the
// point (trunc(x) - cameraX + 320, trunc(y) - cameraY + 240) shown when 0 < x < 640 and
// 0 < y < 480. Truncation as TruncToInt does it: NaN counts as 0, and a value beyond the 32-bit
// range lies far off the screen whatever it saturates to, so it is held to +-100000 first, which
// also keeps the sums within 32 bits.
inline std::int32_t ScreenCoordinate(float world, std::int32_t camera, std::int32_t centre) {
  std::int32_t whole = 0;
  if (world > -100000.0f && world < 100000.0f) {
    whole = static_cast<std::int32_t>(world);
  } else {
    whole = world != world ? 0 : (world < 0.0f ? -100000 : 100000);
  }
  return whole - camera + centre;
}

// Moves and decays every particle: sx = sin(a)·v and sy = cos(a)·v rounded to floats, the
// optional jitter added, then the speed less 0.1. Spent: it stands still and glows one palette
// step a frame towards 79. (No branches: which particles are spent follows no pattern.) Then
// where each lands on the screen.
template <bool kJitter>
inline __attribute__((always_inline)) void MoveParticlesBody(
    std::size_t count, const double* __restrict sines, const double* __restrict cosines,
    const std::int8_t* __restrict jitter, float* __restrict xs, float* __restrict ys,
    float* __restrict speeds, std::int32_t* __restrict colours, std::int32_t* __restrict offsets,
    std::int32_t cameraX, std::int32_t cameraY, std::int32_t pitch) {
  for (std::size_t j = 0; j < count; ++j) {
    const double v = speeds[j];
    const float sx = static_cast<float>(sines[j] * v);
    const float sy = static_cast<float>(cosines[j] * v);
    float x = xs[j];
    float y = ys[j];
    if constexpr (kJitter) {
      x = static_cast<float>(jitter[2 * j] * 0.04 + sx + x);
      y = static_cast<float>(y - (jitter[2 * j + 1] * 0.04 + sy));
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
    const std::int32_t screenX = ScreenCoordinate(x, cameraX, 320);
    const std::int32_t screenY = ScreenCoordinate(y, cameraY, 240);
    const bool shown = (static_cast<std::uint32_t>(screenX - 1) < 639u) &
                       (static_cast<std::uint32_t>(screenY - 1) < 479u);
    offsets[j] = shown ? screenY * pitch + screenX : -1;
  }
}

// The two kinds of pass, each with its own vector versions (the compilers clone plain functions
// only, not templates).
KELMORA_VECTOR_CLONES void MoveJitteredParticles(
    std::size_t count, const double* __restrict sines, const double* __restrict cosines,
    const std::int8_t* __restrict jitter, float* __restrict xs, float* __restrict ys,
    float* __restrict speeds, std::int32_t* __restrict colours, std::int32_t* __restrict offsets,
    std::int32_t cameraX, std::int32_t cameraY, std::int32_t pitch) {
  MoveParticlesBody<true>(count, sines, cosines, jitter, xs, ys, speeds, colours, offsets, cameraX,
                          cameraY, pitch);
}
KELMORA_VECTOR_CLONES void MoveSteadyParticles(
    std::size_t count, const double* __restrict sines, const double* __restrict cosines,
    float* __restrict xs, float* __restrict ys, float* __restrict speeds,
    std::int32_t* __restrict colours, std::int32_t* __restrict offsets, std::int32_t cameraX,
    std::int32_t cameraY, std::int32_t pitch) {
  MoveParticlesBody<false>(count, sines, cosines, nullptr, xs, ys, speeds, colours, offsets,
                           cameraX, cameraY, pitch);
}

// Room for one pass, kept from frame to frame.
struct PassRoom {
  std::vector<std::int8_t> jitter;
  std::vector<std::int32_t> offsets;
};
PassRoom room;

// The sines and cosines of each ring slot's particle directions, with the directions they were
// worked out for. A particle never changes direction, so after the first pass of an explosion a
// comparison of the two direction arrays is all it takes; any direction that differs (a new
// explosion in the slot) is worked out again.
struct DirectionCache {
  std::vector<float> angle;
  std::vector<double> sines;
  std::vector<double> cosines;
};
std::array<DirectionCache, kExplosionSlots> directionCaches;

void RefreshDirections(DirectionCache& cache, const float* angles, std::size_t count) {
  const auto& directions = Directions();
  if (cache.angle.size() != count) {
    cache.angle.assign(angles, angles + count);
    cache.sines.resize(count);
    cache.cosines.resize(count);
    for (std::size_t j = 0; j < count; ++j) {
      SineCosine(directions, angles[j], &cache.sines[j], &cache.cosines[j]);
    }
    return;
  }
  if (count == 0 || std::memcmp(cache.angle.data(), angles, count * sizeof(float)) == 0) return;
  for (std::size_t j = 0; j < count; ++j) {
    if (std::bit_cast<std::uint32_t>(cache.angle[j]) == std::bit_cast<std::uint32_t>(angles[j])) {
      continue;
    }
    cache.angle[j] = angles[j];
    SineCosine(directions, angles[j], &cache.sines[j], &cache.cosines[j]);
  }
}

// Rows 1..479 of a layer with this pitch have 32-bit offsets.
constexpr std::int32_t kLargestPitch = (0x7FFFFFFF - 640) / 480;

// One particle at a time, the way the passes are described: for a layer of unusual pitch.
void StepExplosionPlainly(ExplosionSystem& explosion, const DirectionCache& cache, bool jitter,
                          std::uint8_t* surface, std::int32_t pitch) {
  const std::size_t count = cache.angle.size();
  for (std::size_t j = 0; j < count; ++j) {
    const double v = explosion.speed[j];
    const float sx = static_cast<float>(cache.sines[j] * v);
    const float sy = static_cast<float>(cache.cosines[j] * v);
    float& x = explosion.x[j];
    float& y = explosion.y[j];
    if (jitter) {
      x = static_cast<float>(room.jitter[2 * j] * 0.04 + sx + x);
      y = static_cast<float>(y - (room.jitter[2 * j + 1] * 0.04 + sy));
    } else {
      x = static_cast<float>(static_cast<double>(x) + sx);
      y = static_cast<float>(static_cast<double>(y) - sy);
    }
    float& speed = explosion.speed[j];
    speed = static_cast<float>(speed - 0.1);
    if (speed < 0.0f) {
      speed = 0.0f;
      if (explosion.colour[j] < kLastColour) ++explosion.colour[j];
    }
    PlotParticle(surface, pitch, x, y, explosion.colour[j]);
  }
}

// Moves, decays and draws every particle of one explosion.
void StepExplosion(ExplosionSystem& explosion, DirectionCache& cache, bool jitter,
                   std::uint8_t* surface, std::int32_t pitch) {
  std::size_t count = static_cast<std::size_t>(std::max(explosion.count, 0));
  for (const std::size_t size : {explosion.x.size(), explosion.y.size(), explosion.angle.size(),
                                 explosion.speed.size(), explosion.colour.size()}) {
    count = std::min(count, size);
  }
  if (jitter) DrawJitter(2 * count, room.jitter);
  RefreshDirections(cache, explosion.angle.data(), count);
  if (pitch < 0 || pitch > kLargestPitch) {
    // No layer of the game is like this; plot the plain way.
    StepExplosionPlainly(explosion, cache, jitter, surface, pitch);
    return;
  }
  room.offsets.resize(count);
  const std::int32_t cameraX = controls.cameraX;
  const std::int32_t cameraY = controls.cameraY;
  if (jitter) {
    MoveJitteredParticles(count, cache.sines.data(), cache.cosines.data(), room.jitter.data(),
                          explosion.x.data(), explosion.y.data(), explosion.speed.data(),
                          explosion.colour.data(), room.offsets.data(), cameraX, cameraY, pitch);
  } else {
    MoveSteadyParticles(count, cache.sines.data(), cache.cosines.data(), explosion.x.data(),
                        explosion.y.data(), explosion.speed.data(), explosion.colour.data(),
                        room.offsets.data(), cameraX, cameraY, pitch);
  }
  // Moving every particle and then drawing every particle: the points go down in particle order.
  // A point off the screen goes to a byte of its own that nothing reads, picked without a jump.
  static std::uint8_t offScreen;
  const auto base = reinterpret_cast<std::uintptr_t>(surface);
  const auto elsewhere = reinterpret_cast<std::uintptr_t>(&offScreen);
  const std::int32_t* const offsets = room.offsets.data();
  const std::int32_t* const colours = explosion.colour.data();
  for (std::size_t j = 0; j < count; ++j) {
    const std::int32_t offset = offsets[j];
    const std::uintptr_t pick = 0 - static_cast<std::uintptr_t>(offset >= 0);
    const std::uintptr_t target =
        ((base + static_cast<std::uintptr_t>(static_cast<std::uint32_t>(offset))) & pick) |
        (elsewhere & ~pick);
    *reinterpret_cast<std::uint8_t*>(target) =
        static_cast<std::uint8_t>(static_cast<std::uint32_t>(colours[j]));
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
    StepExplosion(*slot, directionCaches[k], jitter, surface, pitch);
    if (++effects.explosionAge[k] > kLastAge) {
      slot.reset();
      // Whatever slot 0 holds, the next explosion goes there.
      effects.explosionNext = 0;
    }
  }
}

}  // namespace kelmora
