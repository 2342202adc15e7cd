#include "game/weapons.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "core/compass.h"
#include "display/pixels.h"
#include "display/sprites.h"
#include "effects/explosions.h"
#include "game/controls.h"
#include "game/steering.h"
#include "state/state.h"

namespace kelmora {

namespace {

constexpr std::int32_t kShotLife = 15;     // updates a shot flies before it ends
constexpr std::int32_t kMissileLife = 75;  // a missile bursts on the update after this age
constexpr std::int32_t kShotCentreColour = 15;
constexpr std::int32_t kPlayerShotColour = 9;
constexpr std::int32_t kDroneShotColour = 12;

TrailSystem* MissileTrail(std::int32_t slot) {
  return effectState.missileTrails[static_cast<std::size_t>(slot)].get();
}

// The sixteen missile cells lie side by side in one row of the sheet.
Rect MissileCell(float heading) {
  const double h = static_cast<double>(heading);
  return Rect{TruncToInt(h * layout::kMissilePitch), layout::kMissileTop,
              TruncToInt(h * layout::kMissilePitch + layout::kMissileSize),
              layout::kMissileTop + layout::kMissileSize};
}

}  // namespace

void SpawnShot(std::int32_t slot) {
  const Ship& ship = ShipRecord(slot);
  const auto next = static_cast<std::size_t>(weapons.shotNext);
  Shot& shot = weapons.shotRing[next];
  shot.x = ship.x;
  shot.y = ship.y;
  shot.heading = TruncToFloat(static_cast<double>(ship.heading));
  shot.speed = static_cast<std::int32_t>(ship.speed) * 3;
  shot.owner = static_cast<std::uint8_t>(slot);
  shot.active = 1;
  weapons.shotAge[next] = 0;
  weapons.shotNext = weapons.shotNext + 1 < kShotSlots ? weapons.shotNext + 1 : 0;
}

void SpawnMissile(std::int32_t slot) {
  const Ship& ship = ShipRecord(slot);
  const auto next = static_cast<std::size_t>(weapons.missileNext);
  Missile& missile = weapons.missileRing[next];
  missile.x = static_cast<float>(ship.x);
  missile.y = static_cast<float>(ship.y);
  missile.heading = TruncToFloat(static_cast<double>(ship.heading));
  missile.speed = 3;
  missile.velocity = 0.0f;
  missile.ownerIndex = slot;
  missile.ownerGeneration = world.generation;
  missile.active = 1;
  // The target and the cell stay as the slot held them until the missile's first update.
  weapons.missileAge[next] = 0;
  if (TrailSystem* trail = MissileTrail(weapons.missileNext)) trail->active = 1;
  weapons.missileNext = weapons.missileNext + 1 < kMissileSlots ? weapons.missileNext + 1 : 0;
}

Ship* MissileOwner(const Missile& missile) {
  // A new game releases every ship, so a missile launched in an earlier game has no owner.
  if (missile.ownerGeneration != world.generation) return nullptr;
  if (missile.ownerIndex < 0 || missile.ownerIndex >= ShipSlots()) return nullptr;
  return world.shipTable[static_cast<std::size_t>(missile.ownerIndex)].get();
}

void Retarget(Missile& missile) {
  const std::int32_t slots = ShipSlots();
  // The offsets of a ship from the missile, and its distance, in single precision.
  struct Offset {
    float dx, dy, distance;
  };
  const auto offsetOf = [&missile](std::int32_t slot) {
    const Ship& ship = ShipRecord(slot);
    Offset offset{};
    offset.dx = static_cast<float>(static_cast<double>(ship.x) - static_cast<double>(missile.x));
    offset.dy = static_cast<float>(static_cast<double>(ship.y) - static_cast<double>(missile.y));
    const double fx = static_cast<double>(offset.dx);
    const double fy = static_cast<double>(offset.dy);
    offset.distance = static_cast<float>(std::sqrt(fy * fy + fx * fx));
    return offset;
  };

  // The first drone slot is the first candidate, taken without asking whether it launched the
  // missile; after it only a strictly nearer ship other than the launcher wins.
  std::int32_t target = settings.humanCount;
  float best = 0.0f;
  if (target >= 0 && target < slots) {
    best = offsetOf(target).distance;
  } else {
    target = -1;
    best = std::numeric_limits<float>::infinity();
  }
  for (std::int32_t i = 0; i < slots; ++i) {
    const float d = offsetOf(i).distance;
    if (best > d && i != missile.ownerIndex) {
      best = d;
      target = i;
    }
  }
  missile.speed = 3;
  if (target < 0) return;  // no ship to turn to
  missile.target = target;

  // Steer by the arcsine of the sideways distance over the distance: -(asin + pi) when dy > 0,
  // asin + 2 pi when dy < 0 and asin + pi otherwise. A missile standing right on its target has
  // no direction to it and points up.
  const Offset to = offsetOf(target);
  const double quotient =
      to.distance != 0.0f ? static_cast<double>(to.dx) / static_cast<double>(to.distance) : 0.0;
  const ArcTurn turn = to.dy > 0.0f   ? ArcTurn::kHalf
                       : to.dy < 0.0f ? ArcTurn::kWhole
                                      : ArcTurn::kHalf;
  missile.heading = ArcSteeringHeading(to.distance != 0.0f, turn, to.dy > 0.0f, quotient);
}

void UpdateMissiles() {
  for (std::int32_t k = 0; k < kMissileSlots; ++k) {
    const auto s = static_cast<std::size_t>(k);
    Missile& missile = weapons.missileRing[s];
    if (missile.active == 0) continue;

    if (controls.paused == 0) {
      // Accelerates a quarter unit per frame; once at full speed it homes every frame.
      missile.velocity = static_cast<float>(static_cast<double>(missile.velocity) + 0.25);
      const double fullSpeed = 4.0 * missile.speed;
      if (static_cast<double>(missile.velocity) > fullSpeed) {
        missile.velocity = static_cast<float>(fullSpeed);
        Retarget(missile);
      }
      const double d = TruncToInt(static_cast<double>(missile.velocity));
      const CompassDirection along = Compass(missile.heading);
      missile.x = static_cast<float>(static_cast<double>(missile.x) + d * along.sine);
      missile.y = static_cast<float>(static_cast<double>(missile.y) - d * along.cosine);
      missile.spriteRect = MissileCell(missile.heading);
    }

    if (TrailSystem* trail = MissileTrail(k)) {
      trail->heading = TruncToFloat(static_cast<double>(missile.heading));
    }

    const std::int32_t mx = TruncToInt(static_cast<double>(missile.x));
    const std::int32_t my = TruncToInt(static_cast<double>(missile.y));
    const std::int32_t left = ScreenX(mx, -6);
    const std::int32_t top = ScreenY(my, -6);
    const std::int32_t right = ScreenX(mx, 6);
    const std::int32_t bottom = ScreenY(my, 6);
    BlitSprite(missile.spriteRect, Rect{left, top, right, bottom},
               displayObjects.sheetSurface.get(), kSpriteBlitFlags);

    if (controls.paused == 0) weapons.missileAge[s] += 1;
    // The burst happens wherever the missile is, seen or not.
    if (weapons.missileAge[s] > kMissileLife) {
      missile.active = 0;
      missile.speed = 0;
      SpawnExplosion(mx, my);
    }
  }
}

void UpdateShots(std::uint8_t* surface, std::int32_t pitch) {
  for (std::int32_t k = 0; k < kShotSlots; ++k) {
    const auto s = static_cast<std::size_t>(k);
    Shot& shot = weapons.shotRing[s];
    if (shot.active != 0 && weapons.shotAge[s] < kShotLife) {
      if (controls.paused == 0) weapons.shotAge[s] += 1;
      const std::int32_t sx = ScreenX(shot.x, 0);
      const std::int32_t sy = ScreenY(shot.y, 0);
      const std::int32_t arms =
          shot.owner < settings.humanCount ? kPlayerShotColour : kDroneShotColour;
      PutPixel(surface, pitch, sx, sy, kShotCentreColour);
      PutPixel(surface, pitch, sx, sy - 1, arms);
      PutPixel(surface, pitch, sx, sy + 1, arms);
      PutPixel(surface, pitch, sx - 1, sy, arms);
      PutPixel(surface, pitch, sx + 1, sy, arms);
      if (controls.paused == 0) {
        const double d = shot.speed + 10;
        const CompassDirection along = Compass(shot.heading);
        const std::int32_t nx = TruncToInt(shot.x + d * along.sine);
        const std::int32_t ny = TruncToInt(shot.y - d * along.cosine);
        shot.x = Wrap16(nx);
        shot.y = Wrap16(ny);
      }
    } else if (weapons.shotAge[s] >= kShotLife) {
      shot.active = 0;
      weapons.shotAge[s] = 0;
    }
  }
}

}  // namespace kelmora
