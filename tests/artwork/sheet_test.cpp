// The sprite sheet: every cell the game reads is where it looks, drawn the way the game uses it.
#include <gtest/gtest.h>

#include <cmath>
#include <queue>

#include "artgen/font.h"
#include "artgen/layout.h"
#include "artgen/palette.h"
#include "artwork_fixture.h"

namespace kelmora::artgen {
namespace {

using testing::CountWhere;
using testing::Mask;
using testing::OpaqueMask;
using testing::Sheet;
using testing::TurnedClockwise;

constexpr ShipRow kAllShipRows[] = {ShipRow::kPlayer, ShipRow::kPlayerFiring, ShipRow::kDrone,
                                    ShipRow::kDroneFiring};

bool IsFlash(std::uint8_t index) {
  return ranges::kOrange.contains(index) || ranges::kYellow.contains(index);
}

// Pixels where two masks differ that are not next to an edge of the first mask's silhouette.
int InteriorDifferences(const Mask& a, const Mask& b, int* differences) {
  const int n = static_cast<int>(a.size());
  auto at = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < n && y < n &&
           a[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
  };
  int interior = 0;
  *differences = 0;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      if (a[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] ==
          b[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
        continue;
      }
      ++*differences;
      bool nearEdge = false;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) nearEdge |= at(x + dx, y + dy) != at(x, y);
      }
      interior += nearEdge ? 0 : 1;
    }
  }
  return interior;
}

// Key-coloured pixels of a cell that no path of key-coloured pixels joins to the cell's border:
// holes that would show the background through a shape.
int EnclosedKeyPixels(const IndexedImage& image, const Rect& cell) {
  const int w = cell.width(), h = cell.height();
  std::vector<bool> reached(static_cast<std::size_t>(w * h), false);
  std::queue<std::pair<int, int>> queue;
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    const std::size_t i = static_cast<std::size_t>(y * w + x);
    if (reached[i] || image.at(cell.left + x, cell.top + y) != 0) return;
    reached[i] = true;
    queue.push({x, y});
  };
  for (int x = 0; x < w; ++x) {
    visit(x, 0);
    visit(x, h - 1);
  }
  for (int y = 0; y < h; ++y) {
    visit(0, y);
    visit(w - 1, y);
  }
  while (!queue.empty()) {
    const auto [x, y] = queue.front();
    queue.pop();
    visit(x + 1, y);
    visit(x - 1, y);
    visit(x, y + 1);
    visit(x, y - 1);
  }
  int enclosed = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (image.at(cell.left + x, cell.top + y) == 0 &&
          !reached[static_cast<std::size_t>(y * w + x)]) {
        ++enclosed;
      }
    }
  }
  return enclosed;
}

TEST(SheetLayout, SpaceCharacterPixelIsTheKeyColour) {
  EXPECT_EQ(Sheet().at(0, 0), kKey);
}

TEST(SheetLayout, WhiteGridSeparatesTheShipCells) {
  for (int h = 0; h < kHeadings; ++h) {
    for (int y = 0; y < 4 * kShipPitch; ++y) {
      EXPECT_EQ(Sheet().at(kShipPitch * h + kShipSize, y), kGrid) << "column of heading " << h;
    }
  }
  for (int row = 0; row < kShipRows; ++row) {
    for (int x = 0; x < kHeadings * kShipPitch; ++x) {
      EXPECT_EQ(Sheet().at(x, kShipPitch * row + kShipSize), kGrid) << "row " << row << " x " << x;
    }
  }
}

TEST(SheetLayout, GridFramesTheMissileAndPickupRows) {
  for (int h = 0; h < kHeadings; ++h) {
    const Rect cell = MissileCell(h);
    for (int y = cell.top; y < cell.bottom; ++y) EXPECT_EQ(Sheet().at(cell.right, y), kGrid);
    for (int x = cell.left; x <= cell.right; ++x) {
      EXPECT_EQ(Sheet().at(x, cell.top - 1), kGrid);
      EXPECT_EQ(Sheet().at(x, cell.bottom), kGrid);
    }
  }
  for (int k = 0; k < kPickupKinds; ++k) {
    const Rect cell = PickupCell(k);
    for (int y = cell.top; y < cell.bottom; ++y) EXPECT_EQ(Sheet().at(cell.right, y), kGrid);
    for (int x = cell.left; x <= cell.right; ++x) {
      EXPECT_EQ(Sheet().at(x, cell.top - 1), kGrid);
      EXPECT_EQ(Sheet().at(x, cell.bottom), kGrid);
    }
  }
}

TEST(SheetLayout, NothingIsDrawnOutsideTheCellsAndTheirGrid) {
  std::vector<Rect> used;
  used.push_back({0, 0, kHeadings * kShipPitch, kShipRows * kShipPitch});  // ships and grid
  for (int k = 0; k < 26; ++k) {
    used.push_back(GlyphCell(kCapitalsTop, k));
    used.push_back(GlyphCell(kSmallsTop, k));
  }
  for (int k = 0; k < static_cast<int>(kSigns.size()); ++k) used.push_back(GlyphCell(kSignsTop, k));
  for (int k = -1; k < 10; ++k) used.push_back(BigDigitCell(k));
  const Rect lastMissile = MissileCell(kHeadings - 1);
  used.push_back({0, kMissileTop - 1, lastMissile.right + 1, lastMissile.bottom + 1});
  const Rect lastPickup = PickupCell(kPickupKinds - 1);
  used.push_back({0, kPickupTop - 1, lastPickup.right + 1, lastPickup.bottom + 1});
  int stray = 0;
  for (int y = 0; y < kBitmapHeight; ++y) {
    for (int x = 0; x < kBitmapWidth; ++x) {
      bool inside = false;
      for (const Rect& r : used) inside |= r.contains(x, y);
      if (!inside && Sheet().at(x, y) != kKey) ++stray;
    }
  }
  EXPECT_EQ(stray, 0);
}

TEST(Font, EveryGlyphHasWhiteInkAndItsGapColumnStaysClear) {
  auto check = [](int top, int k, char c) {
    const Rect cell = GlyphCell(top, k);
    EXPECT_GT(CountWhere(Sheet(), cell, [](std::uint8_t i) { return i == kGrid; }), 3) << c;
    EXPECT_EQ(CountWhere(Sheet(), cell, [](std::uint8_t i) { return i != kGrid && i != kKey; }), 0)
        << c;
    for (int y = cell.top; y < cell.bottom; ++y) EXPECT_EQ(Sheet().at(cell.right, y), kKey) << c;
  };
  for (int k = 0; k < 26; ++k) {
    check(kCapitalsTop, k, static_cast<char>('A' + k));
    check(kSmallsTop, k, static_cast<char>('a' + k));
  }
  for (int k = 0; k < static_cast<int>(kSigns.size()); ++k) check(kSignsTop, k, kSigns[k]);
}

TEST(Font, GlyphsAreDistinctAndMatchTheirCharacters) {
  // Each cell holds its own character: no two cells alike, and the ones the labels lean on most
  // look as they should.
  std::vector<IndexedImage> cells;
  for (int k = 0; k < 26; ++k) {
    cells.push_back(Sheet().Crop(GlyphCell(kCapitalsTop, k)));
    cells.push_back(Sheet().Crop(GlyphCell(kSmallsTop, k)));
  }
  for (int k = 0; k < static_cast<int>(kSigns.size()); ++k) {
    cells.push_back(Sheet().Crop(GlyphCell(kSignsTop, k)));
  }
  for (std::size_t i = 0; i < cells.size(); ++i) {
    for (std::size_t j = i + 1; j < cells.size(); ++j)
      EXPECT_FALSE(cells[i] == cells[j]) << i << " " << j;
  }
  // The colon is two dots: its middle row is clear, the rows above and below are not.
  const Rect colon = GlyphCell(kSignsTop, static_cast<int>(kSigns.find(':')));
  EXPECT_EQ(CountWhere(Sheet(), {colon.left, colon.top + 3, colon.right, colon.top + 4},
                       [](std::uint8_t i) { return i != 0; }),
            0);
  // The underscore sits on the bottom row only.
  const Rect underscore = GlyphCell(kSignsTop, static_cast<int>(kSigns.find('_')));
  EXPECT_EQ(CountWhere(Sheet(),
                       {underscore.left, underscore.top, underscore.right, underscore.bottom - 1},
                       [](std::uint8_t i) { return i != 0; }),
            0);
  // Letters from the sheet cells are those of the font table.
  const GlyphRows& a = GlyphOf('A');
  EXPECT_EQ(a[3], "#####");
  EXPECT_EQ(Sheet().at(GlyphCell(kCapitalsTop, 0).left, kCapitalsTop + 3), kGrid);
}

TEST(BigDigits, EveryDigitGlowsAndTheUnlitDigitDoesNot) {
  auto bright = [](std::uint8_t i) { return ranges::kGold.contains(i) && i <= ranges::kGold[6]; };
  auto any = [](std::uint8_t i) { return i != 0; };
  const Rect unlit = BigDigitCell(-1);
  EXPECT_GT(CountWhere(Sheet(), unlit, any), 60);
  EXPECT_EQ(CountWhere(Sheet(), unlit, bright), 0);
  std::vector<int> litCounts;
  for (int k = 0; k < 10; ++k) {
    const Rect cell = BigDigitCell(k);
    litCounts.push_back(CountWhere(Sheet(), cell, bright));
    EXPECT_GT(litCounts.back(), 10) << "digit " << (k + 1) % 10;
  }
  // 1 lights two segments, 8 all seven: k = 0 is the digit 1, k = 7 the digit 8.
  EXPECT_LT(litCounts[0] * 2, litCounts[7]);
  for (int k = 0; k < 10; ++k) EXPECT_LE(litCounts[static_cast<std::size_t>(k)], litCounts[7]);
}

// The score is read at a glance: the unlit segments stay far darker than the lit ones, every
// digit lights a pattern of its own, and the 1 stands in the middle of its cell rather than
// against the next digit.
TEST(BigDigits, ReadAtAGlance) {
  auto bright = [](std::uint8_t i) { return ranges::kGold.contains(i) && i <= ranges::kGold[6]; };
  auto brighterThanUnlit = [](std::uint8_t i) {
    return ranges::kGold.contains(i) && i < ranges::kGold[13];
  };
  auto any = [](std::uint8_t i) { return i != 0; };
  const Rect unlit = BigDigitCell(-1);
  EXPECT_EQ(CountWhere(Sheet(), unlit, brighterThanUnlit), 0);

  std::vector<std::vector<bool>> litMasks;
  for (int k = 0; k < 10; ++k) {
    const Rect cell = BigDigitCell(k);
    std::vector<bool> mask;
    for (int y = cell.top; y < cell.bottom; ++y) {
      for (int x = cell.left; x < cell.right; ++x) mask.push_back(bright(Sheet().at(x, y)));
    }
    for (std::size_t j = 0; j < litMasks.size(); ++j) {
      EXPECT_NE(mask, litMasks[j]) << "digits " << (k + 1) % 10 << " and " << (j + 1) % 10;
    }
    litMasks.push_back(std::move(mask));
    // The unlit segments still show the display's shape behind every digit but the 8.
    if (k != 7) {
      EXPECT_GT(CountWhere(Sheet(), cell, any), CountWhere(Sheet(), cell, bright))
          << "digit " << (k + 1) % 10 << " shows no unlit segment";
    }
  }

  // The 1: its lit pixels are centred in the cell and keep three columns clear at either side.
  const Rect one = BigDigitCell(0);
  double sum = 0;
  int count = 0;
  for (int y = one.top; y < one.bottom; ++y) {
    for (int x = one.left; x < one.right; ++x) {
      if (!bright(Sheet().at(x, y))) continue;
      sum += x - one.left + 0.5;
      ++count;
    }
  }
  ASSERT_GT(count, 0);
  EXPECT_NEAR(sum / count, kBigDigitWidth / 2.0, 1.5);
  EXPECT_EQ(CountWhere(Sheet(), {one.left, one.top, one.left + 3, one.bottom}, bright), 0);
  EXPECT_EQ(CountWhere(Sheet(), {one.right - 3, one.top, one.right, one.bottom}, bright), 0);
}

TEST(BigDigits, LastRowIsEmptyBecauseTheGameDrawsThirtyThreeOfThirtyFour) {
  for (int k = -1; k < 10; ++k) {
    const Rect cell = BigDigitCell(k);
    EXPECT_EQ(CountWhere(Sheet(), {cell.left, cell.bottom - 1, cell.right, cell.bottom},
                         [](std::uint8_t i) { return i != 0; }),
              0);
  }
}

TEST(Ships, EveryCellBalancesOnItsCentre) {
  for (ShipRow row : kAllShipRows) {
    for (int h = 0; h < kHeadings; ++h) {
      const Rect cell = ShipCell(row, h);
      double sx = 0, sy = 0;
      int n = 0;
      for (int y = 0; y < kShipSize; ++y) {
        for (int x = 0; x < kShipSize; ++x) {
          if (Sheet().at(cell.left + x, cell.top + y) == 0) continue;
          sx += x;
          sy += y;
          ++n;
        }
      }
      ASSERT_GT(n, 150) << "row " << static_cast<int>(row) << " heading " << h;
      EXPECT_LE(std::hypot(sx / n - 14.5, sy / n - 14.5), 1.5)
          << "row " << static_cast<int>(row) << " heading " << h;
    }
  }
}

TEST(Ships, FourStepsOnIsTheSameShapeTurnedARightAngle) {
  for (ShipRow row : kAllShipRows) {
    for (int h = 0; h < kHeadings; ++h) {
      const Mask turned = TurnedClockwise(OpaqueMask(Sheet(), ShipCell(row, h)));
      const Mask next = OpaqueMask(Sheet(), ShipCell(row, (h + 4) % kHeadings));
      int differences = 0;
      EXPECT_EQ(InteriorDifferences(turned, next, &differences), 0);
      EXPECT_LE(differences, 6) << "row " << static_cast<int>(row) << " heading " << h;
    }
  }
}

// Whether any pixel on the outermost ring of a cell is drawn: a shape that reaches the edge has
// probably been cut off by it.
bool TouchesEdge(const Rect& cell) {
  auto drawn = [](std::uint8_t i) { return i != 0; };
  return CountWhere(Sheet(), {cell.left, cell.top, cell.right, cell.top + 1}, drawn) +
             CountWhere(Sheet(), {cell.left, cell.bottom - 1, cell.right, cell.bottom}, drawn) +
             CountWhere(Sheet(), {cell.left, cell.top, cell.left + 1, cell.bottom}, drawn) +
             CountWhere(Sheet(), {cell.right - 1, cell.top, cell.right, cell.bottom}, drawn) >
         0;
}

TEST(Ships, ShipsAndMissilesFitTheirCellsAtEveryHeading) {
  for (int h = 0; h < kHeadings; ++h) {
    for (ShipRow row : kAllShipRows) {
      EXPECT_FALSE(TouchesEdge(ShipCell(row, h)))
          << "row " << static_cast<int>(row) << " heading " << h;
    }
    EXPECT_FALSE(TouchesEdge(MissileCell(h))) << "missile heading " << h;
  }
}

TEST(Ships, PlayerAndDroneDifferOnlyInColour) {
  for (int h = 0; h < kHeadings; ++h) {
    EXPECT_EQ(OpaqueMask(Sheet(), ShipCell(ShipRow::kPlayer, h)),
              OpaqueMask(Sheet(), ShipCell(ShipRow::kDrone, h)));
    EXPECT_EQ(OpaqueMask(Sheet(), ShipCell(ShipRow::kPlayerFiring, h)),
              OpaqueMask(Sheet(), ShipCell(ShipRow::kDroneFiring, h)));
    EXPECT_FALSE(Sheet().Crop(ShipCell(ShipRow::kPlayer, h)) ==
                 Sheet().Crop(ShipCell(ShipRow::kDrone, h)));
  }
}

TEST(Ships, OnlyFiringCellsShowMuzzleFlashes) {
  for (int h = 0; h < kHeadings; ++h) {
    for (ShipRow row : {ShipRow::kPlayer, ShipRow::kDrone}) {
      EXPECT_EQ(CountWhere(Sheet(), ShipCell(row, h), IsFlash), 0) << "heading " << h;
    }
    for (ShipRow row : {ShipRow::kPlayerFiring, ShipRow::kDroneFiring}) {
      EXPECT_GE(CountWhere(Sheet(), ShipCell(row, h), IsFlash), 6) << "heading " << h;
      // The flashes are added to the ship, which stays as it was.
      const Rect firing = ShipCell(row, h);
      const Rect plain =
          ShipCell(row == ShipRow::kPlayerFiring ? ShipRow::kPlayer : ShipRow::kDrone, h);
      int changedHull = 0;
      for (int y = 0; y < kShipSize; ++y) {
        for (int x = 0; x < kShipSize; ++x) {
          const std::uint8_t before = Sheet().at(plain.left + x, plain.top + y);
          const std::uint8_t after = Sheet().at(firing.left + x, firing.top + y);
          if (before != 0 && !IsFlash(after) && before != after) ++changedHull;
        }
      }
      EXPECT_LE(changedHull, 4) << "heading " << h;
    }
  }
}

TEST(Ships, ShapesHaveNoTransparentHoles) {
  for (ShipRow row : kAllShipRows) {
    for (int h = 0; h < kHeadings; ++h) {
      EXPECT_EQ(EnclosedKeyPixels(Sheet(), ShipCell(row, h)), 0)
          << "row " << static_cast<int>(row) << " heading " << h;
    }
  }
  for (int h = 0; h < kHeadings; ++h) EXPECT_EQ(EnclosedKeyPixels(Sheet(), MissileCell(h)), 0);
  for (int k = 0; k < kPickupKinds; ++k) EXPECT_EQ(EnclosedKeyPixels(Sheet(), PickupCell(k)), 0);
}

TEST(Ships, CursorCellPointsUpAndLeft) {
  // The menu cursor's hot spot is the cell's top-left corner: the ship's nose must be the part of
  // it nearest that corner, with its wings and engines towards the opposite one.
  for (ShipRow row : {ShipRow::kPlayer, ShipRow::kPlayerFiring}) {
    const Rect cell = ShipCell(row, kCursorHeading);
    EXPECT_EQ(cell, (Rect{434, row == ShipRow::kPlayer ? 0 : 31, 464,
                          row == ShipRow::kPlayer ? 30 : 61}));
    int nearest = 1000;
    for (int y = 0; y < kShipSize; ++y) {
      for (int x = 0; x < kShipSize; ++x) {
        if (Sheet().at(cell.left + x, cell.top + y) != 0) nearest = std::min(nearest, x + y);
      }
    }
    EXPECT_LE(nearest, 11);
    // Measured along the heading from the cell centre, the nose reaches further forward than the
    // tail reaches back: the pointed end leads.
    double forward = 0, back = 0;
    for (int y = 0; y < kShipSize; ++y) {
      for (int x = 0; x < kShipSize; ++x) {
        if (Sheet().at(cell.left + x, cell.top + y) == 0) continue;
        const double along = -((x - 14.5) + (y - 14.5)) / std::sqrt(2.0);
        forward = std::max(forward, along);
        back = std::max(back, -along);
      }
    }
    EXPECT_GT(forward, back + 1.0);
  }
}

TEST(Missiles, EveryHeadingIsDrawnAndTurnsWithIt) {
  for (int h = 0; h < kHeadings; ++h) {
    EXPECT_GT(CountWhere(Sheet(), MissileCell(h), [](std::uint8_t i) { return i != 0; }), 12);
    const Mask turned = TurnedClockwise(OpaqueMask(Sheet(), MissileCell(h)));
    int differences = 0;
    EXPECT_EQ(InteriorDifferences(turned, OpaqueMask(Sheet(), MissileCell((h + 4) % kHeadings)),
                                  &differences),
              0);
    EXPECT_LE(differences, 3) << "heading " << h;
  }
  // Heading 0, which is also the missile stock icon, points up: its flame is at the bottom.
  const Rect up = MissileCell(0);
  EXPECT_GT(CountWhere(Sheet(), {up.left, up.top + 8, up.right, up.bottom}, IsFlash), 0);
  EXPECT_EQ(CountWhere(Sheet(), {up.left, up.top, up.right, up.top + 6}, IsFlash), 0);
}

TEST(Pickups, EachKindIsItsOwnIconAndShieldsGrowWithStrength) {
  for (int k = 0; k < kPickupKinds; ++k) {
    EXPECT_GT(CountWhere(Sheet(), PickupCell(k), [](std::uint8_t i) { return i != 0; }), 150);
    for (int j = k + 1; j < kPickupKinds; ++j) {
      EXPECT_FALSE(Sheet().Crop(PickupCell(k)) == Sheet().Crop(PickupCell(j)));
    }
  }
  auto green = [](std::uint8_t i) { return ranges::kEmerald.contains(i); };
  // The game draws the 17x19 icons into 16x18, never showing their last column and row.
  for (int k = 0; k < kPickupKinds; ++k) {
    const Rect cell = PickupCell(k);
    EXPECT_EQ(CountWhere(Sheet(), {cell.right - 1, cell.top, cell.right, cell.bottom},
                         [](std::uint8_t i) { return i != 0; }),
              0);
    EXPECT_EQ(CountWhere(Sheet(), {cell.left, cell.bottom - 1, cell.right, cell.bottom},
                         [](std::uint8_t i) { return i != 0; }),
              0);
  }
  const int small = CountWhere(Sheet(), PickupCell(1), green);
  const int medium = CountWhere(Sheet(), PickupCell(2), green);
  const int large = CountWhere(Sheet(), PickupCell(3), green);
  EXPECT_LT(small + 15, medium);
  EXPECT_LT(medium + 15, large);
}

}  // namespace
}  // namespace kelmora::artgen
