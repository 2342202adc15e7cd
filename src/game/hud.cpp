#include "game/hud.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <string_view>

#include "display/pixels.h"
#include "display/sprites.h"
#include "game/controls.h"

namespace kelmora {

namespace {

// Text put together as snprintf would into a buffer of N characters: what does not fit is cut
// off, and the full length is still counted.
template <std::size_t N>
struct CutText {
  char text[N];
  std::size_t length = 0;
  void Append(std::string_view part) {
    for (const char c : part) {
      if (length + 1 < N) text[length] = c;
      ++length;
    }
  }
  void Append(int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  std::int32_t Shown() const { return static_cast<std::int32_t>(std::min(length, N - 1)); }
};

}  // namespace

void DrawShipLabel(const Ship& ship) {
  // "score:name:shield"
  CutText<64> label;
  label.Append(static_cast<int>(ship.score));
  label.Append(":");
  label.Append(ship.name != nullptr ? std::string_view(ship.name) : std::string_view());
  label.Append(":");
  label.Append(static_cast<int>(ship.shield));
  const std::int32_t n = label.Shown();
  const std::int32_t half = (7 * n) / 2;

  // Pinned to the screen edge toward a ship out of view.
  std::int32_t cx = ScreenX(ship.x, 0);
  if (cx < half) cx = half;
  if (cx > 640 - half) cx = 640 - half;
  std::int32_t cy = ScreenY(ship.y, -20);
  if (cy < 4) cy = 4;
  if (cy > 476) cy = 476;
  DrawText(cx, cy, label.text, n);
}

void DrawShieldBar(std::uint8_t* surface, std::int32_t pitch) {
  const Ship* player = PlayerOrNull();
  if (player == nullptr) return;
  const std::int32_t s = player->shield;
  // Red at the short end to green at the long end; the tone is kept in single precision.
  float tone = 224.0f;
  for (std::int32_t i = 0; i < 2 * s; ++i) {
    DrawLine(surface, pitch, i, 0, i, 25, TruncToInt(tone));
    tone = static_cast<float>(tone + 0.155);
  }
}

void DrawScore() {
  const Ship* player = PlayerOrNull();
  if (player == nullptr) return;
  char digits[16];
  std::snprintf(digits, sizeof digits, "%05d", static_cast<int>(player->score));
  for (std::int32_t j = 0; j < 5; ++j) {
    const int value = digits[j] - '0';
    // The large digits run 1..9 then 0.
    const std::int32_t k = value == 0 ? 9 : value - 1;
    const Rect source = SheetRect(layout::BigDigitCell(k));
    const std::int32_t right = 570 + 16 * j;
    BlitSprite(source, Rect{right - 15, 0, right, 33}, displayObjects.sheetSurface.get(),
               kSpriteBlitFlags);
  }
}

void DrawMissileIcons() {
  const Ship* player = PlayerOrNull();
  if (player == nullptr) return;
  constexpr Rect kMissileUp = SheetRect(layout::MissileCell(0));
  for (std::int32_t i = 0; i < player->missiles; ++i) {
    BlitSprite(kMissileUp, Rect{628 - 12 * i, 35, 640 - 12 * i, 47},
               displayObjects.sheetSurface.get(), kSpriteBlitFlags);
  }
}

}  // namespace kelmora
