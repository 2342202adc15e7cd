#include "game/pickups.h"

namespace kelmora {

void MissilePickup::Spawn(std::uint8_t) {}
void SmallShieldPickup::Spawn(std::uint8_t) {}
void MediumShieldPickup::Spawn(std::uint8_t) {}
void LargeShieldPickup::Spawn(std::uint8_t) {}
void PowerPickup::Spawn(std::uint8_t) {}
std::unique_ptr<Pickup> CreateRandomPickup() {
  return nullptr;
}
void BuildPickups() {}
void DrawPickups() {}
void CollectPickups() {}

}  // namespace kelmora
