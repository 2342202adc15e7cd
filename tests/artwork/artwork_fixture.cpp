#include "artwork_fixture.h"

namespace kelmora::artgen::testing {

const std::vector<NamedBitmap>& Artwork() {
  static const std::vector<NamedBitmap> artwork = GenerateArtwork();
  return artwork;
}

std::span<const std::uint8_t> DibOf(std::string_view name) {
  for (const NamedBitmap& bitmap : Artwork()) {
    if (bitmap.name == name) return bitmap.dib;
  }
  return {};
}

const IndexedImage& Sheet() {
  static const IndexedImage sheet = DecodePackedDib(DibOf("KELMORA"))->image;
  return sheet;
}

const IndexedImage& Menus() {
  static const IndexedImage menus = DecodePackedDib(DibOf("GUI"))->image;
  return menus;
}

Mask OpaqueMask(const IndexedImage& image, const Rect& rect) {
  Mask mask(static_cast<std::size_t>(rect.height()),
            std::vector<bool>(static_cast<std::size_t>(rect.width())));
  for (int y = 0; y < rect.height(); ++y) {
    for (int x = 0; x < rect.width(); ++x) {
      mask[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] =
          image.at(rect.left + x, rect.top + y) != 0;
    }
  }
  return mask;
}

Mask TurnedClockwise(const Mask& mask) {
  const std::size_t n = mask.size();
  Mask turned(n, std::vector<bool>(n));
  for (std::size_t y = 0; y < n; ++y) {
    for (std::size_t x = 0; x < n; ++x) turned[x][n - 1 - y] = mask[y][x];
  }
  return turned;
}

int CountWhere(const IndexedImage& image, const Rect& rect,
               const std::function<bool(std::uint8_t)>& test) {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) count += test(image.at(x, y)) ? 1 : 0;
  }
  return count;
}

}  // namespace kelmora::artgen::testing
