// Turning toward something: how the drones and the missiles bring a steering angle to a compass
// heading.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/numeric.h"

namespace kelmora {

// One turn either way brings a steering result back into 0..15.
inline void NormaliseHeading(float& heading) {
  if (heading < 0.0f) heading += 16.0f;
  if (heading > 15.0f) heading -= 16.0f;
}

// A steering angle as a compass step: scaled by 17 (not 16) and truncated, then brought back
// into 0..15 by one turn either way. Without an angle, 0.
inline float SteeringHeading(bool haveAngle, double theta) {
  float heading = haveAngle ? TruncToFloat(theta / kTwoPi * 17.0) : 0.0f;
  NormaliseHeading(heading);
  return heading;
}

// A steering angle is the arcsine a of a sideways distance over a distance, turned by whole or
// half turns: a, a + pi, (a + pi) + pi or a + 2 pi, each sum in double precision.
enum class ArcTurn : std::uint8_t { kNone, kHalf, kHalfTwice, kWhole };

// The quotients at which trunc(angle / 2pi * 17) of a turned arcsine steps up by one: from -1 to
// the first of them the step is `first`, and each one reached adds one. These are the game's own
// numbers, worked out from the arcsine it has always used, so that the heading does not hang on
// the last bit of the C library's arcsine (the bits of the arcsine that a truncation can see).
struct ArcSteps {
  std::int32_t first;
  std::size_t count;
  std::array<double, 9> from;
};

inline constexpr std::array<ArcSteps, 4> kArcSteps = {{
    {-4,
     8,
     {-0x1.fdd0ded60009ap-1, -0x1.ca52d8400a149p-1, -0x1.58eea32c6b387p-1, -0x1.71e9567dab4d5p-2,
      0x1.71e9567dab4d6p-2, 0x1.58eea32c6b388p-1, 0x1.ca52d8400a14ap-1, 0x1.fdd0ded60009bp-1}},
    {4,
     8,
     {-0x1.ec7469786256ap-1, -0x1.9895b74ebae19p-1, -0x1.0d8884a6e9eb6p-1, -0x1.7851ab7b1c476p-3,
      0x1.7851ab7b1c468p-3, 0x1.0d8884a6e9eb1p-1, 0x1.9895b74ebae17p-1, 0x1.ec7469786256ap-1}},
    {12,
     9,
     {-0x1.fdd0ded60009bp-1, -0x1.ca52d8400a14cp-1, -0x1.58eea32c6b38ep-1, -0x1.71e9567dab4dcp-2,
      -0x1.7ffffffffffffp-51, 0x1.71e9567dab4d5p-2, 0x1.58eea32c6b387p-1, 0x1.ca52d8400a146p-1,
      0x1.fdd0ded60009bp-1}},
    {12,
     9,
     {-0x1.fdd0ded60009bp-1, -0x1.ca52d8400a14cp-1, -0x1.58eea32c6b38dp-1, -0x1.71e9567dab4dfp-2,
      -0x1p-51, 0x1.71e9567dab4d2p-2, 0x1.58eea32c6b387p-1, 0x1.ca52d8400a146p-1,
      0x1.fdd0ded60009bp-1}},
}};

// trunc(angle / 2pi * 17) for the arcsine of quotient turned by `turn`. A quotient outside -1..1
// has no arcsine: its angle is no number, which truncates to 0.
inline std::int32_t ArcStep(ArcTurn turn, double quotient) {
  if (!(quotient >= -1.0 && quotient <= 1.0)) return 0;
  const ArcSteps& steps = kArcSteps[static_cast<std::size_t>(turn)];
  std::int32_t step = steps.first;
  for (std::size_t k = 0; k < steps.count; ++k) {
    if (quotient >= steps.from[k]) ++step;
  }
  return step;
}

// The compass heading of a steering angle given as a turned arcsine, negated when `negated`
// (-(angle) truncates to minus the same step); without an angle, 0.
inline float ArcSteeringHeading(bool haveAngle, ArcTurn turn, bool negated, double quotient) {
  float heading = 0.0f;
  if (haveAngle) {
    const std::int32_t step = ArcStep(turn, quotient);
    heading = static_cast<float>(negated ? -step : step);
  }
  NormaliseHeading(heading);
  return heading;
}

}  // namespace kelmora
