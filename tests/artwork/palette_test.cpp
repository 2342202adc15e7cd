#include <gtest/gtest.h>

#include "artgen/palette.h"

TEST(Palette, Placeholder) { EXPECT_EQ(kelmora::artgen::kPalette[0].r, 0); }
