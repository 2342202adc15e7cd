#include "core/numeric.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/draw_ahead.h"
#include "core/hash.h"
#include "core/sine_values.h"

namespace kelmora {
namespace {

TEST(Numeric, SineTablesAreTheCLibrarysNumbersForTheGamesAngles) {
  // Whole compass headings and explosion directions: the values the per-frame sums have always
  // used, from this build's C library, bit for bit.
  const auto same = [](double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
  };
  for (int h = kSineHeadingFirst; h <= kSineHeadingLast; ++h) {
    const double radians = HeadingToRadians(static_cast<double>(h));
    const auto& entry = kHeadingSines[h - kSineHeadingFirst];
    EXPECT_TRUE(same(entry[0], std::sin(radians))) << h;
    EXPECT_TRUE(same(entry[1], std::cos(radians))) << h;
  }
  for (int i = 0; i < kDirectionCount; ++i) {
    const double radians = HeadingToRadians(static_cast<float>(i * 0.01));
    EXPECT_TRUE(same(kDirectionSines[i][0], std::sin(radians))) << i;
    EXPECT_TRUE(same(kDirectionSines[i][1], std::cos(radians))) << i;
  }
}

TEST(Numeric, WrapsWorldCoordinatesModulo65536) {
  EXPECT_EQ(Wrap16(32767), 32767);
  EXPECT_EQ(Wrap16(32768), -32768);
  EXPECT_EQ(Wrap16(-32770), 32766);
  EXPECT_EQ(Wrap16(65536 + 5), 5);
}

TEST(Numeric, TruncatesTowardZeroAndHandlesValuesWithoutAnInteger) {
  EXPECT_EQ(TruncToInt(2.9), 2);
  EXPECT_EQ(TruncToInt(-2.9), -2);
  EXPECT_EQ(TruncToInt(std::nan("")), 0);
  EXPECT_EQ(TruncToInt(1e12), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(TruncToInt(-1e12), std::numeric_limits<std::int32_t>::min());
}

TEST(Numeric, RandomSequenceFollowsTheLinearCongruentialRule) {
  RandomGenerator generator;
  generator.Seed(1);
  // state = 1 * 214013 + 2531011 = 2745024; 2745024 >> 16 = 41.
  EXPECT_EQ(generator.Draw(), 41);
  EXPECT_EQ(generator.state, 2745024u);
  // Next: 2745024 * 214013 + 2531011 mod 2^32 = 1139469739 -> (>> 16) & 0x7FFF = 18467.
  EXPECT_EQ(generator.Draw(), 18467);
}

// Draws worked out ahead, many lanes at once, are the draws one after another; the quotients
// without division hold for every value a draw can return.
TEST(Numeric, DrawsWorkedOutAheadAreTheSequenceItself) {
  for (std::uint32_t value = 0; value <= 32767; ++value) {
    ASSERT_EQ(QuotientBy5(value), value / 5) << value;
    ASSERT_EQ(QuotientBy10(value), value / 10) << value;
    ASSERT_EQ(QuotientBy100(value), value / 100) << value;
    ASSERT_EQ(QuotientBy200(value), value / 200) << value;
  }
  for (const std::uint64_t steps : {0ull, 1ull, 2ull, 17ull, 64ull, 1000ull}) {
    RandomGenerator one;
    one.Seed(987654321u);
    for (std::uint64_t i = 0; i < steps; ++i) one.Draw();
    const Leap leap = LeapOf(steps);
    EXPECT_EQ(987654321u * leap.multiplier + leap.increment, one.state) << steps;
  }
  std::vector<std::uint32_t> states(5 * 16);
  const std::uint32_t after =
      DrawBlocks<16>(5, 42u, [&](std::size_t i, std::uint32_t state) { states[i] = state; });
  RandomGenerator one;
  one.Seed(42u);
  for (const std::uint32_t state : states) {
    const std::int32_t drawn = one.Draw();
    ASSERT_EQ(state, one.state);
    ASSERT_EQ(static_cast<std::int32_t>(DrawnValue(state)), drawn);
  }
  EXPECT_EQ(after, one.state);
}

TEST(Numeric, HashIsFnv1a64OverLittleEndianWords) {
  Fnv1a64 empty;
  EXPECT_EQ(empty.Hex(), "cbf29ce484222325");
  Fnv1a64 a;
  a.Byte('a');
  EXPECT_EQ(a.Hex(), "af63dc4c8601ec8c");
}

}  // namespace
}  // namespace kelmora
