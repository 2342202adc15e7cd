// Exhaust trails behind ships and trails behind missiles.
#pragma once

#include <cstdint>

namespace kelmora {

// Rebuilds the exhaust trails at the new ships and re-seeds the missile trails at the origin.
void ResetTrails();
void UpdateExhaustTrails(std::uint8_t* surface, std::int32_t pitch);
void UpdateMissileTrails(std::uint8_t* surface, std::int32_t pitch);

}  // namespace kelmora
