// Points, spans and lines written straight into the locked pixel layer.
#pragma once

#include <cstdint>

namespace kelmora {

void PutPixel(std::uint8_t* surface, std::int32_t pitch, std::int32_t x, std::int32_t y,
              std::int32_t colour);
void DrawSpan(std::uint8_t* surface, std::int32_t pitch, std::int32_t x1, std::int32_t y,
              std::int32_t x2, std::int32_t colour);
void DrawLine(std::uint8_t* surface, std::int32_t pitch, std::int32_t x1, std::int32_t y1,
              std::int32_t x2, std::int32_t y2, std::int32_t colour);
// a * b / c with a 64-bit intermediate, rounded to nearest with halves away from zero; -1 when c
// is 0 (or when the result does not fit in 32 bits).
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

}  // namespace kelmora
