// The generated artwork, made once for all the tests, and small helpers to look at it.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "artgen/artwork.h"
#include "artgen/dib.h"
#include "artgen/image.h"
#include "artgen/palette.h"

namespace kelmora::artgen::testing {

const std::vector<NamedBitmap>& Artwork();
std::span<const std::uint8_t> DibOf(std::string_view name);
const IndexedImage& Sheet();
const IndexedImage& Menus();

// Which pixels of a rectangle are not the key colour, row by row.
using Mask = std::vector<std::vector<bool>>;
Mask OpaqueMask(const IndexedImage& image, const Rect& rect);
// The mask turned a quarter turn clockwise.
Mask TurnedClockwise(const Mask& mask);
int CountWhere(const IndexedImage& image, const Rect& rect,
               const std::function<bool(std::uint8_t)>& test);

}  // namespace kelmora::artgen::testing
