// The digests of a trace line, worked out from the game's records at the end of a tick: the
// particles of each explosion, the words of the effects and the blits, and (SurfaceHash,
// SurfaceHashes in trace.h) the two surfaces.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace kelmora {

// A rectangle as the trace feeds it to a digest (or gathers it as words): left, top, right, bottom.
template <typename Sink>
void FeedRect(Sink& sink, const platform::Rect& rect) {
  sink.Int(rect.left);
  sink.Int(rect.top);
  sink.Int(rect.right);
  sink.Int(rect.bottom);
}

// The effects whose digests are fed from words, in the order the line has them.
enum EffectStream : std::size_t { kExhaustTrails, kMissileTrails, kStarField, kPickupTable };

// The digests of the records, as they stand: the occupied explosion slots' in slot order, the
// effects', and the blits' (the digest of nothing when no frame ran in the tick).
struct RecordDigests {
  std::vector<std::uint64_t> explosions;
  std::array<std::uint64_t, 4> effects{};
  std::uint64_t blits = 0;
};
void WorkOutRecordDigests(bool frameRan, RecordDigests* digests);

}  // namespace kelmora
