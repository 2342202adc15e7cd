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

// The digest of feeding every byte in turn, the rule the quick paths must keep.
std::uint64_t PlainDigest(const std::uint8_t* bytes, std::size_t count,
                          std::uint64_t start = Fnv1a64::kOffsetBasis) {
  std::uint64_t h = start;
  for (std::size_t i = 0; i < count; ++i) h = (h ^ bytes[i]) * Fnv1a64::kPrime;
  return h;
}

TEST(Numeric, PrimePowersAreRepeatedMultiplication) {
  std::uint64_t power = 1;
  for (std::size_t n = 0; n <= 70000; ++n) {
    ASSERT_EQ(Fnv1a64::PrimePower(n), power) << n;
    power *= Fnv1a64::kPrime;
  }
  // Far beyond any layer, across the tables' last level: by squaring.
  auto bySquaring = [](std::uint64_t n) {
    std::uint64_t result = 1;
    std::uint64_t base = Fnv1a64::kPrime;
    for (; n != 0; n >>= 1) {
      if ((n & 1) != 0) result *= base;
      base *= base;
    }
    return result;
  };
  for (const std::uint64_t n : {262143ull, 262144ull, 307200ull, 16777215ull, 16777216ull,
                                16777216ull * 3 + 4097, 1ull << 40, (1ull << 40) + 12345}) {
    EXPECT_EQ(Fnv1a64::PrimePower(n), bySquaring(n)) << n;
  }
}

TEST(Numeric, WordsWithZeroHighBytesDigestAsFourBytes) {
  std::vector<std::uint32_t> words = {0,         1,          0x7F,       0xFF,       0x100,
                                      0x1FF,     0xFFFF,     0x10000,    0x10001,    0xFFFFFF,
                                      0x1000000, 0x80000000, 0xFFFFFFFF, 0x3F800000, 0x00FF00FF};
  std::uint32_t state = 12345;
  for (int i = 0; i < 200; ++i) {
    state = state * 1103515245u + 12345u;
    words.push_back(state >> (i % 32));
  }
  Fnv1a64 quick;
  std::uint64_t plain = Fnv1a64::kOffsetBasis;
  for (const std::uint32_t word : words) {
    quick.Word(word);
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(word), static_cast<std::uint8_t>(word >> 8),
        static_cast<std::uint8_t>(word >> 16), static_cast<std::uint8_t>(word >> 24)};
    plain = PlainDigest(bytes, 4, plain);
    ASSERT_EQ(quick.Value(), plain) << std::hex << word;
  }
}

// Zero runs of every length from 0 to 200 at every position within a 64-byte block, between
// non-zero bytes, over lengths that are and are not multiples of eight.
TEST(Numeric, SparseDigestIsThePlainDigestForEveryZeroRun) {
  for (std::size_t run = 0; run <= 200; ++run) {
    for (std::size_t at = 0; at < 72; ++at) {
      std::vector<std::uint8_t> bytes(at + run + 1 + (run % 13), 0);
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i < at || i >= at + run) bytes[i] = static_cast<std::uint8_t>(1 + (i * 7 + run) % 255);
      }
      // Some of the bytes around the run zero too, so that runs meet and single zeros sit amid.
      if (at >= 3) bytes[at - 3] = 0;
      Fnv1a64 sparse;
      sparse.SparseBytes(bytes.data(), bytes.size());
      ASSERT_EQ(sparse.Value(), PlainDigest(bytes.data(), bytes.size())) << run << " at " << at;
    }
  }
}

// Blocks of 64 with every density, fed by their non-zero masks between zero runs and whole
// stretches: the digest of every byte in turn, and the masks the bytes' own.
TEST(Numeric, MaskedBlocksGiveThePlainDigestOnAllProcessorPaths) {
  std::vector<std::uint8_t> bytes;
  std::uint32_t seed = 12345;
  const auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return seed >> 16;
  };
  for (int block = 0; block < 400; ++block) {
    const std::uint32_t density = static_cast<std::uint32_t>(block % 66);  // 0 to 65 in 64
    for (int i = 0; i < 64; ++i) {
      bytes.push_back(next() % 64 < density ? static_cast<std::uint8_t>(1 + next() % 255) : 0);
    }
  }
  bytes[64 * 7] = 0x80;  // bytes with only the top bit, or none of it, set
  bytes[64 * 7 + 1] = 0x7f;
  SparseFnv1a64 masked;
  for (std::size_t b = 0; b < bytes.size() / 64; ++b) {
    const std::uint8_t* block = bytes.data() + 64 * b;
    std::uint64_t expected = 0;
    for (int i = 0; i < 64; ++i) expected |= static_cast<std::uint64_t>(block[i] != 0) << i;
    ASSERT_EQ(NonZeroBytes64(block), expected) << b;
    ASSERT_EQ(NonZeroBytes64Plain(block), expected) << b;
    if (b % 5 == 4) {
      masked.Zeros(3);  // a zero run between blocks, as rows give
    } else if (b % 7 == 6) {
      masked.Bytes(block, 64);  // or the same bytes fed the other way
      continue;
    }
    masked.Masked64(block, expected);
  }
  Fnv1a64 plain;
  for (std::size_t b = 0; b < bytes.size() / 64; ++b) {
    if (b % 5 == 4) plain.Zeros(3);
    plain.Bytes(bytes.data() + 64 * b, 64);
  }
  EXPECT_EQ(masked.Value(), plain.Value());
}

TEST(Numeric, SparseDigestCarriesRunsAcrossCallsAndContinuesADigest) {
  // A 640x480 layer, all zero but for scattered bytes and a dense block, fed row by row.
  std::vector<std::uint8_t> layer(640 * 480, 0);
  for (std::size_t i = 0; i < 3000; ++i) layer[(i * 2654435761u) % layer.size()] = 1 + i % 250;
  for (std::size_t y = 100; y < 120; ++y) {
    for (std::size_t x = 300; x < 341; ++x) layer[y * 640 + x] = static_cast<std::uint8_t>(x + y);
  }
  SparseFnv1a64 rows;
  for (std::size_t y = 0; y < 480; ++y) rows.Bytes(layer.data() + y * 640, 640);
  EXPECT_EQ(rows.Value(), PlainDigest(layer.data(), layer.size()));
  std::vector<std::uint8_t> zeros(640 * 480, 0);
  Fnv1a64 blank;
  blank.SparseBytes(zeros.data(), zeros.size());
  EXPECT_EQ(blank.Value(), PlainDigest(zeros.data(), zeros.size()));
  // Continuing a digest, and feeding nothing.
  Fnv1a64 continued(0x1234);
  continued.SparseBytes(layer.data() + 5, 1000);
  continued.SparseBytes(layer.data(), 0);
  EXPECT_EQ(continued.Value(), PlainDigest(layer.data() + 5, 1000, 0x1234));
}

TEST(Numeric, WordDigestsSideBySideAreEachTheirOwn) {
  std::vector<std::uint32_t> streams[5];
  for (int k = 0; k < 5; ++k) {
    for (int i = 0; i < 37 * k + 5; ++i)
      streams[k].push_back(static_cast<std::uint32_t>(i * (k + 3)) << (i % 20));
  }
  streams[2].clear();  // one of them empty, the others of different lengths
  const auto hashes =
      HashWordsSideBySide<5>({streams[0], streams[1], streams[2], streams[3], streams[4]});
  for (int k = 0; k < 5; ++k) {
    Fnv1a64 alone;
    for (const std::uint32_t word : streams[k]) alone.Word(word);
    EXPECT_EQ(hashes[static_cast<std::size_t>(k)], alone.Value()) << k;
  }
}

}  // namespace
}  // namespace kelmora
