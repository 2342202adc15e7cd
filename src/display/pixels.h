// Points, spans and lines written straight into the locked pixel layer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kelmora {

// Stores the low byte of colour at (x, y) when 0 < x < 640 and 0 < y < 480. Inline: it is called
// once for every particle and every point of a shot.
inline void PutPixel(std::uint8_t* surface, std::int32_t pitch, std::int32_t x, std::int32_t y,
                     std::int32_t colour) {
  // Column 0 and row 0 are never written.
  if (x <= 0 || x >= 640) return;
  if (y <= 0 || y >= 480) return;
  const std::ptrdiff_t offset = static_cast<std::ptrdiff_t>(y) * pitch + x;
  surface[offset] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(colour));
}
void DrawSpan(std::uint8_t* surface, std::int32_t pitch, std::int32_t x1, std::int32_t y,
              std::int32_t x2, std::int32_t colour);
void DrawLine(std::uint8_t* surface, std::int32_t pitch, std::int32_t x1, std::int32_t y1,
              std::int32_t x2, std::int32_t y2, std::int32_t colour);
// a * b / c with a 64-bit intermediate, rounded to nearest with halves away from zero; -1 when c
// is 0 (or when the result does not fit in 32 bits).
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

}  // namespace kelmora
