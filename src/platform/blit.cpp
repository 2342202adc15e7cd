// Blits: colour fills, copies with and without a source colour key, scaling, clipping. The
// keyed copy is the game's hottest loop (every sprite and glyph goes through it).
#include <algorithm>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__) && !defined(KELMORA_NO_PROCESSOR_PATHS)
#include <immintrin.h>
#endif

#include "platform/display.h"
#include "platform/faults.h"

namespace kelmora::platform {

namespace {

// Keyed copies of eight and four bytes in one integer: a source byte equal to `key` leaves the
// destination byte alone. A byte of v ^ key is zero exactly where the source shows the key; the
// test below sets the top bit of exactly those bytes, with no carries from one byte to the next.
template <typename Word>
Word KeyedWord(const std::uint8_t* out, const std::uint8_t* in, std::uint8_t key) {
  constexpr Word kOnes = static_cast<Word>(~Word{0}) / 0xFF;  // 0x0101...
  constexpr Word kLow7 = kOnes * 0x7F;
  Word source;
  Word target;
  std::memcpy(&source, in, sizeof source);
  std::memcpy(&target, out, sizeof target);
  const Word diff = source ^ (kOnes * key);
  const Word zeroTop = static_cast<Word>(~(((diff & kLow7) + kLow7) | diff | kLow7));
  const Word keep = static_cast<Word>((zeroTop >> 7) * 0xFF);
  return static_cast<Word>((target & keep) | (source & ~keep));
}
template <typename Word>
void Store(std::uint8_t* out, Word word) {
  std::memcpy(out, &word, sizeof word);
}

bool processorPaths = true;

#if defined(__x86_64__) && defined(__GNUC__) && !defined(KELMORA_NO_PROCESSOR_PATHS)
// Processors with byte masks over 64-byte registers (AVX-512 BW) copy a keyed row 64 bytes at a
// time: the bytes that do not show the key are stored, and no other byte is even touched.
#define KELMORA_BYTE_MASKS 1

__attribute__((target("avx512f,avx512bw"))) void CopyRowKeyedByMasks(std::uint8_t* out,
                                                                     const std::uint8_t* in,
                                                                     std::int32_t width,
                                                                     std::uint8_t key) {
  const __m512i keys = _mm512_set1_epi8(static_cast<char>(key));
  std::int32_t x = 0;
  for (; x + 64 <= width; x += 64) {
    const __m512i values = _mm512_loadu_si512(in + x);
    _mm512_mask_storeu_epi8(out + x, _mm512_cmpneq_epi8_mask(values, keys), values);
  }
  if (x == width) return;
  // The rest of the row: the bytes past its end are neither read nor written.
  const __mmask64 rest = (std::uint64_t{1} << (width - x)) - 1;
  const __m512i values = _mm512_maskz_loadu_epi8(rest, in + x);
  _mm512_mask_storeu_epi8(out + x, _mm512_mask_cmpneq_epi8_mask(rest, values, keys), values);
}
#endif

// Copies `width` bytes from `in` to `out`, leaving the bytes where `in` shows `key` as they were.
// Whole stretches of 16 go to vector code; the rest, and rows narrower than that (glyphs are 6
// wide), eight or four bytes at a time in a plain integer, the last stretch overlapping the one
// before: keying is idempotent, so a pixel done twice comes out the same.
void CopyRowKeyedBy(std::uint8_t* out, const std::uint8_t* in, std::int32_t width,
                    std::uint8_t key) {
#ifdef KELMORA_BYTE_MASKS
  if (ByteMasksAvailable()) {
    CopyRowKeyedByMasks(out, in, width, key);
    return;
  }
#endif
  std::int32_t x = 0;
  for (; x + 16 <= width; x += 16) {
    for (std::int32_t i = x; i < x + 16; ++i) {
      const std::uint8_t value = in[i];
      const auto keep = static_cast<std::uint8_t>(0u - static_cast<unsigned>(value == key));
      out[i] = static_cast<std::uint8_t>((out[i] & keep) | (value & ~keep));
    }
  }
  if (x == width) return;
  // The overlapping last stretch is worked out before anything is stored, so that it never reads
  // bytes just written (which would stall the processor); its stored bytes are the same as those
  // written before it.
  if (width >= 8) {
    const auto last = KeyedWord<std::uint64_t>(out + width - 8, in + width - 8, key);
    for (; x + 8 <= width; x += 8) {
      Store(out + x, KeyedWord<std::uint64_t>(out + x, in + x, key));
    }
    Store(out + width - 8, last);
  } else if (width >= 4) {
    const auto first = KeyedWord<std::uint32_t>(out, in, key);
    const auto last = KeyedWord<std::uint32_t>(out + width - 4, in + width - 4, key);
    Store(out, first);
    Store(out + width - 4, last);
  } else {
    for (; x < width; ++x) {
      if (in[x] != key) out[x] = in[x];
    }
  }
}

bool Intersect(const Rect& a, const Rect& b, Rect* out) {
  out->left = std::max(a.left, b.left);
  out->top = std::max(a.top, b.top);
  out->right = std::min(a.right, b.right);
  out->bottom = std::min(a.bottom, b.bottom);
  return out->left < out->right && out->top < out->bottom;
}

}  // namespace

void AllowProcessorPaths(bool allow) {
  processorPaths = allow;
}

bool ByteMasksAvailable() {
#ifdef KELMORA_BYTE_MASKS
  static const bool has = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
  return has && processorPaths;
#else
  return false;
#endif
}

HRESULT Surface::Blt(const Rect* dstRect, Surface* source, const Rect* srcRect, std::uint32_t flags,
                     const BltFx* fx) {
  if (ConsumeFault(Fault::kBlitBusy)) return DDERR_WASSTILLDRAWING;
  if (lost_ || (source != nullptr && source->lost_)) return DDERR_SURFACELOST;
  if (locked_) return DDERR_SURFACEBUSY;
  const Rect whole{0, 0, width_, height_};
  const Rect dst = dstRect != nullptr ? *dstRect : whole;
  if (dst.Width() <= 0 || dst.Height() <= 0) return DDERR_INVALIDRECT;
  Rect visible;
  if (clipper_ != nullptr) {
    if (!Intersect(dst, whole, &visible)) return DD_OK;
  } else {
    if (dst.left < 0 || dst.top < 0 || dst.right > width_ || dst.bottom > height_) {
      return DDERR_INVALIDRECT;
    }
    visible = dst;
  }

  if ((flags & DDBLT_COLORFILL) != 0) {
    if (fx == nullptr) return DDERR_INVALIDPARAMS;
    const auto colour = static_cast<std::uint8_t>(fx->fillColor);
    for (std::int32_t y = visible.top; y < visible.bottom; ++y) {
      std::memset(&pixels_[static_cast<std::size_t>(y * pitch_ + visible.left)], colour,
                  static_cast<std::size_t>(visible.Width()));
    }
    return DD_OK;
  }

  if (source == nullptr) return DDERR_INVALIDPARAMS;
  if (source->locked_) return DDERR_SURFACEBUSY;
  const Rect src = srcRect != nullptr ? *srcRect : Rect{0, 0, source->width_, source->height_};
  if (src.Width() <= 0 || src.Height() <= 0 || src.left < 0 || src.top < 0 ||
      src.right > source->width_ || src.bottom > source->height_) {
    return DDERR_INVALIDRECT;
  }
  const bool keyed = (flags & DDBLT_KEYSRC) != 0 && source->hasSourceKey_;
  const std::uint32_t keyLow = source->sourceKey_.low;
  const std::uint32_t keyHigh = source->sourceKey_.high;
  // A pixel is transparent when it lies in [keyLow, keyHigh]; an empty range keys nothing. One
  // unsigned comparison tests both ends.
  const bool anyKey = keyed && keyLow <= keyHigh && keyLow <= 0xFF;
  const std::uint32_t keySpan = keyHigh - keyLow;
  const auto copyRow = [&](std::uint8_t* out, const std::uint8_t* in, std::int32_t width) {
    if (!anyKey) {
      std::memcpy(out, in, static_cast<std::size_t>(width));
    } else if (keySpan == 0) {
      CopyRowKeyedBy(out, in, width, static_cast<std::uint8_t>(keyLow));
    } else {
      for (std::int32_t x = 0; x < width; ++x) {
        const std::uint8_t value = in[x];
        out[x] = value - keyLow <= keySpan ? out[x] : value;
      }
    }
  };

  if (src.Width() == dst.Width() && source != this) {
    // One to one across, as nearly every blit of the game is (the score's digits lose a row, no
    // column): whole rows at a time.
    const std::int32_t width = visible.Width();
    const std::int32_t sourceLeft = src.left + (visible.left - dst.left);
    const bool sameHeight = src.Height() == dst.Height();
    for (std::int32_t y = visible.top; y < visible.bottom; ++y) {
      const auto sy =
          static_cast<std::int32_t>(sameHeight ? src.top + (y - dst.top)
                                               : src.top + static_cast<std::int64_t>(y - dst.top) *
                                                               src.Height() / dst.Height());
      copyRow(
          &pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(pitch_) +
                   static_cast<std::size_t>(visible.left)],
          &source->pixels_[static_cast<std::size_t>(sy) * static_cast<std::size_t>(source->pitch_) +
                           static_cast<std::size_t>(sourceLeft)],
          width);
    }
    return DD_OK;
  }

  // Nearest-neighbour scaling of the source rectangle onto the destination rectangle (and any
  // blit of a surface onto itself, pixel by pixel in order, as overlapping rows need); clipping
  // cuts the destination and keeps the mapping of the whole rectangle. The source column of
  // destination column x, src.left + (x - dst.left) * srcWidth / dstWidth, is worked out once
  // per blit, stepped by its quotient and remainder.
  static std::vector<std::int32_t> columns;
  const std::int64_t srcWidth = src.Width();
  const std::int64_t dstWidth = dst.Width();
  const std::int64_t firstOffset = static_cast<std::int64_t>(visible.left - dst.left) * srcWidth;
  columns.resize(static_cast<std::size_t>(visible.Width()));
  {
    std::int64_t column = src.left + firstOffset / dstWidth;
    std::int64_t remainder = firstOffset % dstWidth;
    const std::int64_t wholeStep = srcWidth / dstWidth;
    const std::int64_t partStep = srcWidth % dstWidth;
    for (std::int32_t& entry : columns) {
      entry = static_cast<std::int32_t>(column);
      column += wholeStep;
      remainder += partStep;
      if (remainder >= dstWidth) {
        remainder -= dstWidth;
        ++column;
      }
    }
  }
  for (std::int32_t y = visible.top; y < visible.bottom; ++y) {
    const std::int64_t sy =
        src.top + static_cast<std::int64_t>(y - dst.top) * src.Height() / dst.Height();
    const std::uint8_t* srcRow = &source->pixels_[static_cast<std::size_t>(sy * source->pitch_)];
    std::uint8_t* dstRow = &pixels_[static_cast<std::size_t>(y * pitch_ + visible.left)];
    const std::int32_t* column = columns.data();
    const std::size_t width = columns.size();
    if (!anyKey) {
      for (std::size_t i = 0; i < width; ++i) dstRow[i] = srcRow[column[i]];
    } else {
      for (std::size_t i = 0; i < width; ++i) {
        const std::uint8_t value = srcRow[column[i]];
        dstRow[i] = value - keyLow <= keySpan ? dstRow[i] : value;
      }
    }
  }
  return DD_OK;
}

bool Surface::BltKeyedRow(Surface& source, std::span<const Rect> pieces, std::int32_t left,
                          std::int32_t top, std::int32_t boxWidth, std::int32_t boxHeight,
                          std::int32_t advance) {
  // Room for a line of 64 characters of the game's font, and then some.
  constexpr std::int64_t kLongestRow = 512;
  constexpr std::int32_t kTallestBox = 8;
  if (pieces.empty()) return true;
  const ColorKey& key = source.sourceKey_;
  if (PendingFaults(Fault::kBlitBusy) > 0 || lost_ || source.lost_ || locked_ || source.locked_ ||
      clipper_ == nullptr || &source == this || !source.hasSourceKey_ || key.low != key.high ||
      key.low > 0xFF || boxWidth <= 0 || boxHeight <= 0 || boxHeight > kTallestBox ||
      advance < boxWidth || static_cast<std::int64_t>(pieces.size()) * advance > kLongestRow) {
    return false;
  }
  // Where each piece's pixels start in the source, and whether it is a single pixel.
  constexpr std::size_t kMostPieces = kLongestRow;
  const std::uint8_t* corners[kMostPieces];
  bool dots[kMostPieces];
  // Box rows are copied eight bytes at a time, gap included, where the source row has them.
  bool wide = advance <= 8;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Rect& piece = pieces[i];
    const std::int64_t width = static_cast<std::int64_t>(piece.right) - piece.left;
    const std::int64_t height = static_cast<std::int64_t>(piece.bottom) - piece.top;
    const bool whole = width == boxWidth && height == boxHeight;
    dots[i] = width == 1 && height == 1;
    if (!(whole || dots[i]) || piece.left < 0 || piece.top < 0 || piece.right > source.width_ ||
        piece.bottom > source.height_) {
      return false;
    }
    corners[i] = &source.pixels_[static_cast<std::size_t>(piece.top) * source.pitch_ +
                                 static_cast<std::size_t>(piece.left)];
    wide = wide && (dots[i] || piece.left + 8 <= source.pitch_);
  }
  const auto keyColour = static_cast<std::uint8_t>(key.low);
  // Clipped to the surface, as the clipper cuts each piece.
  const std::int64_t rowLeft = left;
  const std::int64_t rowRight =
      rowLeft + static_cast<std::int64_t>(pieces.size() - 1) * advance + boxWidth;
  const std::int64_t firstX = std::max<std::int64_t>(rowLeft, 0);
  const std::int64_t lastX = std::min<std::int64_t>(rowRight, width_);
  const std::int64_t firstY = std::max<std::int64_t>(top, 0);
  const std::int64_t lastY =
      std::min<std::int64_t>(static_cast<std::int64_t>(top) + boxHeight, height_);
  if (firstX >= lastX || firstY >= lastY) return true;
  // The visible rows of the line, in the source's colours with the key between the boxes, built
  // box by box, then each keyed onto this surface.
  constexpr std::size_t kRowRoom = kLongestRow + 8;
  std::uint8_t rows[kTallestBox][kRowRoom];
  const auto firstRow = static_cast<std::size_t>(firstY - top);
  const auto lastRow = static_cast<std::size_t>(lastY - top);
  const auto sourcePitch = static_cast<std::size_t>(source.pitch_);
  const auto boxBytes = static_cast<std::size_t>(boxWidth);
  const auto step = static_cast<std::size_t>(advance);
  // The bytes of a word that belong to the box (the low ones: byte order does not matter, as the
  // word is only ever loaded and stored whole), and the key in every byte.
  const std::uint64_t boxMask =
      boxWidth >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * boxWidth)) - 1;
  const std::uint64_t keyWord = 0x0101010101010101u * keyColour;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const std::size_t at = i * step;
    const std::uint8_t* const corner = corners[i];
    if (wide) {
      // Eight bytes a row: the box, then the key over the gap and past it (the next box, written
      // next, covers what lies past the gap).
      const std::uint64_t flat = 0x0101010101010101u * *corner;
      for (std::size_t r = firstRow; r < lastRow; ++r) {
        std::uint64_t word = flat;
        if (!dots[i]) std::memcpy(&word, corner + r * sourcePitch, 8);
        word = (word & boxMask) | (keyWord & ~boxMask);
        std::memcpy(&rows[r][at], &word, 8);
      }
    } else {
      for (std::size_t r = firstRow; r < lastRow; ++r) {
        if (dots[i]) {
          // One pixel stretched over the whole box.
          std::memset(&rows[r][at], *corner, boxBytes);
        } else {
          std::memcpy(&rows[r][at], corner + r * sourcePitch, boxBytes);
        }
      }
    }
  }
  // Between the boxes the row shows the key: nothing there is drawn.
  for (std::size_t r = firstRow; r < lastRow && !wide; ++r) {
    for (std::size_t at = boxBytes; at + step <= pieces.size() * step; at += step) {
      std::memset(&rows[r][at], keyColour, step - boxBytes);
    }
  }
  for (std::size_t r = firstRow; r < lastRow; ++r) {
    const std::int64_t y = top + static_cast<std::int64_t>(r);
    CopyRowKeyedBy(&pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(pitch_) +
                            static_cast<std::size_t>(firstX)],
                   &rows[r][firstX - rowLeft], static_cast<std::int32_t>(lastX - firstX),
                   keyColour);
  }
  return true;
}

}  // namespace kelmora::platform
