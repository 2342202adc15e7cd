// Where the game finds its images: the cells of the sprite sheet and the panels of the menu
// bitmap, with the screen places the menus scale them to and the areas that answer the mouse. The
// artwork generator draws into these cells and the game blits from them, so both read this one
// file.
#pragma once

#include <array>
#include <stdexcept>
#include <string_view>

namespace kelmora::layout {

// Left, top, right, bottom; right and bottom exclusive, as the game addresses its cells.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr int kBitmapWidth = 640;
inline constexpr int kBitmapHeight = 480;

// ---- Sprite sheet ----------------------------------------------------------------------------

inline constexpr int kHeadings = 16;
inline constexpr int kShipSize = 30;
inline constexpr int kShipPitch = 31;

enum class ShipRow { kPlayer = 0, kPlayerFiring = 1, kDrone = 2, kDroneFiring = 3 };
inline constexpr int kShipRows = 4;

constexpr Rect ShipCell(ShipRow row, int heading) {
  const int top = static_cast<int>(row) * kShipPitch;
  return {kShipPitch * heading, top, kShipPitch * heading + kShipSize, top + kShipSize};
}

inline constexpr int kGlyphWidth = 6;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphPitch = 7;
inline constexpr int kCapitalsTop = 124;
inline constexpr int kSmallsTop = 132;
inline constexpr int kSignsTop = 140;
// The third glyph row, in order.
inline constexpr std::string_view kSigns = "1234567890-=:_";

constexpr Rect GlyphCell(int top, int k) {
  return {kGlyphPitch * k, top, kGlyphPitch * k + kGlyphWidth, top + kGlyphHeight};
}

inline constexpr int kBigDigitTop = 148;
inline constexpr int kBigDigitWidth = 15;
inline constexpr int kBigDigitHeight = 34;
inline constexpr int kBigDigitPitch = 16;
// k = 0..9 holds the digits 1..9, 0; k = -1 is the unlit digit at the start of the row.
constexpr Rect BigDigitCell(int k) {
  const int left = kBigDigitPitch * k + 16;
  return {left, kBigDigitTop, left + kBigDigitWidth, kBigDigitTop + kBigDigitHeight};
}

inline constexpr int kMissileTop = 185;
inline constexpr int kMissileSize = 12;
inline constexpr int kMissilePitch = 14;
constexpr Rect MissileCell(int heading) {
  return {kMissilePitch * heading, kMissileTop, kMissilePitch * heading + kMissileSize,
          kMissileTop + kMissileSize};
}

enum class PickupKind { kMissiles = 0, kSmallShield, kMediumShield, kLargeShield, kPower };
inline constexpr int kPickupKinds = 5;
inline constexpr int kPickupTop = 199;
inline constexpr int kPickupWidth = 17;
inline constexpr int kPickupHeight = 19;
inline constexpr int kPickupPitch = 18;
constexpr Rect PickupCell(int kind) {
  return {kPickupPitch * kind, kPickupTop, kPickupPitch * kind + kPickupWidth,
          kPickupTop + kPickupHeight};
}

// The menu cursor is the player's ship at heading 14, plain and firing.
inline constexpr int kCursorHeading = 14;

// ---- Menu panels -----------------------------------------------------------------------------

// An area that answers the mouse, in screen pixels, exclusive on all four sides.
struct HotArea {
  std::string_view name;
  int left, top, right, bottom;
  constexpr bool contains(int x, int y) const {
    return x > left && x < right && y > top && y < bottom;
  }
};

struct Panel {
  std::string_view name;
  Rect source;       // in the menu bitmap
  Rect destination;  // on the screen
  std::array<HotArea, 6> hotAreas;
  int hotAreaCount;
};

inline constexpr Panel kMainMenu{"main menu",
                                 {0, 0, 79, 64},
                                 {280, 208, 360, 272},
                                 {{{"New Game", 284, 212, 355, 229},
                                   {"Options", 284, 231, 355, 248},
                                   {"Exit", 284, 250, 355, 267}}},
                                 3};

inline constexpr Panel kOptionsPanel{"options",
                                     {81, 0, 258, 104},
                                     {232, 188, 409, 292},
                                     {{{"Explosion Jitter", 380, 192, 397, 209},
                                       {"Enemy Number", 372, 211, 405, 228},
                                       {"Particle Number", 372, 230, 405, 247},
                                       {"Power Up Number", 372, 249, 405, 266},
                                       {"Ok", 236, 271, 307, 288},
                                       {"Cancel", 334, 271, 405, 288}}},
                                     6};

inline constexpr Panel kCheckBoxOn{"check box on",
                                   {260, 0, 277, 17},
                                   {380, 192, 397, 209},
                                   {{{"Explosion Jitter", 380, 192, 397, 209}}},
                                   1};

inline constexpr Panel kCheckBoxOff{"check box off",
                                    {279, 0, 296, 17},
                                    {380, 192, 397, 209},
                                    {{{"Explosion Jitter", 380, 192, 397, 209}}},
                                    1};

inline constexpr Panel kExitDialog{"exit dialog",
                                   {0, 106, 248, 151},
                                   {196, 218, 444, 262},
                                   {{{"Yes", 200, 241, 271, 258}, {"No", 368, 241, 439, 258}}},
                                   2};

inline constexpr std::array<const Panel*, 5> kPanels{&kMainMenu, &kOptionsPanel, &kCheckBoxOn,
                                                     &kCheckBoxOff, &kExitDialog};

// The hot area called `name` on `panel`. A name the panel does not have is an error, and where
// the area is a constant the program does not build.
constexpr const HotArea& HotAreaNamed(const Panel& panel, std::string_view name) {
  for (int i = 0; i < panel.hotAreaCount; ++i) {
    if (panel.hotAreas[static_cast<std::size_t>(i)].name == name) {
      return panel.hotAreas[static_cast<std::size_t>(i)];
    }
  }
  throw std::invalid_argument("the panel has no hot area of that name");
}

// Screen centres of the option values, which the game writes in the small font.
inline constexpr std::array<std::array<int, 2>, 3> kOptionValueCentres{
    {{389, 220}, {389, 239}, {389, 258}}};

// The source pixel that the menus show at a screen pixel of a panel: the game scales each panel to
// its destination by nearest neighbour.
constexpr std::array<int, 2> SourceOf(const Panel& panel, int screenX, int screenY) {
  const Rect& s = panel.source;
  const Rect& d = panel.destination;
  return {s.left + (screenX - d.left) * s.width() / d.width(),
          s.top + (screenY - d.top) * s.height() / d.height()};
}

}  // namespace kelmora::layout
