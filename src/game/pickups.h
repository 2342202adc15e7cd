// Pickups: five kinds scattered over the world, drawn every frame and collected by any ship.
#pragma once

#include <cstdint>
#include <memory>

#include "state/state.h"

namespace kelmora {

struct MissilePickup final : Pickup {
  void Spawn(std::uint8_t newKind) override;
};
struct SmallShieldPickup final : Pickup {
  void Spawn(std::uint8_t newKind) override;
};
struct MediumShieldPickup final : Pickup {
  void Spawn(std::uint8_t newKind) override;
};
struct LargeShieldPickup final : Pickup {
  void Spawn(std::uint8_t newKind) override;
};
struct PowerPickup final : Pickup {
  void Spawn(std::uint8_t newKind) override;
};

// A random pickup: draws its kind, makes a pickup of that class and spawns it (three draws).
std::unique_ptr<Pickup> CreateRandomPickup();
// The pickup table of a new game: pickupSetting random pickups; sets pickupCount.
void BuildPickups();
void DrawPickups();
void CollectPickups();

}  // namespace kelmora
