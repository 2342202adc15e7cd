#include "display/sprites.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

#include "core/hash.h"
#include "state/state.h"

namespace kelmora {

namespace {

// The surface's number in the frame record: 0 the sprite sheet, 1 the panels, 2 the pixel layer.
std::int32_t SurfaceNumber(const platform::Surface* surface) {
  if (surface == displayObjects.sheetSurface.get()) return 0;
  if (surface == displayObjects.guiSurface.get()) return 1;
  if (surface == displayObjects.pixelLayer.get()) return 2;
  return -1;  // no surface of the game
}

void RecordBlit(const Rect& source, const Rect& destination, const platform::Surface* surface,
                std::uint32_t flags) {
  frameRecord.blitCount += 1;
  if (!frameRecord.hashBlits) return;
  const std::uint32_t words[kBlitWords] = {static_cast<std::uint32_t>(SurfaceNumber(surface)),
                                           static_cast<std::uint32_t>(source.left),
                                           static_cast<std::uint32_t>(source.top),
                                           static_cast<std::uint32_t>(source.right),
                                           static_cast<std::uint32_t>(source.bottom),
                                           static_cast<std::uint32_t>(destination.left),
                                           static_cast<std::uint32_t>(destination.top),
                                           static_cast<std::uint32_t>(destination.right),
                                           static_cast<std::uint32_t>(destination.bottom),
                                           flags};
  frameRecord.blitWords.insert(frameRecord.blitWords.end(), std::begin(words), std::end(words));
}

}  // namespace

std::uint64_t BlitDigest() {
  return HashWords(frameRecord.blitWords);
}

namespace {

// The cell of one character of the 6x7 font. Anything the font has no glyph for draws as the
// space: one key-coloured pixel stretched over the box.
constexpr Rect GlyphCellOf(int code) {
  if (code >= 'A' && code <= 'Z')
    return SheetRect(layout::GlyphCell(layout::kCapitalsTop, code - 'A'));
  if (code >= 'a' && code <= 'z')
    return SheetRect(layout::GlyphCell(layout::kSmallsTop, code - 'a'));
  const std::size_t sign = code > 0 && code < 128 ? layout::kSigns.find(static_cast<char>(code))
                                                  : std::string_view::npos;
  if (sign != std::string_view::npos) {
    return SheetRect(layout::GlyphCell(layout::kSignsTop, static_cast<int>(sign)));
  }
  return Rect{0, 0, 1, 1};
}

constexpr std::array<Rect, 256> kGlyphCells = [] {
  std::array<Rect, 256> cells{};
  for (int code = 0; code < 256; ++code) cells[static_cast<std::size_t>(code)] = GlyphCellOf(code);
  return cells;
}();

Rect GlyphCell(char character) {
  return kGlyphCells[static_cast<unsigned char>(character)];
}

// BlitSprite once its call is recorded.
void DrawSprite(const Rect& source, const Rect& destination, platform::Surface* surface,
                std::uint32_t flags) {
  // Only destinations wholly off the screen are turned away; the clipper cuts the rest.
  if (destination.left > 640 || destination.right < 0 || destination.top > 480 ||
      destination.bottom < 0) {
    return;
  }
  if (displayObjects.backBuffer == nullptr) return;

  platform::BltFx fx{};
  fx.size = 100;
  // Retried at once while the display is busy; any other failure drops this one blit.
  while (displayObjects.backBuffer->Blt(&destination, surface, &source, flags, &fx) ==
         platform::DDERR_WASSTILLDRAWING) {
  }
}

}  // namespace

void BlitSprite(const Rect& source, const Rect& destination, platform::Surface* surface,
                std::uint32_t flags) {
  // Every call is recorded, including those turned away.
  RecordBlit(source, destination, surface, flags);
  DrawSprite(source, destination, surface, flags);
}

void DrawText(std::int32_t cx, std::int32_t cy, const char* text, std::int32_t length) {
  // A blit per character, side by side 7 apart; a line at a time where the display can take it
  // (it draws the very same pixels), and character by character where it cannot.
  constexpr std::int32_t kLine = 64;
  platform::Surface* const sheet = displayObjects.sheetSurface.get();
  constexpr std::int32_t kAdvance = layout::kGlyphPitch;
  constexpr std::int32_t kWidth = layout::kGlyphWidth;
  constexpr std::int32_t kHeight = layout::kGlyphHeight;
  const std::int32_t x0 = cx - (kAdvance * length) / 2;
  const std::int32_t top = cy - 4;
  Rect cells[kLine];
  for (std::int32_t first = 0; first < length; first += kLine) {
    const std::int32_t count = std::min(kLine, length - first);
    const std::int32_t left = x0 + kAdvance * first;
    const auto box = [&](std::int32_t i) {
      return Rect{left + kAdvance * i, top, left + kAdvance * i + kWidth, top + kHeight};
    };
    for (std::int32_t i = 0; i < count; ++i) {
      cells[i] = GlyphCell(text[first + i]);
      RecordBlit(cells[i], box(i), sheet, kSpriteBlitFlags);
    }
    if (displayObjects.backBuffer != nullptr && sheet != nullptr &&
        displayObjects.backBuffer->BltKeyedRow(*sheet, std::span<const Rect>(cells, count), left,
                                               top, kWidth, kHeight, kAdvance)) {
      continue;
    }
    for (std::int32_t i = 0; i < count; ++i) {
      DrawSprite(cells[i], box(i), sheet, kSpriteBlitFlags);
    }
  }
}

}  // namespace kelmora
