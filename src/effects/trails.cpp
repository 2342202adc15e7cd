#include "effects/trails.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "core/alloc.h"
#include "effects/compass.h"
#include "effects/particles.h"

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
  std::size_t count = static_cast<std::size_t>(std::max(trail.count, 0));
  for (const std::size_t size : {trail.x.size(), trail.y.size(), trail.speed.size(),
                                 trail.colour.size(), trail.age.size()}) {
    count = std::min(count, size);
  }
  return count;
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

// One frame of a trail whose emitter stands at (ax, ay): every particle drifts away from the
// emitter's heading and slows; an old particle is likelier to be emitted afresh within two units
// of the emitter, and one ten frames old always is. Draws per particle: the test, then (only on
// re-emission) x, y and speed.
void StepTrail(TrailSystem& trail, std::int32_t ax, std::int32_t ay, std::uint8_t* surface,
               std::int32_t pitch) {
  // Straight out behind the emitter: heading 0 streams towards -8, the same as heading 8.
  const std::int32_t direction = TruncToInt(trail.heading - 8.0);
  const CompassDirection away = Compass(direction);
  const double sine = away.sine;
  const double cosine = away.cosine;
  const std::size_t count = Particles(trail);
  // The arrays by plain pointers: the points stored into the layer could otherwise be taken to
  // change the arrays' own bookkeeping, which would then be read again for every particle.
  float* const xs = trail.x.data();
  float* const ys = trail.y.data();
  float* const speeds = trail.speed.data();
  std::int32_t* const colours = trail.colour.data();
  std::int32_t* const ages = trail.age.data();
  const std::int32_t baseColour = trail.baseColour;
  const std::int32_t capColour = trail.capColour;
  const std::int16_t cameraX = controls.cameraX;
  const std::int16_t cameraY = controls.cameraY;
  for (std::size_t j = 0; j < count; ++j) {
    const double v = speeds[j];
    xs[j] = static_cast<float>(xs[j] + sine * v);
    ys[j] = static_cast<float>(ys[j] - cosine * v);
    // No lower limit: an old particle turns and drifts back towards the emitter.
    speeds[j] = static_cast<float>(speeds[j] - 0.1);
    if (ages[j] < std::numeric_limits<std::int32_t>::max()) ++ages[j];
    if (rng.Draw() % 10 < ages[j]) {
      const std::int64_t x = static_cast<std::int64_t>(rng.Draw() % 5) + ax - 2;
      const std::int64_t y = static_cast<std::int64_t>(rng.Draw() % 5) + ay - 2;
      xs[j] = static_cast<float>(x);
      ys[j] = static_cast<float>(y);
      speeds[j] = static_cast<float>((rng.Draw() % 200) * 0.025);
      const std::int32_t colour = TruncToInt(speeds[j] * 0.2 * 16 + baseColour);
      colours[j] = colour > capColour ? capColour : colour;
      ages[j] = 0;
    }
    // Moving every particle and then drawing every particle plots the same points in the same
    // order, so both happen in one pass.
    PlotParticleAnywhere(surface, pitch, cameraX, cameraY, xs[j], ys[j], colours[j]);
  }
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
  effects.exhaustTrails = std::move(fresh);

  for (auto& trail : effects.missileTrails) {
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
  const auto slots =
      std::min(static_cast<std::size_t>(std::max(ShipSlots(), 0)), effects.exhaustTrails.size());
  for (std::size_t i = 0; i < slots; ++i) {
    const Ship& ship = *world.shipTable[i];
    // A ship out of play leaves its trail where it was, neither moved nor drawn.
    if (ship.alive == 0 || !effects.exhaustTrails[i]) continue;
    StepTrail(*effects.exhaustTrails[i], ship.x, ship.y, surface, pitch);
  }
}

void UpdateMissileTrails(std::uint8_t* surface, std::int32_t pitch) {
  for (std::size_t k = 0; k < weapons.missileRing.size(); ++k) {
    const Missile& missile = weapons.missileRing[k];
    if (missile.active == 0 || !effects.missileTrails[k]) continue;
    StepTrail(*effects.missileTrails[k], TruncToInt(missile.x), TruncToInt(missile.y), surface,
              pitch);
  }
}

}  // namespace kelmora
