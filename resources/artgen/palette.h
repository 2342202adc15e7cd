// The game palette: 256 colours shared by the sprite sheet and the menu panels.
//
// The game's code draws points with fixed indices (shots, stars, explosions, trails, the shield
// bar), so those ranges are fixed; the others are ramps for the artwork only. Every ramp runs
// from its brightest colour at its first index to its darkest at its last.
#pragma once

#include <array>
#include <cstdint>

namespace kelmora::artgen {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// A run of consecutive palette indices.
struct Range {
  int first = 0;
  int count = 0;
  constexpr int last() const { return first + count - 1; }
  constexpr std::uint8_t operator[](int i) const { return static_cast<std::uint8_t>(first + i); }
  constexpr bool contains(int index) const { return index >= first && index <= last(); }
};

namespace ranges {
// Fixed by the game's drawing code.
inline constexpr Range kClassic{0, 16};      // the sixteen classic colours; 0 is the key colour
inline constexpr Range kGrey{16, 16};        // stars
inline constexpr Range kOrange{58, 6};       // young explosions
inline constexpr Range kYellow{64, 16};      // fading explosions, exhaust
inline constexpr Range kBlue{144, 16};       // missile trails
inline constexpr Range kShieldBar{224, 31};  // red (empty) to green (full)
// Artwork only.
inline constexpr Range kSteel{32, 16};     // player hull
inline constexpr Range kGlass{48, 10};     // canopies
inline constexpr Range kCrimson{80, 16};   // drone hull
inline constexpr Range kCobalt{96, 8};     // player trim
inline constexpr Range kAmber{104, 8};     // drone trim
inline constexpr Range kSlate{112, 16};    // panel plating and bevels
inline constexpr Range kPlasma{128, 16};   // engine glow
inline constexpr Range kEmerald{160, 16};  // shield pickups, ticks
inline constexpr Range kViolet{176, 16};   // weapon power pickup
inline constexpr Range kConsole{192, 16};  // button faces, check boxes, value boxes
inline constexpr Range kGold{208, 16};     // score digits, panel lettering
}  // namespace ranges

// Named entries.
inline constexpr std::uint8_t kKey = 0;    // transparent in every sprite and panel
inline constexpr std::uint8_t kGrid = 15;  // white grid lines between sprite cells
inline constexpr std::uint8_t kWhite = 255;
// The yellow ramp passes through pure yellow at this index.
inline constexpr int kPureYellowIndex = 68;
// The shield bar passes through yellow at this index.
inline constexpr int kShieldYellowIndex = 239;

namespace detail {

struct Stop {
  int offset;  // from the first index of the ramp
  Rgb colour;
};

// A ramp interpolated linearly between up to five stops; the first stop is at offset 0 and the
// last at count - 1.
struct Gradient {
  Range range;
  int stopCount;
  std::array<Stop, 5> stops;
};

constexpr std::uint8_t Mix(int a, int b, int t, int n) {
  return static_cast<std::uint8_t>((a * (n - t) + b * t + n / 2) / n);
}

inline constexpr std::array<Rgb, 16> kClassicColours{{
    {0, 0, 0},
    {0, 0, 170},
    {0, 170, 0},
    {0, 170, 170},
    {170, 0, 0},
    {170, 0, 170},
    {170, 87, 0},
    {170, 170, 170},
    {87, 87, 87},
    {87, 87, 255},
    {87, 255, 87},
    {87, 255, 255},
    {255, 87, 87},
    {255, 87, 255},
    {255, 255, 87},
    {255, 255, 255},
}};

inline constexpr Gradient kGradients[] = {
    {ranges::kGrey, 2, {{{0, {239, 239, 239}}, {15, {35, 35, 35}}}}},
    {ranges::kSteel,
     4,
     {{{0, {250, 252, 255}}, {4, {178, 192, 210}}, {10, {72, 84, 104}}, {15, {10, 12, 20}}}}},
    {ranges::kGlass,
     4,
     {{{0, {236, 255, 255}}, {2, {96, 224, 240}}, {6, {20, 92, 140}}, {9, {4, 16, 36}}}}},
    {ranges::kOrange, 2, {{{0, {255, 139, 35}}, {5, {159, 79, 0}}}}},
    {ranges::kYellow,
     3,
     {{{0, {255, 255, 219}}, {kPureYellowIndex - 64, {255, 247, 0}}, {15, {67, 67, 0}}}}},
    {ranges::kCrimson,
     4,
     {{{0, {255, 226, 206}}, {3, {232, 112, 92}}, {8, {150, 32, 34}}, {15, {20, 3, 5}}}}},
    {ranges::kCobalt, 3, {{{0, {150, 200, 255}}, {3, {40, 92, 216}}, {7, {6, 14, 48}}}}},
    {ranges::kAmber, 3, {{{0, {255, 232, 150}}, {3, {216, 140, 24}}, {7, {48, 22, 4}}}}},
    {ranges::kSlate,
     4,
     {{{0, {206, 218, 232}}, {4, {112, 128, 152}}, {9, {52, 62, 84}}, {15, {8, 10, 18}}}}},
    {ranges::kPlasma,
     4,
     {{{0, {255, 255, 255}}, {3, {150, 240, 255}}, {8, {32, 120, 255}}, {15, {6, 10, 60}}}}},
    {ranges::kBlue, 2, {{{0, {0, 0, 255}}, {15, {0, 0, 67}}}}},
    {ranges::kEmerald,
     4,
     {{{0, {230, 255, 230}}, {4, {80, 232, 104}}, {10, {12, 112, 40}}, {15, {2, 24, 10}}}}},
    {ranges::kViolet,
     4,
     {{{0, {255, 230, 255}}, {4, {216, 112, 255}}, {10, {96, 24, 160}}, {15, {18, 4, 34}}}}},
    {ranges::kConsole,
     4,
     {{{0, {206, 232, 255}}, {4, {96, 146, 214}}, {10, {30, 56, 112}}, {15, {4, 8, 24}}}}},
    {ranges::kGold,
     5,
     {{{0, {255, 252, 220}},
       {3, {255, 214, 80}},
       {7, {220, 130, 16}},
       {11, {96, 44, 6}},
       {15, {30, 12, 2}}}}},
    {ranges::kShieldBar,
     3,
     {{{0, {255, 0, 0}}, {kShieldYellowIndex - 224, {251, 255, 0}}, {30, {0, 255, 43}}}}},
};

constexpr std::array<Rgb, 256> BuildPalette() {
  std::array<Rgb, 256> palette{};
  for (int i = 0; i < 16; ++i) palette[i] = kClassicColours[i];
  for (const Gradient& gradient : kGradients) {
    for (int s = 0; s + 1 < gradient.stopCount; ++s) {
      const Stop& a = gradient.stops[s];
      const Stop& b = gradient.stops[s + 1];
      const int n = b.offset - a.offset;
      for (int t = 0; t <= n; ++t) {
        palette[gradient.range.first + a.offset + t] = {Mix(a.colour.r, b.colour.r, t, n),
                                                        Mix(a.colour.g, b.colour.g, t, n),
                                                        Mix(a.colour.b, b.colour.b, t, n)};
      }
    }
  }
  palette[kWhite] = {255, 255, 255};
  return palette;
}

}  // namespace detail

inline constexpr std::array<Rgb, 256> kPalette = detail::BuildPalette();

}  // namespace kelmora::artgen
