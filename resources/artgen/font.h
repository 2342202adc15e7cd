// The small dot font (5x7 letters in 6x7 cells) and the large score digits.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "artgen/image.h"

namespace kelmora::artgen {

// Seven rows of five columns, '#' for ink. Characters the font lacks come out blank.
using GlyphRows = std::array<std::string_view, 7>;
const GlyphRows& GlyphOf(char c);

// A 6x7 sheet cell: the letter in white ink, key colour around it.
IndexedImage GlyphSprite(char c);

// A 15x34 score digit: lit segments glowing over the dim shapes of the unlit ones; -1 gives a
// digit with every segment unlit.
IndexedImage BigDigitSprite(int digit);

// Lettering for the menu panels: the same letters set proportionally, with a shadow. There is
// room below the line here, so the tails of g j p q y hang down two rows instead of being lifted.
inline constexpr int kLabelRows = 9;
struct LabelStyle {
  std::array<std::uint8_t, kLabelRows> ink;  // one index per row, top to bottom
  std::uint8_t shadow;                       // drawn one pixel down and right; 0 for none
};

int LabelWidth(std::string_view text);
// Draws `text` with its top-left ink pixel at (x, y).
void DrawLabel(IndexedImage& image, int x, int y, std::string_view text, const LabelStyle& style);

}  // namespace kelmora::artgen
