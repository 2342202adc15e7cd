// The bitmaps built into the game: the sprite sheet, the menu panels and the window icon.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kelmora::resources {

// Packed device-independent bitmap (40-byte info header, colour table, pixels) of a named
// bitmap resource ("KELMORA", "GUI", "ICON32", "ICON16"), or an empty span when there is none.
std::span<const std::uint8_t> FindBitmap(std::string_view name);

}  // namespace kelmora::resources
