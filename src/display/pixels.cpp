#include "display/pixels.h"

#include <cstddef>
#include <cstring>
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
  // PutPixel for every x from x1 to x2, each point clipped on its own: the same bytes as one run
  // over the part of the span inside columns 1..639, on a row inside 1..479.
  if (y <= 0 || y >= 480) return;
  const std::int32_t first = x1 < 1 ? 1 : x1;
  const std::int32_t last = x2 > 639 ? 639 : x2;
  if (first > last) return;
  std::memset(surface + static_cast<std::ptrdiff_t>(y) * pitch + first,
              static_cast<std::uint8_t>(static_cast<std::uint32_t>(colour)),
              static_cast<std::size_t>(last - first + 1));
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

  // A vertical line (the shield bar is a hundred of them): the slope is 0 and every row gets the
  // one point at the start's column as the stepper holds it, its low 16 bits read signed.
  // (Unless the row count is a multiple of 65536, when the slope's divisor wraps to 0.)
  if (xs == xe && ys < ye && (static_cast<std::int64_t>(ye) - ys) % 65536 != 0) {
    const auto column = static_cast<std::int32_t>(static_cast<std::uint32_t>(xs) << 16) >> 16;
    if (column <= 0 || column >= 640) return;
    const std::int32_t top = ys < 1 ? 1 : ys;
    const std::int32_t bottom = ye > 479 ? 479 : ye;
    const auto value = static_cast<std::uint8_t>(static_cast<std::uint32_t>(colour));
    for (std::int32_t y = top; y <= bottom; ++y) {
      surface[static_cast<std::ptrdiff_t>(y) * pitch + column] = value;
    }
    return;
  }

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
