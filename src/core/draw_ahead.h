// Working out a stretch of the random generator's sequence ahead of time, many draws at once.
//
// The generator is a linear congruential step, state * 214013 + 2531011 (mod 2^32), so n steps
// at once are again one such step with its own multiplier and increment. A block of kLanes draws
// is worked out in kLanes lanes side by side, each lane leaping from the block's first state to
// its own draw, and the next block starts kLanes steps further on. The values are the very same
// as drawing one after another; the generator itself is moved on by whoever uses them, by the
// number of draws really taken.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/vector_clones.h"

namespace kelmora {

inline constexpr std::uint32_t kDrawMultiplier = 214013u;
inline constexpr std::uint32_t kDrawIncrement = 2531011u;

// The value a draw returns once the generator has reached `state`: 0..32767.
constexpr std::uint32_t DrawnValue(std::uint32_t state) {
  return (state >> 16) & 0x7FFFu;
}

// n steps of the generator as one: state * multiplier + increment.
struct Leap {
  std::uint32_t multiplier = 1;
  std::uint32_t increment = 0;
};

constexpr Leap LeapOf(std::uint64_t steps) {
  Leap total;                                   // no step at all
  Leap power{kDrawMultiplier, kDrawIncrement};  // one step, then 2, 4, 8, ...
  while (steps != 0) {
    if ((steps & 1) != 0) {
      total = {total.multiplier * power.multiplier,
               total.increment * power.multiplier + power.increment};
    }
    power = {power.multiplier * power.multiplier,
             power.increment * power.multiplier + power.increment};
    steps >>= 1;
  }
  return total;
}

// The leaps from the start of a block of kLanes draws to each of its draws (1 to kLanes steps).
template <std::size_t kLanes>
struct LaneLeaps {
  std::uint32_t multiplier[kLanes];
  std::uint32_t increment[kLanes];
};

template <std::size_t kLanes>
constexpr LaneLeaps<kLanes> MakeLaneLeaps() {
  LaneLeaps<kLanes> leaps{};
  for (std::size_t l = 0; l < kLanes; ++l) {
    const Leap leap = LeapOf(l + 1);
    leaps.multiplier[l] = leap.multiplier;
    leaps.increment[l] = leap.increment;
  }
  return leaps;
}

// Quotients by small numbers without a division, for drawn values (0..32767) only; vector code
// has no integer division. Each is exact over that whole range (checked in the tests).
constexpr std::uint32_t QuotientBy5(std::uint32_t value) {
  return (value * 52429u) >> 18;
}
constexpr std::uint32_t QuotientBy10(std::uint32_t value) {
  return (value * 52429u) >> 19;
}
constexpr std::uint32_t QuotientBy100(std::uint32_t value) {
  return (value * 5243u) >> 19;
}
constexpr std::uint32_t QuotientBy200(std::uint32_t value) {
  return (value * 5243u) >> 20;
}

// `blocks` blocks of kLanes draws from generator state `state`: calls take(i, s) with the state
// s after draw i + 1 (i counting from 0), for every draw of the blocks; returns the state after
// the last of them. Inlined into each user, so that its loop becomes that user's vector code.
template <std::size_t kLanes, class Take>
inline __attribute__((always_inline)) std::uint32_t DrawBlocks(std::size_t blocks,
                                                               std::uint32_t state, Take take) {
  static constexpr LaneLeaps<kLanes> kLeaps = MakeLaneLeaps<kLanes>();
  static constexpr Leap kBlock = LeapOf(kLanes);
  for (std::size_t b = 0; b < blocks; ++b) {
    for (std::size_t l = 0; l < kLanes; ++l) {
      take(b * kLanes + l, state * kLeaps.multiplier[l] + kLeaps.increment[l]);
    }
    state = state * kBlock.multiplier + kBlock.increment;
  }
  return state;
}

}  // namespace kelmora
