#include "artgen/image.h"

namespace kelmora::artgen {

void IndexedImage::Fill(const Rect& rect, std::uint8_t index) {
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) Put(x, y, index);
  }
}

void IndexedImage::Paste(const IndexedImage& source, int x, int y, bool keyed) {
  for (int sy = 0; sy < source.height(); ++sy) {
    for (int sx = 0; sx < source.width(); ++sx) {
      const std::uint8_t index = source.at(sx, sy);
      if (keyed && index == 0) continue;
      Put(x + sx, y + sy, index);
    }
  }
}

IndexedImage IndexedImage::Crop(const Rect& rect) const {
  IndexedImage out(rect.width(), rect.height());
  for (int y = 0; y < rect.height(); ++y) {
    for (int x = 0; x < rect.width(); ++x) {
      if (inside(rect.left + x, rect.top + y)) out.at(x, y) = at(rect.left + x, rect.top + y);
    }
  }
  return out;
}

}  // namespace kelmora::artgen
