// The palette: the ranges that the game's drawing code indexes directly hold exactly the colours
// it expects, and the artwork ramps are usable ramps.
#include <gtest/gtest.h>

#include <vector>

#include "artgen/palette.h"
#include "artwork_fixture.h"

namespace kelmora::artgen {
namespace {

using testing::DibOf;

Rgb At(int index) {
  return kPalette[static_cast<std::size_t>(index)];
}

int Luma(Rgb c) {
  return 299 * c.r + 587 * c.g + 114 * c.b;
}

TEST(Palette, ClassicColoursAreTheSixteenOfOld) {
  const Rgb expected[16] = {{0, 0, 0},     {0, 0, 170},    {0, 170, 0},    {0, 170, 170},
                            {170, 0, 0},   {170, 0, 170},  {170, 87, 0},   {170, 170, 170},
                            {87, 87, 87},  {87, 87, 255},  {87, 255, 87},  {87, 255, 255},
                            {255, 87, 87}, {255, 87, 255}, {255, 255, 87}, {255, 255, 255}};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(At(i), expected[i]) << "index " << i;
  EXPECT_EQ(At(255), (Rgb{255, 255, 255}));
}

TEST(Palette, FixedRampsStartAndEndWhereTheGameExpects) {
  struct Expectation {
    int index;
    Rgb colour;
  };
  const Expectation expectations[] = {
      {16, {239, 239, 239}}, {31, {35, 35, 35}},  // star greys
      {58, {255, 139, 35}},  {63, {159, 79, 0}},  // young explosions
      {64, {255, 255, 219}}, {kPureYellowIndex, {255, 247, 0}},
      {79, {67, 67, 0}},     {144, {0, 0, 255}},
      {159, {0, 0, 67}},  // missile trails
      {224, {255, 0, 0}},    {kShieldYellowIndex, {251, 255, 0}},
      {254, {0, 255, 43}},
  };
  for (const Expectation& e : expectations) EXPECT_EQ(At(e.index), e.colour) << "index " << e.index;
}

TEST(Palette, FixedRampsRunSmoothlyBetweenTheirEnds) {
  // Greys stay grey and darken steadily; the blue trail stays pure blue; the shield bar goes
  // from red to green through yellow without ever darkening.
  for (int i = 16; i < 31; ++i) {
    EXPECT_EQ(At(i).r, At(i).g);
    EXPECT_EQ(At(i).g, At(i).b);
    EXPECT_GT(At(i).r, At(i + 1).r);
  }
  for (int i = 144; i < 159; ++i) {
    EXPECT_EQ(At(i).r, 0);
    EXPECT_EQ(At(i).g, 0);
    EXPECT_GT(At(i).b, At(i + 1).b);
  }
  for (int i = 224; i < kShieldYellowIndex; ++i) {
    EXPECT_LE(At(i).g, At(i + 1).g) << i;
    EXPECT_GE(At(i).r, 240) << i;
  }
  for (int i = kShieldYellowIndex; i < 254; ++i) {
    EXPECT_GE(At(i).r, At(i + 1).r) << i;
    EXPECT_EQ(At(i).g, 255) << i;
  }
  for (int i = 58; i < 63; ++i) EXPECT_GT(Luma(At(i)), Luma(At(i + 1))) << i;
  for (int i = 64; i < 79; ++i) EXPECT_GT(Luma(At(i)), Luma(At(i + 1))) << i;
}

TEST(Palette, NamedRangesCoverEveryEntryOnce) {
  const Range all[] = {ranges::kClassic,  ranges::kGrey,   ranges::kSteel,   ranges::kGlass,
                       ranges::kOrange,   ranges::kYellow, ranges::kCrimson, ranges::kCobalt,
                       ranges::kAmber,    ranges::kSlate,  ranges::kPlasma,  ranges::kBlue,
                       ranges::kEmerald,  ranges::kViolet, ranges::kConsole, ranges::kGold,
                       ranges::kShieldBar};
  std::vector<int> owners(256, 0);
  for (const Range& range : all) {
    for (int i = range.first; i <= range.last(); ++i) ++owners[static_cast<std::size_t>(i)];
  }
  for (int i = 0; i < 255; ++i) EXPECT_EQ(owners[static_cast<std::size_t>(i)], 1) << "index " << i;
  EXPECT_EQ(owners[255], 0);  // white on its own
}

TEST(Palette, ArtworkRampsRunFromLightToNearBlackWithoutZero) {
  // The artwork quantises shading into these ramps, so each must darken steadily, and its darkest
  // entry must be dark enough for outlines without being the key colour.
  const Range ramps[] = {ranges::kSteel,  ranges::kGlass,   ranges::kCrimson, ranges::kCobalt,
                         ranges::kAmber,  ranges::kSlate,   ranges::kPlasma,  ranges::kEmerald,
                         ranges::kViolet, ranges::kConsole, ranges::kGold};
  for (const Range& range : ramps) {
    for (int i = range.first; i < range.last(); ++i) {
      EXPECT_GT(Luma(At(i)), Luma(At(i + 1))) << "index " << i;
    }
    EXPECT_LT(Luma(At(range.last())), 60 * 1000) << "ramp at " << range.first;
    EXPECT_NE(At(range.last()), (Rgb{0, 0, 0})) << "ramp at " << range.first;
  }
}

TEST(Palette, BothBitmapsCarryTheGamePalette) {
  for (std::string_view name : {"KELMORA", "GUI"}) {
    const auto dib = DecodePackedDib(DibOf(name));
    ASSERT_TRUE(dib.has_value()) << name;
    ASSERT_EQ(dib->colours.size(), 256u);
    for (int i = 0; i < 256; ++i) {
      EXPECT_EQ(dib->colours[static_cast<std::size_t>(i)], At(i)) << name << " index " << i;
    }
  }
}

}  // namespace
}  // namespace kelmora::artgen
