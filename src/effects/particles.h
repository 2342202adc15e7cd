// What explosions and trails share: plotting a particle at its world point.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>

#include "core/numeric.h"
#include "display/pixels.h"
#include "state/state.h"

namespace kelmora {

// The particles of a record that every one of its arrays really holds: its count (none when
// negative), never more than the shortest array.
inline std::size_t ParticlesHeld(std::int32_t count, std::initializer_list<std::size_t> sizes) {
  std::size_t held = static_cast<std::size_t>(std::max(count, 0));
  for (const std::size_t size : sizes) held = std::min(held, size);
  return held;
}

// A particle's world coordinate on the screen: trunc(position) - camera + centre. Worked out wide
// so that a particle however far away cannot overflow; anything off the 32-bit range is off the
// screen all the same.
inline std::int32_t ParticleScreen(float position, std::int16_t camera, std::int32_t centre) {
  const std::int64_t screen = static_cast<std::int64_t>(TruncToInt(position)) - camera + centre;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      screen, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A particle's screen coordinate for the vector passes: trunc(position) - camera + centre, with
// truncation as TruncToInt does it: NaN counts as 0, and a value beyond the 32-bit range lies far
// off the screen whatever it saturates to, so it is held to +-100000 first, which also keeps the
// sums within 32 bits.
inline std::int32_t ScreenCoordinate(float position, std::int32_t camera, std::int32_t centre) {
  std::int32_t whole = 0;
  if (position > -100000.0f && position < 100000.0f) {
    whole = static_cast<std::int32_t>(position);
  } else {
    whole = position != position ? 0 : (position < 0.0f ? -100000 : 100000);
  }
  return whole - camera + centre;
}

// A particle's offset in a layer of this pitch where PutPixel would store it, or 0 where it would
// not: the point (x, y) shown when 0 < x < 640 and 0 < y < 480. No point is ever shown at offset 0
// (the top left corner), so the passes store the points off the screen there and put the corner
// back afterwards, which spares them a jump per point.
inline std::int32_t ParticleOffset(float x, float y, std::int32_t cameraX, std::int32_t cameraY,
                                   std::int32_t pitch) {
  const std::int32_t screenX = ScreenCoordinate(x, cameraX, 320);
  const std::int32_t screenY = ScreenCoordinate(y, cameraY, 240);
  const bool shown = (static_cast<std::uint32_t>(screenX - 1) < 639u) &
                     (static_cast<std::uint32_t>(screenY - 1) < 479u);
  return shown ? screenY * pitch + screenX : 0;
}

// Rows 1..479 of a layer with a pitch up to this have 32-bit offsets; the passes plot the points
// of any other layer (no layer of the game is like that) one by one.
inline constexpr std::int32_t kLargestPitch = (0x7FFFFFFF - 640) / 480;
inline bool TakesOffsets(std::int32_t pitch) {
  return pitch >= 0 && pitch <= kLargestPitch;
}

// The top left corner of a layer that takes offsets, kept while a pass stores its points off the
// screen there and put back as it was when the pass ends.
class KeptCorner {
 public:
  KeptCorner(std::uint8_t* surface, std::int32_t pitch)
      : surface_(TakesOffsets(pitch) ? surface : nullptr),
        value_(surface_ != nullptr ? surface_[0] : 0) {}
  ~KeptCorner() {
    if (surface_ != nullptr) surface_[0] = value_;
  }
  KeptCorner(const KeptCorner&) = delete;
  KeptCorner& operator=(const KeptCorner&) = delete;

 private:
  std::uint8_t* surface_;
  std::uint8_t value_;
};

// One particle into the locked pixel layer, centred on the camera at (cameraX, cameraY).
inline void PlotParticle(std::uint8_t* surface, std::int32_t pitch, std::int16_t cameraX,
                         std::int16_t cameraY, float x, float y, std::int32_t colour) {
  PutPixel(surface, pitch, ParticleScreen(x, cameraX, 320), ParticleScreen(y, cameraY, 240),
           colour);
}

// Stores each point at its offset (from ParticleOffset) in particle order.
inline void PlotAtOffsets(std::uint8_t* surface, const std::int32_t* offsets,
                          const std::int32_t* colours, std::size_t count) {
  for (std::size_t j = 0; j < count; ++j) {
    surface[static_cast<std::uint32_t>(offsets[j])] =
        static_cast<std::uint8_t>(static_cast<std::uint32_t>(colours[j]));
  }
}

// The same, centred on the current camera.
inline void PlotParticle(std::uint8_t* surface, std::int32_t pitch, float x, float y,
                         std::int32_t colour) {
  PlotParticle(surface, pitch, controls.cameraX, controls.cameraY, x, y, colour);
}

}  // namespace kelmora
