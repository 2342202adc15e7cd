// Turning toward something: how the drones and the missiles bring a steering angle to a compass
// heading.
#pragma once

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

}  // namespace kelmora
