// Turning the game's 8-bit frame into screen colours, and placing it on the screen. Plain
// functions without any host call, so tests and benchmarks can run them on their own.
#pragma once

#include <cstdint>

#include "platform/display.h"
#include "platform/types.h"

namespace kelmora::platform {

// Two pixels at a time: entry (second << 8 | first) holds the 32-bit screen colours (0xAARRGGBB,
// opaque) of palette index `first` followed by index `second`, in memory order.
inline constexpr int kPixelPairCount = 65536;

// Fills `pairs` (kPixelPairCount entries) from the palette.
void BuildPixelPairTable(const PaletteTable& palette, std::uint64_t* pairs);

// Converts a width x height frame of palette indices into 32-bit screen colours at `target`
// (rows `targetPitch` bytes apart), through a table made by BuildPixelPairTable.
// Processors with byte permutes over 64-byte registers take a quicker way to the same colours.
void ConvertFrame(const std::uint8_t* source, std::int32_t sourcePitch, std::int32_t width,
                  std::int32_t height, const std::uint64_t* pairs, void* target,
                  std::int32_t targetPitch);
// The same, always through the pair table.
void ConvertFrameThroughPairs(const std::uint8_t* source, std::int32_t sourcePitch,
                              std::int32_t width, std::int32_t height, const std::uint64_t* pairs,
                              void* target, std::int32_t targetPitch);

enum class ScaleMode {
  kFit,      // as large as the output allows, aspect ratio kept
  kInteger,  // the largest whole multiple of the frame that fits
};

// Where the 640x480 frame goes on an output of that many pixels: centred, aspect ratio kept, the
// rest left black. An output smaller than one whole frame falls back to fitting.
Rect LetterboxRect(std::int32_t outputWidth, std::int32_t outputHeight, ScaleMode mode);

// Where the window's picture goes out of full screen, given the usable area of the display (the
// screen less the desktop's panels) and the height of the title bar that the desktop puts above
// the window (0 without one): the largest whole multiple of the frame that fits below the title
// bar, centred in the area. On an area smaller than the frame, the largest picture of the frame's
// shape that fits: the window and its title bar are always on the screen.
Rect WindowedPlace(const Rect& usable, std::int32_t titleBar);

// The frame pixel under the point (x, y) of a window of windowWidth x windowHeight points whose
// output has outputWidth x outputHeight pixels (more than points on a high-density screen), with
// the frame shown at `picture` (output pixels). False when the point is off the picture.
bool FramePixelAt(std::int32_t x, std::int32_t y, std::int32_t windowWidth,
                  std::int32_t windowHeight, std::int32_t outputWidth, std::int32_t outputHeight,
                  const Rect& picture, std::int32_t* frameX, std::int32_t* frameY);

}  // namespace kelmora::platform
