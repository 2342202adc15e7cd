// Everything the generator makes, as the packed bitmaps the game embeds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelmora::artgen {

struct NamedBitmap {
  std::string_view name;  // the resource name the game asks for
  std::string_view file;  // the .bmp written next to the build
  std::vector<std::uint8_t> dib;
};

// KELMORA, GUI, ICON32 and ICON16, in that order.
std::vector<NamedBitmap> GenerateArtwork();

// C++ source that defines the bitmaps as byte arrays for the resources library.
std::string EmbeddingSource(const std::vector<NamedBitmap>& bitmaps);

}  // namespace kelmora::artgen
