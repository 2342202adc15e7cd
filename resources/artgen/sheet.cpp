#include "artgen/bitmaps.h"
#include "artgen/font.h"
#include "artgen/layout.h"
#include "artgen/palette.h"
#include "artgen/sprites.h"

namespace kelmora::artgen {

namespace {

void DrawShips(IndexedImage& sheet) {
  constexpr struct {
    ShipRow row;
    Livery livery;
    bool firing;
  } kRows[] = {{ShipRow::kPlayer, Livery::kPlayer, false},
               {ShipRow::kPlayerFiring, Livery::kPlayer, true},
               {ShipRow::kDrone, Livery::kDrone, false},
               {ShipRow::kDroneFiring, Livery::kDrone, true}};
  for (const auto& row : kRows) {
    for (int h = 0; h < kHeadings; ++h) {
      const Rect cell = ShipCell(row.row, h);
      sheet.Paste(ShipSprite(row.livery, h, row.firing), cell.left, cell.top);
      // The spare column and row of every cell carry the white grid.
      sheet.Fill({cell.right, cell.top, cell.right + 1, cell.bottom + 1}, kGrid);
      sheet.Fill({cell.left, cell.bottom, cell.right + 1, cell.bottom + 1}, kGrid);
    }
  }
}

void DrawGlyphs(IndexedImage& sheet) {
  for (int k = 0; k < 26; ++k) {
    const Rect capital = GlyphCell(kCapitalsTop, k);
    sheet.Paste(GlyphSprite(static_cast<char>('A' + k)), capital.left, capital.top);
    const Rect small = GlyphCell(kSmallsTop, k);
    sheet.Paste(GlyphSprite(static_cast<char>('a' + k)), small.left, small.top);
  }
  for (int k = 0; k < static_cast<int>(kSigns.size()); ++k) {
    const Rect sign = GlyphCell(kSignsTop, k);
    sheet.Paste(GlyphSprite(kSigns[k]), sign.left, sign.top);
  }
}

void DrawBigDigits(IndexedImage& sheet) {
  const Rect unlit = BigDigitCell(-1);
  sheet.Paste(BigDigitSprite(-1), unlit.left, unlit.top);
  for (int k = 0; k < 10; ++k) {
    const Rect cell = BigDigitCell(k);
    sheet.Paste(BigDigitSprite((k + 1) % 10), cell.left, cell.top);
  }
}

void DrawMissiles(IndexedImage& sheet) {
  const Rect first = MissileCell(0);
  const Rect last = MissileCell(kHeadings - 1);
  sheet.Fill({first.left, first.top - 1, last.right + 1, first.top}, kGrid);
  sheet.Fill({first.left, first.bottom, last.right + 1, first.bottom + 1}, kGrid);
  for (int h = 0; h < kHeadings; ++h) {
    const Rect cell = MissileCell(h);
    sheet.Paste(MissileSprite(h), cell.left, cell.top);
    sheet.Fill({cell.right, cell.top, cell.right + 1, cell.bottom}, kGrid);
  }
}

void DrawPickups(IndexedImage& sheet) {
  const Rect first = PickupCell(0);
  const Rect last = PickupCell(kPickupKinds - 1);
  sheet.Fill({first.left, first.top - 1, last.right + 1, first.top}, kGrid);
  sheet.Fill({first.left, first.bottom, last.right + 1, first.bottom + 1}, kGrid);
  for (int k = 0; k < kPickupKinds; ++k) {
    const Rect cell = PickupCell(k);
    sheet.Paste(PickupSprite(static_cast<PickupKind>(k)), cell.left, cell.top);
    sheet.Fill({cell.right, cell.top, cell.right + 1, cell.bottom}, kGrid);
  }
}

}  // namespace

IndexedImage SpriteSheet() {
  IndexedImage sheet(kBitmapWidth, kBitmapHeight, kKey);
  DrawShips(sheet);
  DrawGlyphs(sheet);
  DrawBigDigits(sheet);
  DrawMissiles(sheet);
  DrawPickups(sheet);
  return sheet;
}

}  // namespace kelmora::artgen
