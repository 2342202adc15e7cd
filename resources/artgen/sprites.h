// The ship, missile and pickup sprites.
#pragma once

#include <array>

#include "artgen/image.h"
#include "artgen/layout.h"
#include "artgen/palette.h"

namespace kelmora::artgen {

enum class Livery { kPlayer, kDrone };

// One 30x30 ship cell: the fighter turned to `heading`, with muzzle flashes when `firing`.
IndexedImage ShipSprite(Livery livery, int heading, bool firing);

// One 12x12 missile cell.
IndexedImage MissileSprite(int heading);

// One 17x19 pickup icon.
IndexedImage PickupSprite(PickupKind kind);

// The window icon's sixteen colours; 0 is the transparent background.
inline constexpr std::array<Rgb, 16> kIconColours{{
    {0, 0, 0},
    {250, 252, 255},
    {188, 200, 218},
    {128, 142, 164},
    {74, 86, 108},
    {28, 34, 50},
    {150, 200, 255},
    {44, 96, 220},
    {14, 30, 96},
    {210, 252, 255},
    {40, 150, 204},
    {255, 224, 120},
    {230, 120, 20},
    {26, 38, 92},
    {8, 12, 38},
    {96, 126, 196},
}};

// The window icon, `size` pixels square: the fighter on a round badge, in `kIconColours`.
IndexedImage IconImage(int size);

}  // namespace kelmora::artgen
