#include "game/collisions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/vector_clones.h"
#include "effects/explosions.h"
#include "game/weapons.h"
#include "game/world.h"
#include "platform/alloc.h"
#include "state/state.h"

namespace kelmora {

namespace {

constexpr std::int32_t kHitHalfWidth = 15;
constexpr std::int32_t kMissileDamage = 11;
constexpr std::uint16_t kShotKillScore = 100;
constexpr std::uint16_t kMissileKillScore = 50;
constexpr std::int32_t kExplosionWindowX = 370;
constexpr std::int32_t kExplosionWindowY = 290;

std::int32_t PlayerSlot() {
  return settings.playerNumber - 1;
}

void AddScore(Ship& ship, std::uint16_t points) {
  // Scores are 16-bit and wrap.
  ship.score = static_cast<std::uint16_t>(ship.score + points);
}

// Takes `damage` off the shield; a shield that would fall below 1 destroys the ship.
void Damage(Ship& ship, std::int32_t damage) {
  const std::int32_t shield = static_cast<std::int32_t>(ship.shield) - damage;
  if (shield < 1) {
    ship.alive = 0;
    ship.speed = 0;
  } else {
    ship.shield = static_cast<std::uint8_t>(shield);
  }
}

// Kills far from the view pass without an explosion.
bool NearView(std::int32_t x, std::int32_t y) {
  return controls.cameraX - kExplosionWindowX < x && x < controls.cameraX + kExplosionWindowX &&
         controls.cameraY - kExplosionWindowY < y && y < controls.cameraY + kExplosionWindowY;
}

// The player's game ends with the ship left in its slot; a drone is replaced at once by a fresh
// drone somewhere else. The new drone is made whole before it takes the slot, so running out of
// memory leaves the old record in place.
void Kill(std::int32_t slot) {
  Ship& ship = ShipRecord(slot);
  ship.alive = 0;
  ship.speed = 0;
  if (slot == PlayerSlot()) {
    controls.playerThrust = 0;
    return;
  }
  auto drone = NewRecord<DroneShip>();
  InitDrone(*drone, slot);
  world.shipTable[static_cast<std::size_t>(slot)] = std::move(drone);
}

void ShotsAgainst(std::int32_t slot, std::int32_t x, std::int32_t y) {
  for (std::int32_t k = 0; k < kShotSlots; ++k) {
    Shot& shot = weapons.shotRing[static_cast<std::size_t>(k)];
    // Strict on all four sides: a shot exactly 15 off misses. (Tested first: it rules out nearly
    // every shot, and none of these tests has an effect of its own.)
    if (!(x - kHitHalfWidth < shot.x && shot.x < x + kHitHalfWidth)) continue;
    if (!(y - kHitHalfWidth < shot.y && shot.y < y + kHitHalfWidth)) continue;
    Ship& ship = ShipRecord(slot);
    if (shot.active == 0 || shot.owner == slot || ship.alive == 0) continue;

    shot.active = 0;
    weapons.shotAge[static_cast<std::size_t>(k)] = 0;
    // A shot whose shooter's slot went with an earlier, larger game hits with power 1 and
    // credits nobody.
    Ship* shooter = ShipOrNull(shot.owner);
    Damage(ship, shooter != nullptr ? shooter->power : 1);
    if (ship.alive != 0) continue;

    if (NearView(x, y)) SpawnExplosion(x, y);
    if (shooter != nullptr) {
      AddScore(*shooter, kShotKillScore);
      if (shot.owner == PlayerSlot()) AddScore(*shooter, ship.score);
    }
    Kill(slot);
  }
}

void MissilesAgainst(std::int32_t slot, std::int32_t x, std::int32_t y) {
  for (std::int32_t k = 0; k < kMissileSlots; ++k) {
    Missile& missile = weapons.missileRing[static_cast<std::size_t>(k)];
    if (missile.active == 0) continue;
    // Inclusive on all four sides, unlike shots.
    const std::int32_t mx = TruncToInt(static_cast<double>(missile.x));
    const std::int32_t my = TruncToInt(static_cast<double>(missile.y));
    if (!(x - kHitHalfWidth <= mx && mx <= x + kHitHalfWidth)) continue;
    if (!(y - kHitHalfWidth <= my && my <= y + kHitHalfWidth)) continue;
    Ship& ship = ShipRecord(slot);
    // A missile from an earlier game has no owner: it spares nobody and credits nobody.
    Ship* owner = MissileOwner(missile);
    if (owner == &ship || ship.alive == 0) continue;

    Damage(ship, kMissileDamage);
    missile.active = 0;
    missile.speed = 0;
    if (ship.alive != 0) continue;

    if (NearView(mx, my)) SpawnExplosion(mx, my);
    if (owner != nullptr) {
      AddScore(*owner, kMissileKillScore);
      if (owner == ShipOrNull(PlayerSlot())) AddScore(*owner, ship.score);
    }
    Kill(slot);
  }
}

// Whether any of `count` points lies in the box of half width kHitHalfWidth around (x, y):
// strictly inside, or inside or on its edge.
template <bool kEdgesCount>
inline __attribute__((always_inline)) bool AnyInside(const std::int32_t* __restrict xs,
                                                     const std::int32_t* __restrict ys,
                                                     std::size_t count, std::int32_t x,
                                                     std::int32_t y) {
  std::int32_t inside = 0;
  for (std::size_t k = 0; k < count; ++k) {
    if constexpr (kEdgesCount) {
      inside |= static_cast<std::int32_t>(x - kHitHalfWidth <= xs[k]) &
                static_cast<std::int32_t>(xs[k] <= x + kHitHalfWidth) &
                static_cast<std::int32_t>(y - kHitHalfWidth <= ys[k]) &
                static_cast<std::int32_t>(ys[k] <= y + kHitHalfWidth);
    } else {
      inside |= static_cast<std::int32_t>(x - kHitHalfWidth < xs[k]) &
                static_cast<std::int32_t>(xs[k] < x + kHitHalfWidth) &
                static_cast<std::int32_t>(y - kHitHalfWidth < ys[k]) &
                static_cast<std::int32_t>(ys[k] < y + kHitHalfWidth);
    }
  }
  return inside != 0;
}

KELMORA_VECTOR_CLONES bool AnyShotInside(const std::int32_t* __restrict xs,
                                         const std::int32_t* __restrict ys, std::int32_t x,
                                         std::int32_t y) {
  return AnyInside<false>(xs, ys, kShotSlots, x, y);
}

KELMORA_VECTOR_CLONES bool AnyMissileInside(const std::int32_t* __restrict xs,
                                            const std::int32_t* __restrict ys, std::int32_t x,
                                            std::int32_t y) {
  return AnyInside<true>(xs, ys, kMissileSlots, x, y);
}

}  // namespace

void ResolveCollisions() {
  // Shots and missiles do not move during the pass, so their positions are read once; a ship
  // with nothing inside its box at all (nearly every ship, every frame) skips the loops, which
  // would have done nothing for it.
  std::array<std::int32_t, kShotSlots> shotX;
  std::array<std::int32_t, kShotSlots> shotY;
  for (std::size_t k = 0; k < shotX.size(); ++k) {
    shotX[k] = weapons.shotRing[k].x;
    shotY[k] = weapons.shotRing[k].y;
  }
  std::array<std::int32_t, kMissileSlots> missileX;
  std::array<std::int32_t, kMissileSlots> missileY;
  for (std::size_t k = 0; k < missileX.size(); ++k) {
    missileX[k] = TruncToInt(static_cast<double>(weapons.missileRing[k].x));
    missileY[k] = TruncToInt(static_cast<double>(weapons.missileRing[k].y));
  }
  for (std::int32_t i = 0; i < ShipSlots(); ++i) {
    // The box stays where the slot's ship was when its turn began, even after a kill puts a new
    // drone in the slot: later hits inside the old box land on the newcomer.
    const Ship& boxShip = ShipRecord(i);
    const std::int32_t x = boxShip.x;
    const std::int32_t y = boxShip.y;
    if (AnyShotInside(shotX.data(), shotY.data(), x, y)) ShotsAgainst(i, x, y);
    if (AnyMissileInside(missileX.data(), missileY.data(), x, y)) MissilesAgainst(i, x, y);
  }
}

}  // namespace kelmora
