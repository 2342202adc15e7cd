#include "display/pixels.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace kelmora {
namespace {

using Points = std::set<std::pair<std::int32_t, std::int32_t>>;

// A locked surface with a pitch wider than the screen, so that rows are told apart.
class PixelsTest : public ::testing::Test {
 protected:
  static constexpr std::int32_t kPitch = 648;

  std::uint8_t* Bits() { return memory_.data(); }
  std::uint8_t At(std::int32_t x, std::int32_t y) const {
    return memory_[static_cast<std::size_t>(y * kPitch + x)];
  }
  // Every (x, y) with a non-zero byte; bytes in the pitch padding show up as x >= 640.
  Points Drawn() const {
    Points points;
    for (std::size_t i = 0; i < memory_.size(); ++i) {
      if (memory_[i] != 0) {
        points.insert(
            {static_cast<std::int32_t>(i % kPitch), static_cast<std::int32_t>(i / kPitch)});
      }
    }
    return points;
  }
  void Clear() { std::fill(memory_.begin(), memory_.end(), 0); }

  std::vector<std::uint8_t> memory_ = std::vector<std::uint8_t>(kPitch * 480, 0);
};

TEST_F(PixelsTest, PutPixelStoresOnlyInsideTheDrawableArea) {
  for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {640, 5}, {5, 480}, {-1, 5}, {5, -1}, {-70000, 3}}) {
    PutPixel(Bits(), kPitch, x, y, 9);
  }
  EXPECT_TRUE(Drawn().empty());

  PutPixel(Bits(), kPitch, 639, 479, 9);
  PutPixel(Bits(), kPitch, 1, 1, 9);
  PutPixel(Bits(), kPitch, 3, 2, 300);  // the low byte: 44
  PutPixel(Bits(), kPitch, 4, 2, -1);
  EXPECT_EQ(Drawn(), (Points{{639, 479}, {1, 1}, {3, 2}, {4, 2}}));
  EXPECT_EQ(memory_[2 * kPitch + 3], 44);
  EXPECT_EQ(At(4, 2), 255);
}

TEST_F(PixelsTest, SpansRunBetweenEitherOrderOfEnds) {
  DrawSpan(Bits(), kPitch, 10, 7, 5, 3);
  EXPECT_EQ(Drawn(), (Points{{5, 7}, {6, 7}, {7, 7}, {8, 7}, {9, 7}, {10, 7}}));

  Clear();
  DrawSpan(Bits(), kPitch, -3, 9, 2, 3);  // clipped point by point
  DrawSpan(Bits(), kPitch, 638, 9, 700, 3);
  EXPECT_EQ(Drawn(), (Points{{1, 9}, {2, 9}, {638, 9}, {639, 9}}));
}

TEST_F(PixelsTest, VerticalAndHorizontalLines) {
  DrawLine(Bits(), kPitch, 10, 20, 10, 25, 5);
  EXPECT_EQ(Drawn(), (Points{{10, 20}, {10, 21}, {10, 22}, {10, 23}, {10, 24}, {10, 25}}));

  Clear();
  DrawLine(Bits(), kPitch, 5, 7, 15, 7, 5);
  Points row;
  for (std::int32_t x = 5; x <= 15; ++x) row.insert({x, 7});
  EXPECT_EQ(Drawn(), row);
  Clear();
  DrawLine(Bits(), kPitch, 15, 7, 5, 7, 5);
  EXPECT_EQ(Drawn(), row);

  // A shield-bar column at x = 0 stores nothing.
  Clear();
  DrawLine(Bits(), kPitch, 0, 0, 0, 25, 224);
  EXPECT_TRUE(Drawn().empty());
}

TEST_F(PixelsTest, SteepRowsJoinToTheRowBefore) {
  // Slope 131072: two columns per row.
  DrawLine(Bits(), kPitch, 0, 10, 4, 12, 5);
  const Points expected{{1, 11}, {2, 11}, {2, 12}, {3, 12}, {4, 12}};
  EXPECT_EQ(Drawn(), expected);
  Clear();
  DrawLine(Bits(), kPitch, 4, 12, 0, 10, 5);
  EXPECT_EQ(Drawn(), expected);
}

TEST_F(PixelsTest, RoundedSlopeIsNotCorrectedAtTheEnd) {
  // Slope 65536 / 3 = 21845.33 rounds to 21845: after three rows x is 10 + 65535 / 65536, still
  // column 10, so column 11 is never reached.
  DrawLine(Bits(), kPitch, 10, 1, 11, 4, 5);
  EXPECT_EQ(Drawn(), (Points{{10, 1}, {10, 2}, {10, 3}, {10, 4}}));

  // Going left: slope -21845; x = 10, 9.67, 9.33, 9.00002 take columns 10, 9, 9, 9, and row 2
  // joins 9 to the 10 of row 1.
  Clear();
  DrawLine(Bits(), kPitch, 10, 1, 9, 4, 5);
  const Points left{{10, 1}, {9, 2}, {10, 2}, {9, 3}, {9, 4}};
  EXPECT_EQ(Drawn(), left);
  Clear();
  DrawLine(Bits(), kPitch, 9, 4, 10, 1, 5);
  EXPECT_EQ(Drawn(), left);
}

TEST_F(PixelsTest, LongStepsStayInFixedPoint) {
  // x jumps from -32000 to 700 in one row: the second row spans the whole visible row.
  DrawLine(Bits(), kPitch, -32000, 100, 700, 101, 7);
  Points expected;
  for (std::int32_t x = 1; x <= 639; ++x) expected.insert({x, 101});
  EXPECT_EQ(Drawn(), expected);
}

TEST(MulDivTest, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(MulDiv(1, -1, 2), -1);
  EXPECT_EQ(MulDiv(1, 1, -2), -1);
  EXPECT_EQ(MulDiv(-1, 1, -2), 1);
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(5, 1, 3), 2);
  EXPECT_EQ(MulDiv(4, 1, 3), 1);
  EXPECT_EQ(MulDiv(-4, 1, 3), -1);
  EXPECT_EQ(MulDiv(-5, 1, 3), -2);
  // The product needs 64 bits: 2^30 * 2^16 / 2^20.
  EXPECT_EQ(MulDiv(1 << 30, 1 << 16, 1 << 20), 1 << 26);
}

TEST(MulDivTest, ZeroDivisorAndOverflowGiveMinusOne) {
  EXPECT_EQ(MulDiv(5, 7, 0), -1);
  EXPECT_EQ(MulDiv(0, 7, 0), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<std::int32_t>::max(), 2, 1), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<std::int32_t>::min(), 1, -1), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<std::int32_t>::min(), 1, 1),
            std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace kelmora
