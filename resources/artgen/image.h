// An 8-bit palettised image, top row first, and the rectangles that address it.
#pragma once

#include <cstdint>
#include <vector>

#include "resources/layout.h"

namespace kelmora::artgen {

// Cells are addressed as the game addresses them.
using layout::Rect;

class IndexedImage {
 public:
  IndexedImage() = default;
  IndexedImage(int width, int height, std::uint8_t fill = 0)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }

  std::uint8_t at(int x, int y) const { return pixels_[Offset(x, y)]; }
  std::uint8_t& at(int x, int y) { return pixels_[Offset(x, y)]; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Writes one pixel; pixels outside the image are ignored.
  void Put(int x, int y, std::uint8_t index) {
    if (inside(x, y)) at(x, y) = index;
  }
  void Fill(const Rect& rect, std::uint8_t index);
  // Copies `source` with its top-left corner at (x, y); key-coloured pixels are skipped when
  // `keyed` is set.
  void Paste(const IndexedImage& source, int x, int y, bool keyed = false);
  // The pixels of `rect` as an image of their own.
  IndexedImage Crop(const Rect& rect) const;

  friend bool operator==(const IndexedImage&, const IndexedImage&) = default;

 private:
  std::size_t Offset(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace kelmora::artgen
