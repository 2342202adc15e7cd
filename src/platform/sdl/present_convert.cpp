#include "platform/sdl/present_convert.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kelmora::platform {

namespace {

constexpr std::uint32_t ScreenColour(const PaletteEntry& entry) {
  return 0xFF000000u | (static_cast<std::uint32_t>(entry.red) << 16) |
         (static_cast<std::uint32_t>(entry.green) << 8) | entry.blue;
}

// A pair of colours as they lie in memory: the first pixel at the lower address.
constexpr std::uint64_t Pair(std::uint32_t first, std::uint32_t second) {
  if constexpr (std::endian::native == std::endian::little) {
    return first | (static_cast<std::uint64_t>(second) << 32);
  } else {
    return second | (static_cast<std::uint64_t>(first) << 32);
  }
}

// The table index of two indices as they lie in memory, read as one 16-bit value.
constexpr unsigned PairIndex(unsigned first, unsigned second) {
  if constexpr (std::endian::native == std::endian::little) {
    return first | (second << 8);
  } else {
    return second | (first << 8);
  }
}

}  // namespace

void BuildPixelPairTable(const PaletteTable& palette, std::uint64_t* pairs) {
  std::uint32_t colours[256];
  for (int i = 0; i < 256; ++i) colours[i] = ScreenColour(palette[static_cast<std::size_t>(i)]);
  for (unsigned second = 0; second < 256; ++second) {
    for (unsigned first = 0; first < 256; ++first) {
      pairs[PairIndex(first, second)] = Pair(colours[first], colours[second]);
    }
  }
}

void ConvertFrame(const std::uint8_t* source, std::int32_t sourcePitch, std::int32_t width,
                  std::int32_t height, const std::uint64_t* pairs, void* target,
                  std::int32_t targetPitch) {
  auto* targetBytes = static_cast<std::uint8_t*>(target);
  const std::int32_t blocks = width / 8;  // eight pixels: one 64-bit read, four 64-bit writes
  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint8_t* in = source + static_cast<std::ptrdiff_t>(y) * sourcePitch;
    std::uint8_t* out = targetBytes + static_cast<std::ptrdiff_t>(y) * targetPitch;
    for (std::int32_t b = 0; b < blocks; ++b) {
      std::uint64_t eight;
      std::memcpy(&eight, in, 8);
      std::uint64_t four[4];
      if constexpr (std::endian::native == std::endian::little) {
        four[0] = pairs[eight & 0xFFFF];
        four[1] = pairs[(eight >> 16) & 0xFFFF];
        four[2] = pairs[(eight >> 32) & 0xFFFF];
        four[3] = pairs[eight >> 48];
      } else {
        four[0] = pairs[eight >> 48];
        four[1] = pairs[(eight >> 32) & 0xFFFF];
        four[2] = pairs[(eight >> 16) & 0xFFFF];
        four[3] = pairs[eight & 0xFFFF];
      }
      std::memcpy(out, four, sizeof four);
      in += 8;
      out += 32;
    }
    // What is left of the row, a pixel at a time (the colour of index i is in the low half of
    // the pair (i, i)).
    for (std::int32_t x = blocks * 8; x < width; ++x) {
      const std::uint64_t twice = pairs[PairIndex(*in, *in)];
      const auto colour = static_cast<std::uint32_t>(twice);
      std::memcpy(out, &colour, 4);
      ++in;
      out += 4;
    }
  }
}

Rect LetterboxRect(std::int32_t outputWidth, std::int32_t outputHeight, ScaleMode mode) {
  if (outputWidth <= 0 || outputHeight <= 0) return Rect{};
  std::int64_t width = 0;
  std::int64_t height = 0;
  const std::int32_t multiple = std::min(outputWidth / kScreenWidth, outputHeight / kScreenHeight);
  if (mode == ScaleMode::kInteger && multiple >= 1) {
    width = static_cast<std::int64_t>(kScreenWidth) * multiple;
    height = static_cast<std::int64_t>(kScreenHeight) * multiple;
  } else if (static_cast<std::int64_t>(outputWidth) * kScreenHeight <=
             static_cast<std::int64_t>(outputHeight) * kScreenWidth) {
    // Narrower than 4:3: full width, bars above and below.
    width = outputWidth;
    height = static_cast<std::int64_t>(outputWidth) * kScreenHeight / kScreenWidth;
  } else {
    height = outputHeight;
    width = static_cast<std::int64_t>(outputHeight) * kScreenWidth / kScreenHeight;
  }
  const auto left = static_cast<std::int32_t>((outputWidth - width) / 2);
  const auto top = static_cast<std::int32_t>((outputHeight - height) / 2);
  return Rect{left, top, left + static_cast<std::int32_t>(width),
              top + static_cast<std::int32_t>(height)};
}

}  // namespace kelmora::platform
