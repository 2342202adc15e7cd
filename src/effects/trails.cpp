#include "effects/trails.h"

namespace kelmora {

void ResetTrails() {}
void UpdateExhaustTrails(std::uint8_t*, std::int32_t) {}
void UpdateMissileTrails(std::uint8_t*, std::int32_t) {}

}  // namespace kelmora
