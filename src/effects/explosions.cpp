#include "effects/explosions.h"

namespace kelmora {

void SpawnExplosion(std::int32_t, std::int32_t) {}
void UpdateExplosions(std::uint8_t*, std::int32_t) {}

}  // namespace kelmora
