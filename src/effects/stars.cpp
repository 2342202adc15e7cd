#include "effects/stars.h"

namespace kelmora {

void PlaceStars() {}
void SetStarHeading(float) {}
void SetStarThrust(std::int32_t) {}
void StepStars(std::uint8_t*, std::int32_t) {}

}  // namespace kelmora
