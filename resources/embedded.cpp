#include "resources/embedded.h"

#include "resources/embedded_table.h"

namespace kelmora::resources {

std::span<const std::uint8_t> FindBitmap(std::string_view name) {
  for (std::size_t i = 0; i < kEmbeddedBitmapCount; ++i) {
    if (kEmbeddedBitmaps[i].name == name) return kEmbeddedBitmaps[i].bytes;
  }
  return {};
}

}  // namespace kelmora::resources
