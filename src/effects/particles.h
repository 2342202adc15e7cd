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

// One particle into the locked pixel layer, centred on the camera at (cameraX, cameraY).
inline void PlotParticle(std::uint8_t* surface, std::int32_t pitch, std::int16_t cameraX,
                         std::int16_t cameraY, float x, float y, std::int32_t colour) {
  PutPixel(surface, pitch, ParticleScreen(x, cameraX, 320), ParticleScreen(y, cameraY, 240),
           colour);
}

// The same without a branch on where the point lies: a point off the screen is stored into a
// byte of its own that nothing reads.
inline void PlotParticleAnywhere(std::uint8_t* surface, std::int32_t pitch, std::int16_t cameraX,
                                 std::int16_t cameraY, float x, float y, std::int32_t colour) {
  static std::uint8_t offScreen;
  // The same test as PutPixel's, 0 < x < 640 and 0 < y < 480, on the wide screen values.
  const std::int64_t sx = static_cast<std::int64_t>(TruncToInt(x)) - cameraX + 320;
  const std::int64_t sy = static_cast<std::int64_t>(TruncToInt(y)) - cameraY + 240;
  const std::uint64_t shown = static_cast<std::uint64_t>(static_cast<std::uint64_t>(sx - 1) < 639) &
                              static_cast<std::uint64_t>(static_cast<std::uint64_t>(sy - 1) < 479);
  // All ones when shown, else nothing: the address is picked by arithmetic, not by a jump.
  const std::uint64_t pick = 0 - shown;
  const auto onScreen =
      reinterpret_cast<std::uintptr_t>(surface) + static_cast<std::uintptr_t>(sy * pitch + sx);
  const auto elsewhere = reinterpret_cast<std::uintptr_t>(&offScreen);
  auto* const target = reinterpret_cast<std::uint8_t*>((onScreen & pick) | (elsewhere & ~pick));
  *target = static_cast<std::uint8_t>(static_cast<std::uint32_t>(colour));
}

// The same, centred on the current camera.
inline void PlotParticle(std::uint8_t* surface, std::int32_t pitch, float x, float y,
                         std::int32_t colour) {
  PlotParticle(surface, pitch, controls.cameraX, controls.cameraY, x, y, colour);
}

}  // namespace kelmora
