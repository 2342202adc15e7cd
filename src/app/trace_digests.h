// The digests of a trace line, worked out from the game's records at the end of a tick: the
// particles of each explosion, the words of the effects and the blits, and the two surfaces.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kelmora::platform {
class Surface;
}

namespace kelmora {

// The part of a surface the trace digests: at most 640x480 from its top left corner. No pixels:
// no surface.
struct SurfaceView {
  const std::uint8_t* pixels = nullptr;
  std::size_t width = 0;
  int height = 0;
  int pitch = 0;
};

SurfaceView ViewOf(const platform::Surface* surface);
// The digest of a surface's visible bytes, row by row without the pitch padding (the digest of
// nothing when there is no surface).
std::uint64_t ViewHash(const SurfaceView& view);
// The digests of two views, each as ViewHash gives it, worked out side by side.
std::array<std::uint64_t, 2> ViewHashes(const SurfaceView& first, const SurfaceView& second);

// The particles of one explosion that its digest covers.
struct ParticleSpans {
  std::span<const float> x;
  std::span<const float> y;
  std::span<const float> angle;
  std::span<const float> speed;
  std::span<const std::int32_t> colour;
};

// The effects whose digests are fed from words, in the order the line has them.
enum EffectStream : std::size_t { kExhaustTrails, kMissileTrails, kStarField, kPickupTable };

// Everything the digests of a line other than the two surfaces' are worked out from: views
// into the game's records, valid until the game goes on.
struct RecordInputs {
  // The occupied explosion slots, in slot order.
  std::vector<ParticleSpans> explosions;
  // The words of each effect's digest.
  std::array<std::vector<std::uint32_t>, 4> effects;
  // The frame's blit words, when a frame ran in the tick; the line's blit digest is the digest
  // of nothing otherwise.
  bool frameRan = false;
  std::span<const std::uint32_t> blits;
};

void TakeRecordInputs(bool frameRan, RecordInputs* inputs);

// The record digests: the explosions' in slot order, the effects' and the blits'.
struct RecordDigests {
  std::vector<std::uint64_t> explosions;
  std::array<std::uint64_t, 4> effects{};
  std::uint64_t blits = 0;
};
void WorkOutRecordDigests(const RecordInputs& inputs, RecordDigests* digests);

}  // namespace kelmora
