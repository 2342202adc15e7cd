// A hand-built world for the weapon, collision and pickup tests: ships placed where a test wants
// them, with the values a new game gives, and a pixel layer of plain memory.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "effects/explosions.h"
#include "state/state.h"
#include "support.h"

namespace kelmora::testing {

inline constexpr std::int32_t kArenaPitch = 640;

class Arena {
 public:
  Arena() {
    ResetEverything();
    world.generation = 1;
    world.shipTable.clear();
    world.shipCount = 0;
  }

  // The player's ship goes in the next slot (slot 0 when called first).
  Ship& AddPlayer(std::int16_t x, std::int16_t y) {
    auto ship = std::make_unique<PlayerShip>();
    ship->name = kPlayerName;
    ship->shield = 100;
    return Add(std::move(ship), x, y);
  }
  Ship& AddDrone(std::int16_t x, std::int16_t y) {
    auto ship = std::make_unique<DroneShip>();
    ship->name = kDroneName;
    ship->shield = 10;
    ship->speed = 1;
    return Add(std::move(ship), x, y);
  }
  Ship& Slot(std::int32_t slot) { return *world.shipTable[static_cast<std::size_t>(slot)]; }

  std::uint8_t Pixel(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y * kArenaPitch + x)];
  }
  std::uint8_t* Surface() { return pixels.data(); }
  void ClearPixels() { pixels.assign(pixels.size(), 0); }

 private:
  Ship& Add(std::unique_ptr<Ship> ship, std::int16_t x, std::int16_t y) {
    ship->x = x;
    ship->y = y;
    ship->power = 1;
    ship->missiles = 10;
    ship->target = -1;
    ship->alive = 1;
    ship->index = static_cast<std::uint8_t>(world.shipTable.size());
    Ship& ref = *ship;
    world.shipTable.push_back(std::move(ship));
    world.shipCount = static_cast<std::int32_t>(world.shipTable.size());
    return ref;
  }

  std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(640 * 480);
};

// The generator's state after `count` draws from `state`.
inline std::uint32_t StateAfterDraws(std::uint32_t state, int count) {
  RandomGenerator g;
  g.Seed(state);
  for (int i = 0; i < count; ++i) g.Draw();
  return g.state;
}

inline std::int32_t ExplosionCount() {
  std::int32_t count = 0;
  for (const auto& explosion : effectState.explosionRing) count += explosion != nullptr ? 1 : 0;
  return count;
}

// True when SpawnExplosion makes an explosion in the ring. The probe leaves the ring and the
// generator as it found them. Tests that look for an explosion are skipped while there is none to
// be made.
inline bool ExplosionsAreMade() {
  const std::uint32_t state = rng.state;
  SpawnExplosion(0, 0);
  const bool made = ExplosionCount() > 0;
  for (auto& explosion : effectState.explosionRing) explosion.reset();
  effectState.explosionAge.fill(0);
  effectState.explosionNext = 0;
  rng.state = state;
  return made;
}

}  // namespace kelmora::testing
