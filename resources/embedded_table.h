// The table that the generated embedded_bitmaps.cpp fills in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace kelmora::resources {

struct EmbeddedBitmap {
  std::string_view name;
  std::span<const std::uint8_t> bytes;
};

extern const EmbeddedBitmap kEmbeddedBitmaps[];
extern const std::size_t kEmbeddedBitmapCount;

}  // namespace kelmora::resources
