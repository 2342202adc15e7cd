// Sprite blits from the sheet and the panels, and bitmap text.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/display.h"

namespace kelmora {

using platform::Rect;

inline constexpr std::uint32_t kSpriteBlitFlags = platform::DDBLT_KEYSRC | platform::DDBLT_WAIT;
inline constexpr std::uint32_t kCopyBlitFlags = platform::DDBLT_WAIT;

// Copies `source` of `surface` to `destination` of the back buffer, unless the destination lies
// wholly off the screen; retried while the display is still drawing.
void BlitSprite(const Rect& source, const Rect& destination, platform::Surface* surface,
                std::uint32_t flags);
// Draws `length` characters of `text` centred on (cx, cy) in the 6x7 font.
void DrawText(std::int32_t cx, std::int32_t cy, const char* text, std::int32_t length);

// Each blit of a frame is recorded (while frameRecord.hashBlits is on) as ten words: the number
// of its surface (0 the sprite sheet, 1 the panels, 2 the pixel layer, -1 any other), its source
// and destination rectangles as given, and its flags.
inline constexpr std::size_t kBlitWords = 10;
// The digest of the frame's blits: every recorded word in turn, fed by Fnv1a64::Word.
std::uint64_t BlitDigest();

}  // namespace kelmora
