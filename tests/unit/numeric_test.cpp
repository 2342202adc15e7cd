#include "core/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/hash.h"

namespace kelmora {
namespace {

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

TEST(Numeric, HashIsFnv1a64OverLittleEndianWords) {
  Fnv1a64 empty;
  EXPECT_EQ(empty.Hex(), "cbf29ce484222325");
  Fnv1a64 a;
  a.Byte('a');
  EXPECT_EQ(a.Hex(), "af63dc4c8601ec8c");
}

}  // namespace
}  // namespace kelmora
