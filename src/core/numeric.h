// The game's number rules in one place: world coordinates are 16-bit and wrap, every float to
// integer conversion truncates toward zero, and there is one random generator whose sequence of
// draws is part of the game's behaviour.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kelmora {

// Stores a 32-bit value into a signed 16-bit world coordinate, wrapping modulo 65536 the way the
// world closes on itself (flying past 32767 continues at -32768).
constexpr std::int16_t Wrap16(std::int32_t value) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(value)));
}

// Truncates toward zero. A value with no integer result (NaN) gives 0 and values beyond the
// 32-bit range saturate, so nothing here is undefined.
constexpr std::int32_t TruncToInt(double value) {
  if (!(value == value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

// Truncates toward zero and keeps the whole number as a float, as the game does when it brings a
// heading back to a whole compass step.
inline float TruncToFloat(double value) {
  return static_cast<float>(TruncToInt(value));
}

// 2 pi and pi as the game's single-precision constants (6.2831855 and 3.1415927), used in double
// precision arithmetic.
inline constexpr double kTwoPi = static_cast<double>(6.2831855f);
inline constexpr double kPi = static_cast<double>(3.1415927f);

// Radians of a heading given in compass steps (16 to the full turn): h / 16 * 2 pi, computed in
// double precision.
inline double HeadingToRadians(double heading) {
  return heading / 16.0 * kTwoPi;
}

// The one generator of the whole program: a 32-bit linear congruential state. Each draw returns a
// value in 0..32767.
struct RandomGenerator {
  std::uint32_t state = 0;

  void Seed(std::uint32_t seed) { state = seed; }
  std::int32_t Draw() {
    state = state * 214013u + 2531011u;
    return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
  }
};

}  // namespace kelmora
