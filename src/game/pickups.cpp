#include "game/pickups.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "core/alloc.h"
#include "display/sprites.h"
#include "game/state.h"

namespace kelmora {

namespace {

constexpr std::int32_t kTouchHalfWidth = 15;
constexpr std::uint8_t kMissileCap = 15;
constexpr std::uint8_t kShieldCap = 100;
constexpr std::uint8_t kPowerCap = 8;

enum PickupKind : std::uint8_t {
  kMissileKind = 0,
  kSmallShieldKind = 1,
  kMediumShieldKind = 2,
  kLargeShieldKind = 3,
  kPowerKind = 4,
};

// Every kind places itself the same way: anywhere in the quarter of the world left of and above
// the origin (a draw never exceeds 32767), x drawn first. Only the icon differs.
void Place(Pickup& pickup, std::uint8_t kind, std::int32_t cellLeft) {
  pickup.kind = kind;
  pickup.x = Wrap16(rng.Draw() % 65536 - 32768);
  pickup.y = Wrap16(rng.Draw() % 65536 - 32768);
  pickup.sourceRect = Rect{cellLeft, 199, cellLeft + 17, 218};
}

std::unique_ptr<Pickup> NewPickupOfKind(std::int32_t kind) {
  switch (kind) {
    case kMissileKind:
      return NewRecord<MissilePickup>();
    case kSmallShieldKind:
      return NewRecord<SmallShieldPickup>();
    case kMediumShieldKind:
      return NewRecord<MediumShieldPickup>();
    case kLargeShieldKind:
      return NewRecord<LargeShieldPickup>();
    default:
      return NewRecord<PowerPickup>();
  }
}

std::uint8_t AddCapped(std::uint8_t value, std::int32_t amount, std::uint8_t cap) {
  const std::int32_t sum = static_cast<std::int32_t>(value) + amount;
  return sum > cap ? cap : static_cast<std::uint8_t>(sum);
}

void ApplyPickup(Ship& ship, std::uint8_t kind) {
  switch (kind) {
    case kMissileKind:
      ship.missiles = AddCapped(ship.missiles, 5, kMissileCap);
      break;
    case kSmallShieldKind:
      ship.shield = AddCapped(ship.shield, 10, kShieldCap);
      break;
    case kMediumShieldKind:
      ship.shield = AddCapped(ship.shield, 25, kShieldCap);
      break;
    case kLargeShieldKind:
      ship.shield = AddCapped(ship.shield, 50, kShieldCap);
      break;
    case kPowerKind:
      if (ship.power < kPowerCap) ship.power = static_cast<std::uint8_t>(ship.power * 2);
      break;
    default:
      break;
  }
}

bool Touches(const Ship& ship, const Pickup& pickup) {
  const std::int32_t sx = ship.x;
  const std::int32_t sy = ship.y;
  return sx - kTouchHalfWidth < pickup.x && pickup.x < sx + kTouchHalfWidth &&
         sy - kTouchHalfWidth < pickup.y && pickup.y < sy + kTouchHalfWidth;
}

}  // namespace

void MissilePickup::Spawn(std::uint8_t kind) {
  Place(*this, kind, 0);
}
void SmallShieldPickup::Spawn(std::uint8_t kind) {
  Place(*this, kind, 18);
}
void MediumShieldPickup::Spawn(std::uint8_t kind) {
  Place(*this, kind, 36);
}
void LargeShieldPickup::Spawn(std::uint8_t kind) {
  Place(*this, kind, 54);
}
void PowerPickup::Spawn(std::uint8_t kind) {
  Place(*this, kind, 72);
}

std::unique_ptr<Pickup> CreateRandomPickup() {
  const std::int32_t kind = rng.Draw() % 5;
  auto pickup = NewPickupOfKind(kind);
  pickup->Spawn(static_cast<std::uint8_t>(kind));
  return pickup;
}

void BuildPickups() {
  // The new table is filled aside and then takes the old one's place.
  const std::int32_t count = settings.pickupSetting > 0 ? settings.pickupSetting : 0;
  std::vector<std::unique_ptr<Pickup>> table;
  table.reserve(static_cast<std::size_t>(count));
  for (std::int32_t j = 0; j < count; ++j) table.push_back(CreateRandomPickup());
  world.pickupTable = std::move(table);
  world.pickupCount = settings.pickupSetting;
}

void DrawPickups() {
  const std::int32_t slots = PickupSlots();
  for (std::int32_t j = 0; j < slots; ++j) {
    const Pickup& pickup = *world.pickupTable[static_cast<std::size_t>(j)];
    // The 17 x 19 icon is shown one pixel smaller each way.
    const std::int32_t left = pickup.x - controls.cameraX + 312;
    const std::int32_t top = pickup.y - controls.cameraY + 231;
    const std::int32_t right = pickup.x - controls.cameraX + 328;
    const std::int32_t bottom = pickup.y - controls.cameraY + 249;
    BlitSprite(pickup.sourceRect, Rect{left, top, right, bottom}, display.sheetSurface.get(),
               kSpriteBlitFlags);
  }
}

void CollectPickups() {
  const std::int32_t ships = ShipSlots();
  for (std::int32_t i = 0; i < ships; ++i) {
    // Ships out of play collect too.
    Ship& ship = *world.shipTable[static_cast<std::size_t>(i)];
    const std::int32_t slots = PickupSlots();
    for (std::int32_t j = 0; j < slots; ++j) {
      auto& slot = world.pickupTable[static_cast<std::size_t>(j)];
      if (!Touches(ship, *slot)) continue;
      ApplyPickup(ship, slot->kind);
      // Replaced at once by a fresh pickup elsewhere, made whole before it takes the slot.
      auto fresh = CreateRandomPickup();
      slot = std::move(fresh);
    }
  }
}

}  // namespace kelmora
