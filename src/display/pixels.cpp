#include "display/pixels.h"

namespace kelmora {

void PutPixel(std::uint8_t*, std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
void DrawSpan(std::uint8_t*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
}
void DrawLine(std::uint8_t*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
              std::int32_t) {}
std::int32_t MulDiv(std::int32_t, std::int32_t, std::int32_t) {
  return -1;
}

}  // namespace kelmora
