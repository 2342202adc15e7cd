// The starfield: 100 stars in screen space drifting against the player's flight.
#pragma once

#include <cstdint>

namespace kelmora {

void PlaceStars();
void SetStarHeading(float heading);
void SetStarThrust(std::int32_t thrust);
// Moves (unless paused), draws and wraps every star; inside the pixel phase.
void StepStars(std::uint8_t* surface, std::int32_t pitch);

}  // namespace kelmora
