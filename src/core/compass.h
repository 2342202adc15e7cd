// Sines and cosines of whole compass headings. Ships, shots, missiles, trails, stars and the
// camera move along whole headings only, so their sines and cosines come from a table of the
// very numbers the per-frame sums have always used, whatever the C library; any other heading
// (none that the game produces) is worked out afresh.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "core/numeric.h"
#include "core/sine_values.h"

namespace kelmora {

struct CompassDirection {
  double sine;
  double cosine;
};

// Whole headings from kFirstCompassHeading to kLastCompassHeading: a turn either way of 0..15.
inline constexpr std::int32_t kFirstCompassHeading = kSineHeadingFirst;
inline constexpr std::int32_t kLastCompassHeading = kSineHeadingLast;

inline const std::array<CompassDirection, kLastCompassHeading - kFirstCompassHeading + 1>&
CompassTable() {
  static const auto table = [] {
    std::array<CompassDirection, kLastCompassHeading - kFirstCompassHeading + 1> directions{};
    for (std::size_t i = 0; i < directions.size(); ++i) {
      directions[i] = {kHeadingSines[i][0], kHeadingSines[i][1]};
    }
    return directions;
  }();
  return table;
}

// The sine and cosine of heading h (in compass steps).
inline CompassDirection Compass(std::int32_t heading) {
  if (heading >= kFirstCompassHeading && heading <= kLastCompassHeading) {
    return CompassTable()[static_cast<std::size_t>(heading - kFirstCompassHeading)];
  }
  const double radians = HeadingToRadians(static_cast<double>(heading));
  return {std::sin(radians), std::cos(radians)};
}

// The same for a heading held in a float: from the table only when the float is exactly a whole
// heading of it, bit for bit (so -0.0 is not taken for 0).
inline CompassDirection Compass(float heading) {
  if (heading >= static_cast<float>(kFirstCompassHeading) &&
      heading <= static_cast<float>(kLastCompassHeading)) {
    const auto whole = static_cast<std::int32_t>(heading);
    if (std::bit_cast<std::uint32_t>(static_cast<float>(whole)) ==
        std::bit_cast<std::uint32_t>(heading)) {
      return CompassTable()[static_cast<std::size_t>(whole - kFirstCompassHeading)];
    }
  }
  const double radians = HeadingToRadians(static_cast<double>(heading));
  return {std::sin(radians), std::cos(radians)};
}

}  // namespace kelmora
