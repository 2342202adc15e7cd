// The two 640x480 bitmaps of the game, composed from their parts.
#pragma once

#include "artgen/image.h"

namespace kelmora::artgen {

// The sprite sheet: ships, font, score digits, missiles and pickups.
IndexedImage SpriteSheet();

// The menu bitmap: main menu, options panel, check boxes and exit dialog.
IndexedImage MenuBitmap();

}  // namespace kelmora::artgen
