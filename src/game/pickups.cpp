#include "game/pickups.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "display/sprites.h"
#include "game/controls.h"
#include "platform/alloc.h"
#include "state/state.h"

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
void Place(Pickup& pickup, std::uint8_t kind, layout::PickupKind icon) {
  pickup.kind = kind;
  pickup.x = Wrap16(rng.Draw() % 65536 - 32768);
  pickup.y = Wrap16(rng.Draw() % 65536 - 32768);
  pickup.sourceRect = SheetRect(layout::PickupCell(static_cast<int>(icon)));
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

// Columns of the world, 32 units wide, for finding the pickups within a ship's reach.
constexpr std::size_t kPickupColumns = 65536 / 32;
std::size_t PickupColumn(std::int16_t x) {
  return static_cast<std::size_t>(x + 32768) / 32;
}

// Room for the collection pass, kept from frame to frame so that the pass allocates nothing once
// it has seen the largest table.
struct PickupIndex {
  std::vector<std::int32_t> columnStart;    // kPickupColumns + 1 offsets into slotsByColumn
  std::vector<std::int32_t> fill;           // the next free place of each column while sorting
  std::vector<std::int32_t> slotsByColumn;  // the slots, column by column, in slot order
  std::vector<std::int32_t> replaced;       // slots given a fresh pickup during this pass
  std::vector<std::int32_t> candidates;     // the slots one ship tests, in slot order
};
PickupIndex pickupIndex;

bool Touches(const Ship& ship, const Pickup& pickup) {
  const std::int32_t sx = ship.x;
  const std::int32_t sy = ship.y;
  return sx - kTouchHalfWidth < pickup.x && pickup.x < sx + kTouchHalfWidth &&
         sy - kTouchHalfWidth < pickup.y && pickup.y < sy + kTouchHalfWidth;
}

}  // namespace

void MissilePickup::Spawn(std::uint8_t newKind) {
  Place(*this, newKind, layout::PickupKind::kMissiles);
}
void SmallShieldPickup::Spawn(std::uint8_t newKind) {
  Place(*this, newKind, layout::PickupKind::kSmallShield);
}
void MediumShieldPickup::Spawn(std::uint8_t newKind) {
  Place(*this, newKind, layout::PickupKind::kMediumShield);
}
void LargeShieldPickup::Spawn(std::uint8_t newKind) {
  Place(*this, newKind, layout::PickupKind::kLargeShield);
}
void PowerPickup::Spawn(std::uint8_t newKind) {
  Place(*this, newKind, layout::PickupKind::kPower);
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
    const std::int32_t left = ScreenX(pickup.x, -8);
    const std::int32_t top = ScreenY(pickup.y, -9);
    const std::int32_t right = ScreenX(pickup.x, 8);
    const std::int32_t bottom = ScreenY(pickup.y, 9);
    BlitSprite(pickup.sourceRect, Rect{left, top, right, bottom}, displayObjects.sheetSurface.get(),
               kSpriteBlitFlags);
  }
}

void CollectPickups() {
  // Every ship is tested against every pickup, in slot order. The pickups are first sorted into
  // columns of the world by x (a counting sort that keeps slot order within a column), so a ship
  // need only look at the one or two columns within its reach. A pickup replaced during the pass
  // may land anywhere: it goes on a short list that every later ship looks at too. The exact test
  // then runs on each candidate in slot order, as the plain double loop would.
  const std::int32_t ships = ShipSlots();
  const std::int32_t slots = PickupSlots();
  if (ships <= 0 || slots <= 0) return;
  auto& index = pickupIndex;
  index.columnStart.assign(kPickupColumns + 1, 0);
  index.slotsByColumn.resize(static_cast<std::size_t>(slots));
  for (std::int32_t j = 0; j < slots; ++j) {
    ++index.columnStart[PickupColumn(world.pickupTable[static_cast<std::size_t>(j)]->x) + 1];
  }
  for (std::size_t c = 0; c < kPickupColumns; ++c) {
    index.columnStart[c + 1] += index.columnStart[c];
  }
  index.fill.assign(index.columnStart.begin(), index.columnStart.end() - 1);
  for (std::int32_t j = 0; j < slots; ++j) {
    const std::size_t column = PickupColumn(world.pickupTable[static_cast<std::size_t>(j)]->x);
    index.slotsByColumn[static_cast<std::size_t>(index.fill[column]++)] = j;
  }
  index.replaced.clear();

  for (std::int32_t i = 0; i < ships; ++i) {
    // Ships out of play collect too.
    Ship& ship = ShipRecord(i);
    // A pickup is within reach when its x lies in sx - 14 .. sx + 14.
    const std::size_t first =
        PickupColumn(static_cast<std::int16_t>(std::max(ship.x - 14, -32768)));
    const std::size_t last = PickupColumn(static_cast<std::int16_t>(std::min(ship.x + 14, 32767)));
    auto& candidates = index.candidates;
    candidates.clear();
    for (std::size_t c = first; c <= last; ++c) {
      for (std::int32_t k = index.columnStart[c]; k < index.columnStart[c + 1]; ++k) {
        candidates.push_back(index.slotsByColumn[static_cast<std::size_t>(k)]);
      }
    }
    if (candidates.empty() && index.replaced.empty()) continue;
    candidates.insert(candidates.end(), index.replaced.begin(), index.replaced.end());
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    for (const std::int32_t j : candidates) {
      auto& slot = world.pickupTable[static_cast<std::size_t>(j)];
      if (!Touches(ship, *slot)) continue;
      ApplyPickup(ship, slot->kind);
      // Replaced at once by a fresh pickup elsewhere, made whole before it takes the slot. It is
      // not tested against this ship again, but against every later one.
      auto fresh = CreateRandomPickup();
      slot = std::move(fresh);
      index.replaced.push_back(j);
    }
  }
}

}  // namespace kelmora
