#include "effects/trails.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "core/compass.h"
#include "core/draw_ahead.h"
#include "effects/particles.h"
#include "platform/alloc.h"

namespace kelmora {

namespace {

constexpr std::int32_t kExhaustBase = 66;
// Below the base: every exhaust particle emitted in play gets 65; only the seeded ones show more.
constexpr std::int32_t kExhaustCap = 65;
constexpr std::int32_t kMissileBase = 144;
constexpr std::int32_t kMissileCap = 159;
constexpr std::int32_t kSeedLimit = 79;  // a seeded colour above this is replaced

// The particles every array of the trail really holds.
std::size_t Particles(const TrailSystem& trail) {
  return ParticlesHeld(trail.count, {trail.x.size(), trail.y.size(), trail.speed.size(),
                                     trail.colour.size(), trail.age.size()});
}

// Seeds every particle at (x, y) with a fresh speed (one draw each) and the colour that speed
// gives from `base`, or `replacement` when that lies above 79.
void Seed(TrailSystem& trail, float x, float y, std::int32_t base, std::int32_t replacement) {
  const std::size_t count = Particles(trail);
  for (std::size_t j = 0; j < count; ++j) {
    trail.x[j] = x;
    trail.y[j] = y;
    trail.speed[j] = static_cast<float>((rng.Draw() % 200) * 0.05);
    const std::int32_t colour = TruncToInt(trail.speed[j] * 0.2 * 16 + base);
    trail.colour[j] = colour > kSeedLimit ? replacement : colour;
    trail.age[j] = 0;
  }
}

// The draws a trail's pass may take, worked out ahead: each particle takes one (the test) or
// four (the test, then x, y and speed of its re-emission), so the pass never needs more than four
// times its particles. For each draw, what each of those uses of it would take from it. Kept from
// pass to pass.
struct DrawsAhead {
  std::vector<std::uint32_t> states;  // the generator's state after the draw
  // As wide as the states, so that vector code works them out sixteen at a time.
  std::vector<std::uint32_t> tens;    // random % 10, for the test
  std::vector<std::uint32_t> fives;   // random % 5, for an x or a y
  std::vector<std::uint32_t> speeds;  // random % 200, for a speed
};
DrawsAhead ahead;

constexpr std::size_t kLanes = 16;

KELMORA_VECTOR_CLONES
void DrawTrailBlocks(std::size_t blocks, std::uint32_t state, std::uint32_t* __restrict states,
                     std::uint32_t* __restrict tens, std::uint32_t* __restrict fives,
                     std::uint32_t* __restrict speeds) {
  DrawBlocks<kLanes>(blocks, state, [=](std::size_t i, std::uint32_t drawn) {
    states[i] = drawn;
    const std::uint32_t value = DrawnValue(drawn);
    tens[i] = value - QuotientBy10(value) * 10u;
    fives[i] = value - QuotientBy5(value) * 5u;
    speeds[i] = value - QuotientBy200(value) * 200u;
  });
}

// The speed and colour a particle emitted afresh takes from its speed draw (random % 200), for
// one trail's base and cap colours. A trail is one of two kinds, so the two last asked for are
// kept.
struct Emission {
  std::int32_t base = 0;
  std::int32_t cap = 0;
  bool made = false;
  std::array<float, 200> speed{};
  std::array<std::int32_t, 200> colour{};
};

const Emission& EmissionFor(std::int32_t base, std::int32_t cap) {
  static std::array<Emission, 2> kept;
  static std::size_t older = 0;
  for (const Emission& emission : kept) {
    if (emission.made && emission.base == base && emission.cap == cap) return emission;
  }
  Emission& emission = kept[older];
  older = 1 - older;
  emission.base = base;
  emission.cap = cap;
  emission.made = true;
  for (std::size_t k = 0; k < 200; ++k) {
    emission.speed[k] = static_cast<float>(static_cast<std::int32_t>(k) * 0.025);
    const std::int32_t colour = TruncToInt(emission.speed[k] * 0.2 * 16 + base);
    emission.colour[k] = colour > cap ? cap : colour;
  }
  return emission;
}

// `chosen` where the mask is all ones, `otherwise` where it is nothing, without a jump (a compiler
// left to itself turns a choice like this back into a branch).
template <class T>
T Pick(std::uint32_t mask, T chosen, T otherwise) {
  const auto a = std::bit_cast<std::uint32_t>(chosen);
  const auto b = std::bit_cast<std::uint32_t>(otherwise);
  return std::bit_cast<T>((a & mask) | (b & ~mask));
}

// One frame of a trail whose emitter stands at (ax, ay): every particle drifts away from the
// emitter's heading and slows; an old particle is likelier to be emitted afresh within two units
// of the emitter, and one ten frames old always is. Draws per particle: the test, then (only on
// re-emission) x, y and speed.
//
// Which particles are emitted afresh follows no pattern, so the pass does not branch on it: the
// draws come from the stretch worked out ahead, every particle's re-emission is worked out from
// the three draws after its test, and the test picks either that or the drifted particle, and how
// far along the stretch the next particle reads.
void StepTrail(TrailSystem& trail, std::int32_t ax, std::int32_t ay, std::uint8_t* surface,
               std::int32_t pitch) {
  // Straight out behind the emitter: heading 0 streams towards -8, the same as heading 8.
  const std::int32_t direction = TruncToInt(trail.heading - 8.0);
  const CompassDirection away = Compass(direction);
  const double sine = away.sine;
  const double cosine = away.cosine;
  const std::size_t count = Particles(trail);
  const std::size_t blocks = (4 * count + kLanes - 1) / kLanes;
  if (ahead.states.size() < blocks * kLanes) {
    for (auto* draws : {&ahead.states, &ahead.tens, &ahead.fives, &ahead.speeds}) {
      draws->resize(blocks * kLanes);
    }
  }
  const std::uint32_t start = rng.state;
  DrawTrailBlocks(blocks, start, ahead.states.data(), ahead.tens.data(), ahead.fives.data(),
                  ahead.speeds.data());
  const std::uint32_t* const states = ahead.states.data();
  const std::uint32_t* const tens = ahead.tens.data();
  const std::uint32_t* const fives = ahead.fives.data();
  const std::uint32_t* const speedDraws = ahead.speeds.data();
  const Emission& emission = EmissionFor(trail.baseColour, trail.capColour);
  // The arrays by plain pointers: the points stored into the layer could otherwise be taken to
  // change the arrays' own bookkeeping, which would then be read again for every particle.
  float* const xs = trail.x.data();
  float* const ys = trail.y.data();
  float* const speeds = trail.speed.data();
  std::int32_t* const colours = trail.colour.data();
  std::int32_t* const ages = trail.age.data();
  const std::int32_t cameraX = controls.cameraX;
  const std::int32_t cameraY = controls.cameraY;
  const bool byOffsets = TakesOffsets(pitch);
  const KeptCorner corner(surface, pitch);
  std::size_t used = 0;  // draws taken so far
  for (std::size_t j = 0; j < count; ++j) {
    const double v = speeds[j];
    const auto driftedX = static_cast<float>(xs[j] + sine * v);
    const auto driftedY = static_cast<float>(ys[j] - cosine * v);
    // No lower limit: an old particle turns and drifts back towards the emitter.
    const auto slowed = static_cast<float>(speeds[j] - 0.1);
    const std::int32_t age = ages[j] + (ages[j] < std::numeric_limits<std::int32_t>::max());
    const bool emitted = static_cast<std::int32_t>(tens[used]) < age;
    const std::int64_t x = static_cast<std::int64_t>(fives[used + 1]) + ax - 2;
    const std::int64_t y = static_cast<std::int64_t>(fives[used + 2]) + ay - 2;
    const float speed = emission.speed[speedDraws[used + 3]];
    const std::int32_t colour = emission.colour[speedDraws[used + 3]];
    const std::uint32_t pick = 0u - static_cast<std::uint32_t>(emitted);
    xs[j] = Pick(pick, static_cast<float>(x), driftedX);
    ys[j] = Pick(pick, static_cast<float>(y), driftedY);
    speeds[j] = Pick(pick, speed, slowed);
    colours[j] = Pick(pick, colour, colours[j]);
    ages[j] = Pick(pick, 0, age);
    used += 1 + (pick & 3u);
    // Moving every particle and then drawing every particle plots the same points in the same
    // order, so both happen in one pass.
    if (byOffsets) {
      surface[static_cast<std::uint32_t>(ParticleOffset(xs[j], ys[j], cameraX, cameraY, pitch))] =
          static_cast<std::uint8_t>(static_cast<std::uint32_t>(colours[j]));
    } else {
      PlotParticle(surface, pitch, xs[j], ys[j], colours[j]);
    }
  }
  rng.state = used == 0 ? start : states[used - 1];
}

}  // namespace

std::vector<std::unique_ptr<TrailSystem>> MakeExhaustTrails(std::int32_t count) {
  std::vector<std::unique_ptr<TrailSystem>> trails;
  trails.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (std::int32_t i = 0; i < count; ++i) {
    trails.push_back(NewRecord<TrailSystem>(settings.trailParticles));
  }
  return trails;
}

void ResetTrails(std::vector<std::unique_ptr<TrailSystem>> fresh) {
  for (std::size_t i = 0; i < fresh.size(); ++i) {
    TrailSystem& trail = *fresh[i];
    // Each trail starts on its own ship.
    float x = 0.0f;
    float y = 0.0f;
    if (i < world.shipTable.size() && world.shipTable[i]) {
      x = static_cast<float>(world.shipTable[i]->x);
      y = static_cast<float>(world.shipTable[i]->y);
    }
    Seed(trail, x, y, kExhaustBase, kExhaustCap);
    trail.baseColour = kExhaustBase;
    trail.capColour = kExhaustCap;
    trail.active = 1;
  }
  // The old trails go only now, so the table never holds a trail without its particles.
  effectState.exhaustTrails = std::move(fresh);

  for (auto& trail : effectState.missileTrails) {
    if (!trail) continue;
    // Every seeded colour lies above 79, so every particle starts at 159.
    Seed(*trail, 0.0f, 0.0f, kMissileBase, kMissileCap);
    trail->baseColour = kMissileBase;
    trail->capColour = kMissileCap;
    trail->active = 0;
  }
}

void ResetTrails() {
  ResetTrails(MakeExhaustTrails(world.shipCount));
}

void UpdateExhaustTrails(std::uint8_t* surface, std::int32_t pitch) {
  const auto slots = std::min(static_cast<std::size_t>(std::max(ShipSlots(), 0)),
                              effectState.exhaustTrails.size());
  for (std::size_t i = 0; i < slots; ++i) {
    const Ship& ship = *world.shipTable[i];
    // A ship out of play leaves its trail where it was, neither moved nor drawn.
    if (ship.alive == 0 || !effectState.exhaustTrails[i]) continue;
    StepTrail(*effectState.exhaustTrails[i], ship.x, ship.y, surface, pitch);
  }
}

void UpdateMissileTrails(std::uint8_t* surface, std::int32_t pitch) {
  for (std::size_t k = 0; k < weapons.missileRing.size(); ++k) {
    const Missile& missile = weapons.missileRing[k];
    if (missile.active == 0 || !effectState.missileTrails[k]) continue;
    StepTrail(*effectState.missileTrails[k], TruncToInt(missile.x), TruncToInt(missile.y), surface,
              pitch);
  }
}

}  // namespace kelmora
