// The sines and cosines the game moves by, as numbers: the sums every frame depends on must not
// change with the C library the game is built against, and libraries differ in the last bit of a
// sine now and then. Each pair is {sin(r), cos(r)} of r = HeadingToRadians(h) in double
// precision, to the last bit as the game has always had them.
#pragma once

namespace kelmora {

// Whole compass headings -16 to 31, a turn either way of 0..15.
inline constexpr int kSineHeadingFirst = -16;
inline constexpr int kSineHeadingLast = 31;
extern const double kHeadingSines[kSineHeadingLast - kSineHeadingFirst + 1][2];

// The directions an explosion's particles are born with: h = (float)(i * 0.01) for i = 0..1599.
inline constexpr int kDirectionCount = 1600;
extern const double kDirectionSines[kDirectionCount][2];

}  // namespace kelmora
