#include "platform/sdl/present_convert.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__) && !defined(KELMORA_NO_PROCESSOR_PATHS)
#include <immintrin.h>
#endif

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

void ConvertFrameThroughPairs(const std::uint8_t* source, std::int32_t sourcePitch,
                              std::int32_t width, std::int32_t height, const std::uint64_t* pairs,
                              void* target, std::int32_t targetPitch) {
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

namespace {

#if defined(__x86_64__) && defined(__GNUC__) && !defined(KELMORA_NO_PROCESSOR_PATHS)
// Processors with byte permutes over whole 64-byte registers (AVX-512 VBMI) look colours up
// without touching memory: each of the four bytes of a colour (blue, green, red, alpha) is a
// 256-byte table held in four registers, 64 pixels are looked up at once, and their bytes are
// woven back into 32-bit colours. The very same colours as the pair table, only sooner.
#define KELMORA_BYTE_PERMUTES 1

bool HasBytePermutes() {
  static const bool has = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                          __builtin_cpu_supports("avx512vbmi");
  return has;
}

struct ByteTable {
  __m512i quarter[4];  // entries 0..63, 64..127, 128..191, 192..255
};

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) inline __m512i LookUp(const ByteTable& table,
                                                                             __m512i indices,
                                                                             __mmask64 upper) {
  const __m512i lower = _mm512_permutex2var_epi8(table.quarter[0], indices, table.quarter[1]);
  const __m512i higher = _mm512_permutex2var_epi8(table.quarter[2], indices, table.quarter[3]);
  return _mm512_mask_blend_epi8(upper, lower, higher);
}

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void ConvertFrameByPermutes(
    const std::uint8_t* source, std::int32_t sourcePitch, std::int32_t width, std::int32_t height,
    const std::uint32_t* colours, void* target, std::int32_t targetPitch) {
  alignas(64) std::uint8_t planes[4][256];
  for (int i = 0; i < 256; ++i) {
    for (int b = 0; b < 4; ++b) {
      planes[b][i] = static_cast<std::uint8_t>(colours[i] >> (8 * b));
    }
  }
  ByteTable tables[4];
  for (int b = 0; b < 4; ++b) {
    for (int q = 0; q < 4; ++q) tables[b].quarter[q] = _mm512_load_si512(&planes[b][64 * q]);
  }
  // Byte picks of two registers (0..63 the first, 64..127 the second): pixels 0-31 (pairLow) or
  // 32-63 (pairHigh) of two planes side by side; then pixels 0-15 (quadLow) or 16-31 (quadHigh)
  // of two such pairs of planes, four bytes a pixel.
  struct Weave {
    __m512i pairLow, pairHigh, quadLow, quadHigh;
  };
  alignas(64) std::uint8_t picks[4][64];
  for (int p = 0; p < 32; ++p) {
    for (int half = 0; half < 2; ++half) {
      picks[half][2 * p] = static_cast<std::uint8_t>(32 * half + p);
      picks[half][2 * p + 1] = static_cast<std::uint8_t>(64 + 32 * half + p);
    }
  }
  for (int q = 0; q < 16; ++q) {
    for (int half = 0; half < 2; ++half) {
      const int pair = 32 * half + 2 * q;
      picks[2 + half][4 * q] = static_cast<std::uint8_t>(pair);
      picks[2 + half][4 * q + 1] = static_cast<std::uint8_t>(pair + 1);
      picks[2 + half][4 * q + 2] = static_cast<std::uint8_t>(64 + pair);
      picks[2 + half][4 * q + 3] = static_cast<std::uint8_t>(64 + pair + 1);
    }
  }
  const Weave weave{_mm512_load_si512(picks[0]), _mm512_load_si512(picks[1]),
                    _mm512_load_si512(picks[2]), _mm512_load_si512(picks[3])};
  auto* targetBytes = static_cast<std::uint8_t*>(target);
  const std::int32_t blocks = width / 64;
  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint8_t* in = source + static_cast<std::ptrdiff_t>(y) * sourcePitch;
    std::uint8_t* out = targetBytes + static_cast<std::ptrdiff_t>(y) * targetPitch;
    for (std::int32_t k = 0; k < blocks; ++k, in += 64, out += 256) {
      const __m512i indices = _mm512_loadu_si512(in);
      const __mmask64 upper = _mm512_movepi8_mask(indices);
      const __m512i blue = LookUp(tables[0], indices, upper);
      const __m512i green = LookUp(tables[1], indices, upper);
      const __m512i red = LookUp(tables[2], indices, upper);
      const __m512i alpha = LookUp(tables[3], indices, upper);
      // Blue beside green and red beside alpha, 32 pixels to a register; then each 16 pixels'
      // four bytes in order.
      const __m512i blueGreenLow = _mm512_permutex2var_epi8(blue, weave.pairLow, green);
      const __m512i blueGreenHigh = _mm512_permutex2var_epi8(blue, weave.pairHigh, green);
      const __m512i redAlphaLow = _mm512_permutex2var_epi8(red, weave.pairLow, alpha);
      const __m512i redAlphaHigh = _mm512_permutex2var_epi8(red, weave.pairHigh, alpha);
      _mm512_storeu_si512(out, _mm512_permutex2var_epi8(blueGreenLow, weave.quadLow, redAlphaLow));
      _mm512_storeu_si512(out + 64,
                          _mm512_permutex2var_epi8(blueGreenLow, weave.quadHigh, redAlphaLow));
      _mm512_storeu_si512(out + 128,
                          _mm512_permutex2var_epi8(blueGreenHigh, weave.quadLow, redAlphaHigh));
      _mm512_storeu_si512(out + 192,
                          _mm512_permutex2var_epi8(blueGreenHigh, weave.quadHigh, redAlphaHigh));
    }
    for (std::int32_t x = blocks * 64; x < width; ++x, ++in, out += 4) {
      std::memcpy(out, &colours[*in], 4);
    }
  }
}
#endif

}  // namespace

void ConvertFrame(const std::uint8_t* source, std::int32_t sourcePitch, std::int32_t width,
                  std::int32_t height, const std::uint64_t* pairs, void* target,
                  std::int32_t targetPitch) {
#ifdef KELMORA_BYTE_PERMUTES
  if (HasBytePermutes() && width >= 64) {
    // The colour of index i is the first of the pair (i, i).
    std::uint32_t colours[256];
    for (unsigned i = 0; i < 256; ++i) {
      std::memcpy(&colours[i], &pairs[PairIndex(i, i)], 4);
    }
    ConvertFrameByPermutes(source, sourcePitch, width, height, colours, target, targetPitch);
    return;
  }
#endif
  ConvertFrameThroughPairs(source, sourcePitch, width, height, pairs, target, targetPitch);
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

Rect WindowedPlace(const Rect& usable, std::int32_t titleBar) {
  const std::int32_t width = std::max(1, usable.Width());
  const std::int32_t height = std::max(1, usable.Height() - std::max(0, titleBar));
  const std::int32_t multiple = std::min(width / kScreenWidth, height / kScreenHeight);
  std::int32_t windowWidth = kScreenWidth * multiple;
  std::int32_t windowHeight = kScreenHeight * multiple;
  if (multiple < 1) {
    const Rect fit = LetterboxRect(width, height, ScaleMode::kFit);
    windowWidth = std::max(1, fit.Width());
    windowHeight = std::max(1, fit.Height());
  }
  const std::int32_t left = usable.left + (width - windowWidth) / 2;
  const std::int32_t top = usable.top + std::max(0, titleBar) + (height - windowHeight) / 2;
  return Rect{left, top, left + windowWidth, top + windowHeight};
}

namespace {

// One axis of FramePixelAt: the output pixel under the point, then the frame pixel under that.
bool FrameCoordinate(std::int32_t point, std::int32_t points, std::int32_t pixels,
                     std::int32_t first, std::int32_t end, std::int32_t frameSize,
                     std::int32_t* frame) {
  if (points <= 0 || end <= first || point < 0 || point >= points) return false;
  const std::int64_t pixel = static_cast<std::int64_t>(point) * pixels / points;
  if (pixel < first || pixel >= end) return false;
  *frame = static_cast<std::int32_t>((pixel - first) * frameSize / (end - first));
  return true;
}

}  // namespace

bool FramePixelAt(std::int32_t x, std::int32_t y, std::int32_t windowWidth,
                  std::int32_t windowHeight, std::int32_t outputWidth, std::int32_t outputHeight,
                  const Rect& picture, std::int32_t* frameX, std::int32_t* frameY) {
  std::int32_t column = 0;
  std::int32_t row = 0;
  if (!FrameCoordinate(x, windowWidth, outputWidth, picture.left, picture.right, kScreenWidth,
                       &column) ||
      !FrameCoordinate(y, windowHeight, outputHeight, picture.top, picture.bottom, kScreenHeight,
                       &row)) {
    return false;
  }
  *frameX = column;
  *frameY = row;
  return true;
}

}  // namespace kelmora::platform
