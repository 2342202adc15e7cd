// Sines and cosines of whole compass headings. Trails and stars move along whole headings only,
// so their sines and cosines come from a table worked out once, from the very same double
// values that the per-frame sums would use; any other heading is worked out afresh.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "core/numeric.h"

namespace kelmora {

struct CompassDirection {
  double sine;
  double cosine;
};

// Whole headings from kFirstCompassHeading to kLastCompassHeading: a turn either way of 0..15.
inline constexpr std::int32_t kFirstCompassHeading = -16;
inline constexpr std::int32_t kLastCompassHeading = 31;

inline const std::array<CompassDirection, kLastCompassHeading - kFirstCompassHeading + 1>&
CompassTable() {
  static const auto table = [] {
    std::array<CompassDirection, kLastCompassHeading - kFirstCompassHeading + 1> directions{};
    for (std::int32_t h = kFirstCompassHeading; h <= kLastCompassHeading; ++h) {
      const double radians = HeadingToRadians(static_cast<double>(h));
      directions[static_cast<std::size_t>(h - kFirstCompassHeading)] = {std::sin(radians),
                                                                        std::cos(radians)};
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
