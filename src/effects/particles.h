// What explosions and trails share: plotting a particle at its world point.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/numeric.h"
#include "display/pixels.h"
#include "game/state.h"

namespace kelmora {

// A particle's world coordinate on the screen: trunc(world) - camera + centre. Worked out wide so
// that a particle however far away cannot overflow; anything off the 32-bit range is off the
// screen all the same.
inline std::int32_t ParticleScreen(float world, std::int16_t camera, std::int32_t centre) {
  const std::int64_t screen = static_cast<std::int64_t>(TruncToInt(world)) - camera + centre;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      screen, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// One particle into the locked pixel layer, centred on the camera.
inline void PlotParticle(std::uint8_t* surface, std::int32_t pitch, float x, float y,
                         std::int32_t colour) {
  PutPixel(surface, pitch, ParticleScreen(x, controls.cameraX, 320),
           ParticleScreen(y, controls.cameraY, 240), colour);
}

}  // namespace kelmora
