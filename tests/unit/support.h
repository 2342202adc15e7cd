// Shared set-up for the unit tests: every test starts from the state before start-up, on the
// headless backend, with no fault armed.
#pragma once

#include <cstdint>
#include <vector>

#include "app/app.h"
#include "core/hash.h"
#include "display/sprites.h"
#include "platform/backend.h"
#include "platform/display.h"
#include "platform/faults.h"
#include "platform/headless/headless_backend.h"
#include "platform/window.h"
#include "state/state.h"

namespace kelmora::testing {

inline void ResetEverything() {
  platform::InstallBackend(&platform::Headless());
  platform::ClearFaults();
  platform::ResetWindowing();
  ResetGameState();
  platform::Headless().Reset();
  platform::ResetDisplayLog();
}

// Starts the real game on the headless backend with `seed` as the clock; true when start-up
// succeeded.
inline bool StartHeadlessGame(std::uint32_t seed = 1) {
  platform::Headless().SetClock(seed);
  return StartUp();
}

// One blit as the frame record counts it: the surface's number (0 the sprite sheet, 1 the
// panels, 2 the pixel layer), the rectangles and the flags.
struct RecordedBlit {
  std::int32_t surface;
  Rect source;
  Rect destination;
  std::uint32_t flags = kSpriteBlitFlags;
};

// The frame record's digest for these blits, worked out from the record's word layout.
inline std::uint64_t DigestOf(const std::vector<RecordedBlit>& blits) {
  Fnv1a64 h;
  for (const RecordedBlit& b : blits) {
    for (std::int32_t word :
         {b.surface, b.source.left, b.source.top, b.source.right, b.source.bottom,
          b.destination.left, b.destination.top, b.destination.right, b.destination.bottom}) {
      h.Int(word);
    }
    h.Word(b.flags);
  }
  return h.Value();
}

}  // namespace kelmora::testing
