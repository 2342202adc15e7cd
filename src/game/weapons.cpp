#include "game/weapons.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "display/pixels.h"
#include "display/sprites.h"
#include "effects/compass.h"
#include "effects/explosions.h"
#include "game/state.h"

namespace kelmora {

namespace {

constexpr std::int32_t kShotLife = 15;     // updates a shot flies before it ends
constexpr std::int32_t kMissileLife = 75;  // a missile bursts on the update after this age
constexpr std::int32_t kShotCentreColour = 15;
constexpr std::int32_t kPlayerShotColour = 9;
constexpr std::int32_t kDroneShotColour = 12;

TrailSystem* MissileTrail(std::int32_t slot) {
  return effects.missileTrails[static_cast<std::size_t>(slot)].get();
}

// The sixteen missile cells lie side by side in one row of the sheet, 14 pixels apart.
Rect MissileCell(float heading) {
  const double h = static_cast<double>(heading);
  return Rect{TruncToInt(h * 14.0), 185, TruncToInt(h * 14.0 + 12.0), 197};
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

namespace {

// Room for the distances to every ship, kept from frame to frame so that steering a missile
// allocates nothing once it has seen the largest table.
struct RetargetRoom {
  std::vector<float> dx;
  std::vector<float> dy;
  std::vector<float> dist;
};
RetargetRoom retargetRoom;

}  // namespace

void Retarget(Missile& missile) {
  const std::int32_t slots = ShipSlots();
  std::vector<float>& dx = retargetRoom.dx;
  std::vector<float>& dy = retargetRoom.dy;
  std::vector<float>& dist = retargetRoom.dist;
  dx.resize(static_cast<std::size_t>(std::max(slots, 0)));
  dy.resize(dx.size());
  dist.resize(dx.size());
  for (std::int32_t i = 0; i < slots; ++i) {
    const Ship& ship = ShipRecord(i);
    const auto s = static_cast<std::size_t>(i);
    dx[s] = static_cast<float>(static_cast<double>(ship.x) - static_cast<double>(missile.x));
    dy[s] = static_cast<float>(static_cast<double>(ship.y) - static_cast<double>(missile.y));
    const double fx = static_cast<double>(dx[s]);
    const double fy = static_cast<double>(dy[s]);
    dist[s] = static_cast<float>(std::sqrt(fy * fy + fx * fx));
  }

  // The first drone slot is the first candidate, taken without asking whether it launched the
  // missile; after it only a strictly nearer ship other than the launcher wins.
  std::int32_t target = settings.humanCount;
  float best = 0.0f;
  if (target >= 0 && target < slots) {
    best = dist[static_cast<std::size_t>(target)];
  } else {
    target = -1;
    best = std::numeric_limits<float>::infinity();
  }
  for (std::int32_t i = 0; i < slots; ++i) {
    const float d = dist[static_cast<std::size_t>(i)];
    if (best > d && i != missile.ownerIndex) {
      best = d;
      target = i;
    }
  }
  missile.speed = 3;
  if (target < 0) return;  // no ship to turn to
  missile.target = target;

  // Steer by the arcsine of the sideways distance over the distance. A missile standing right on
  // its target has no direction to it and points up.
  const auto t = static_cast<std::size_t>(target);
  double heading = 0.0;
  if (dist[t] != 0.0f) {
    const double a = std::asin(static_cast<double>(dx[t]) / static_cast<double>(dist[t]));
    double turned = 0.0;
    if (dy[t] > 0.0f) {
      turned = -(a + kPi);
    } else if (dy[t] < 0.0f) {
      turned = a + kTwoPi;
    } else {
      turned = a + kPi;
    }
    // Scaled by 17, not 16, as the drones steer.
    heading = TruncToFloat(turned / kTwoPi * 17.0);
  }
  missile.heading = static_cast<float>(heading);
  if (missile.heading < 0.0f) missile.heading += 16.0f;
  if (missile.heading > 15.0f) missile.heading -= 16.0f;
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
      const double phi = HeadingToRadians(static_cast<double>(missile.heading));
      missile.x = static_cast<float>(static_cast<double>(missile.x) + d * std::sin(phi));
      missile.y = static_cast<float>(static_cast<double>(missile.y) - d * std::cos(phi));
      missile.spriteRect = MissileCell(missile.heading);
    }

    if (TrailSystem* trail = MissileTrail(k)) {
      trail->heading = TruncToFloat(static_cast<double>(missile.heading));
    }

    const std::int32_t mx = TruncToInt(static_cast<double>(missile.x));
    const std::int32_t my = TruncToInt(static_cast<double>(missile.y));
    const std::int32_t left = mx - controls.cameraX + 314;
    const std::int32_t top = my - controls.cameraY + 234;
    const std::int32_t right = mx - controls.cameraX + 326;
    const std::int32_t bottom = my - controls.cameraY + 246;
    BlitSprite(missile.spriteRect, Rect{left, top, right, bottom}, display.sheetSurface.get(),
               kSpriteBlitFlags);

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
      const std::int32_t sx = shot.x - controls.cameraX + 320;
      const std::int32_t sy = shot.y - controls.cameraY + 240;
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
