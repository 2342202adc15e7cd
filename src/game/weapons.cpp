#include "game/weapons.h"

namespace kelmora {

void SpawnShot(std::int32_t) {}
void SpawnMissile(std::int32_t) {}
void UpdateMissiles() {}
void UpdateShots(std::uint8_t*, std::int32_t) {}
void Retarget(Missile&) {}
Ship* MissileOwner(const Missile&) {
  return nullptr;
}

}  // namespace kelmora
