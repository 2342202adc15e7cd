// Explosions: particle clouds in a ring of ten.
#pragma once

#include <cstdint>

namespace kelmora {

void SpawnExplosion(std::int32_t px, std::int32_t py);
void UpdateExplosions(std::uint8_t* surface, std::int32_t pitch);

}  // namespace kelmora
