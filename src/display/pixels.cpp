#include "display/pixels.h"

#include <cstddef>
#include <limits>

namespace kelmora {

namespace {

// 32-bit two's complement arithmetic: the line stepper relies on it wrapping.
std::int32_t Wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

}  // namespace

void DrawSpan(std::uint8_t* surface, std::int32_t pitch, std::int32_t x1, std::int32_t y,
              std::int32_t x2, std::int32_t colour) {
  if (x1 > x2) {
    const std::int32_t swap = x1;
    x1 = x2;
    x2 = swap;
  }
  for (std::int64_t x = x1; x <= x2; ++x) {
    PutPixel(surface, pitch, static_cast<std::int32_t>(x), y, colour);
  }
}

void DrawLine(std::uint8_t* surface, std::int32_t pitch, std::int32_t x1, std::int32_t y1,
              std::int32_t x2, std::int32_t y2, std::int32_t colour) {
  // Row by row from the upper end point.
  if (y1 > y2) {
    std::int32_t swap = x1;
    x1 = x2;
    x2 = swap;
    swap = y1;
    y1 = y2;
    y2 = swap;
  }
  const std::int32_t xs = x1;
  const std::int32_t ys = y1;
  const std::int32_t xe = x2;
  const std::int32_t ye = y2;

  // Change of x per row in 16.16 fixed point.
  const std::int32_t slope = MulDiv(Wrap32((static_cast<std::int64_t>(xs) - xe) * 65536), 65536,
                                    Wrap32((static_cast<std::int64_t>(ys) - ye) * 65536));
  std::uint32_t current = static_cast<std::uint32_t>(xs) << 16;
  std::uint32_t previous = current;
  for (std::int64_t y = ys; y <= ye; ++y) {
    // Each row joins this row's x to the last row's, so steep runs leave no gaps.
    DrawSpan(surface, pitch, static_cast<std::int32_t>(current) >> 16, static_cast<std::int32_t>(y),
             static_cast<std::int32_t>(previous) >> 16, colour);
    previous = current;
    current += static_cast<std::uint32_t>(slope);
  }
  // A horizontal line: the loop drew only its start point.
  if (ys == ye) DrawSpan(surface, pitch, xs, ys, xe, colour);
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  std::int64_t quotient = product / c;
  const std::int64_t remainder = product % c;
  // Round half away from zero: compare twice the remainder's size with the divisor's.
  const std::int64_t twiceRemainder = 2 * (remainder < 0 ? -remainder : remainder);
  const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
  if (twiceRemainder >= divisor) quotient += ((product < 0) != (c < 0)) ? -1 : 1;
  if (quotient > std::numeric_limits<std::int32_t>::max() ||
      quotient < std::numeric_limits<std::int32_t>::min()) {
    return -1;
  }
  return static_cast<std::int32_t>(quotient);
}

}  // namespace kelmora
