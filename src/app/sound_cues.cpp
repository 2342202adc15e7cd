#include "app/sound_cues.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "menu/menu.h"
#include "state/state.h"

namespace kelmora {

namespace {

// A missile bursts by itself once its age has passed this many updates; one that ends younger
// has hit a ship.
constexpr std::int32_t kMissileBurstAge = 75;
// A pickup is taken by a ship it lies strictly less than this from on both axes.
constexpr std::int32_t kPickupReach = 15;
// An explosion this close to where a missile ended or a drone died is that event's.
constexpr std::int32_t kSamePlace = 40;

bool Near(std::int32_t ax, std::int32_t ay, std::int32_t bx, std::int32_t by,
          std::int32_t distance) {
  return std::abs(ax - bx) < distance && std::abs(ay - by) < distance;
}

SoundEffect PickupEffect(std::uint8_t kind) {
  switch (kind) {
    case 0:
      return SoundEffect::kMissilePickup;
    case 1:
      return SoundEffect::kSmallShieldPickup;
    case 2:
      return SoundEffect::kMediumShieldPickup;
    case 3:
      return SoundEffect::kLargeShieldPickup;
    default:
      return SoundEffect::kPowerPickup;
  }
}

struct Place {
  std::int32_t x;
  std::int32_t y;
};

}  // namespace

float GainAtDistance(double dx, double dy) {
  const double share = std::sqrt(dx * dx + dy * dy) / kSoundReach;
  if (share >= 1.0) return 0.0f;
  return static_cast<float>((1.0 - share) * (1.0 - share));
}

float PanAt(double dx) {
  const double pan = dx / 320.0;
  return static_cast<float>(pan < -1.0 ? -1.0 : (pan > 1.0 ? 1.0 : pan));
}

std::vector<SoundCue> SoundObserver::Observe(bool frameRan) {
  if (!seen_) {
    Take();
    return {};
  }
  std::array<SoundCue, kSoundEffectCount> loudest{};
  const std::int32_t cameraX = controls.cameraX;
  const std::int32_t cameraY = controls.cameraY;
  auto cue = [&](SoundEffect effect, std::int32_t x, std::int32_t y) {
    const double dx = static_cast<double>(x - cameraX);
    const double dy = static_cast<double>(y - cameraY);
    const float gain = GainAtDistance(dx, dy);
    SoundCue& slot = loudest[static_cast<std::size_t>(effect)];
    if (gain <= 0.0f || gain <= slot.gain) return;
    slot = SoundCue{effect, gain, PanAt(dx)};
  };

  const bool sameGame = world.generation == generation_ && world.shipTable.size() == ships_.size();

  // Shots: the ring slots the frame used, from where the ring stood to where it stands now.
  const std::int32_t newShots = (weapons.shotNext - shotNext_ + kShotSlots) % kShotSlots;
  for (std::int32_t i = 0; i < newShots; ++i) {
    const Shot& shot = weapons.shotRing[static_cast<std::size_t>((shotNext_ + i) % kShotSlots)];
    if (shot.active == 0) continue;
    cue(shot.owner < settings.humanCount ? SoundEffect::kPlayerShot : SoundEffect::kDroneShot,
        shot.x, shot.y);
  }

  // Missiles launched, and missiles ended: by themselves (a burst with its explosion) or on a
  // ship.
  const std::int32_t launched =
      (weapons.missileNext - missileNext_ + kMissileSlots) % kMissileSlots;
  for (std::int32_t i = 0; i < launched; ++i) {
    const Missile& missile =
        weapons.missileRing[static_cast<std::size_t>((missileNext_ + i) % kMissileSlots)];
    if (missile.active == 0) continue;
    cue(SoundEffect::kMissileLaunch, static_cast<std::int32_t>(missile.x),
        static_cast<std::int32_t>(missile.y));
  }
  std::vector<Place> bursts;
  for (std::size_t k = 0; k < missiles_.size(); ++k) {
    const Missile& missile = weapons.missileRing[k];
    if (missiles_[k].active == 0 || missile.active != 0) continue;
    const Place at{static_cast<std::int32_t>(missile.x), static_cast<std::int32_t>(missile.y)};
    cue(SoundEffect::kMissileBurst, at.x, at.y);
    if (weapons.missileAge[k] > kMissileBurstAge) bursts.push_back(at);
  }

  // Explosions newly made: a kill near the view, unless it is a missile's own burst.
  std::vector<Place> explosions;
  for (std::size_t k = 0; k < explosions_.size(); ++k) {
    const ExplosionSystem* explosion = effectState.explosionRing[k].get();
    if (explosion == nullptr || explosion->serial == explosions_[k] || explosion->x.empty()) {
      continue;
    }
    const Place at{static_cast<std::int32_t>(explosion->x[0]),
                   static_cast<std::int32_t>(explosion->y[0])};
    explosions.push_back(at);
    bool burst = false;
    for (const Place& b : bursts) burst = burst || Near(at.x, at.y, b.x, b.y, kSamePlace);
    if (!burst) cue(SoundEffect::kExplosion, at.x, at.y);
  }

  const Ship* player = PlayerOrNull();
  const bool playerAlive = player != nullptr && player->alive != 0;
  if (sameGame) {
    // Drones killed out of the view's explosions: their slot holds a new record.
    for (std::size_t i = static_cast<std::size_t>(settings.humanCount); i < ships_.size(); ++i) {
      if (world.shipTable[i].get() == ships_[i].record) continue;
      bool seen = false;
      for (const Place& e : explosions) {
        seen = seen || Near(e.x, e.y, ships_[i].x, ships_[i].y, kSamePlace);
      }
      if (!seen) cue(SoundEffect::kFarExplosion, ships_[i].x, ships_[i].y);
    }
    if (playerAlive_ && player != nullptr && !playerAlive) {
      cue(SoundEffect::kPlayerDestroyed, cameraX, cameraY);
    }
    // Pickups the player took: a slot given a fresh pickup where the old one touched the ship.
    if (playerAlive_ && player != nullptr && world.pickupTable.size() == pickups_.size()) {
      for (std::size_t j = 0; j < pickups_.size(); ++j) {
        const Pickup* now = world.pickupTable[j].get();
        const PickupSeen& was = pickups_[j];
        if (now == nullptr || (now->x == was.x && now->y == was.y && now->kind == was.kind)) {
          continue;
        }
        if (Near(was.x, was.y, player->x, player->y, kPickupReach)) {
          cue(PickupEffect(was.kind), player->x, player->y);
        }
      }
    }
  }

  // A click on a button of a panel that was up. (The released edge stays set until the next
  // mouse read, so it counts only in a frame that read the mouse.)
  if (frameRan && !playerAlive_ && !playerAlive && inputState.buttonReleased[0] != 0 &&
      OnMenuButton(mainMenu_, options_, exitDialog_, menuState.cursorX, menuState.cursorY)) {
    cue(SoundEffect::kMenuClick, cameraX + (menuState.cursorX - 320) / 2, cameraY);
  }

  Take();
  std::vector<SoundCue> cues;
  for (const SoundCue& c : loudest) {
    if (c.effect != SoundEffect::kCount) cues.push_back(c);
  }
  return cues;
}

void SoundObserver::Take() {
  seen_ = true;
  generation_ = world.generation;
  shotNext_ = weapons.shotNext;
  missileNext_ = weapons.missileNext;
  ships_.resize(world.shipTable.size());
  for (std::size_t i = 0; i < ships_.size(); ++i) {
    const Ship* ship = world.shipTable[i].get();
    ships_[i] = ship == nullptr ? ShipSeen{} : ShipSeen{ship, ship->x, ship->y};
  }
  missiles_.resize(weapons.missileRing.size());
  for (std::size_t k = 0; k < missiles_.size(); ++k) {
    const Missile& missile = weapons.missileRing[k];
    missiles_[k] = MissileSeen{missile.active, missile.x, missile.y};
  }
  explosions_.resize(effectState.explosionRing.size());
  for (std::size_t k = 0; k < explosions_.size(); ++k) {
    const ExplosionSystem* explosion = effectState.explosionRing[k].get();
    explosions_[k] = explosion == nullptr ? 0 : explosion->serial;
  }
  pickups_.resize(world.pickupTable.size());
  for (std::size_t j = 0; j < pickups_.size(); ++j) {
    const Pickup* pickup = world.pickupTable[j].get();
    pickups_[j] = pickup == nullptr ? PickupSeen{} : PickupSeen{pickup->x, pickup->y, pickup->kind};
  }
  const Ship* player = PlayerOrNull();
  playerAlive_ = player != nullptr && player->alive != 0;
  mainMenu_ = menuState.mainMenuVisible != 0;
  options_ = menuState.optionsVisible != 0;
  exitDialog_ = menuState.exitDialogVisible != 0;
}

}  // namespace kelmora
