// The bitmaps as bytes: header fields the game's loader reads, the file form written next to the
// build, the icons, and that what is embedded is what the generator makes, every time.
#include <gtest/gtest.h>

#include <set>

#include "artgen/artwork.h"
#include "artgen/dib.h"
#include "artgen/sprites.h"
#include "artwork_fixture.h"
#include "resources/embedded.h"

namespace kelmora::artgen {
namespace {

using testing::Artwork;
using testing::DibOf;

struct ExpectedHeader {
  std::string_view name;
  std::uint32_t width;
  std::uint32_t height;
  std::uint32_t coloursUsed;
};

constexpr ExpectedHeader kHeaders[] = {
    {"KELMORA", 640, 480, 0},
    {"GUI", 640, 480, 0},
    {"ICON32", 32, 32, 16},
    {"ICON16", 16, 16, 16},
};

TEST(Bitmaps, InfoHeadersAreThoseOfPlainEightBitBottomUpDibs) {
  for (const ExpectedHeader& e : kHeaders) {
    SCOPED_TRACE(e.name);
    const auto dib = DibOf(e.name);
    ASSERT_GE(dib.size(), 40u);
    EXPECT_EQ(ReadU32(dib, 0), 40u);       // biSize
    EXPECT_EQ(ReadU32(dib, 4), e.width);   // biWidth
    EXPECT_EQ(ReadU32(dib, 8), e.height);  // biHeight, positive: bottom-up
    EXPECT_EQ(ReadU16(dib, 12), 1u);       // biPlanes
    EXPECT_EQ(ReadU16(dib, 14), 8u);       // biBitCount
    EXPECT_EQ(ReadU32(dib, 16), 0u);       // biCompression
    const std::uint32_t imageSize = ReadU32(dib, 20);
    EXPECT_TRUE(imageSize == 0 || imageSize == e.width * e.height) << imageSize;
    EXPECT_EQ(ReadU32(dib, 32), e.coloursUsed);  // biClrUsed
    EXPECT_EQ(ReadU32(dib, 36), 0u);             // biClrImportant
    const std::uint32_t colours = e.coloursUsed == 0 ? 256 : e.coloursUsed;
    EXPECT_EQ(dib.size(), 40 + colours * 4 + e.width * e.height);
    for (std::uint32_t i = 0; i < colours; ++i) EXPECT_EQ(dib[40 + i * 4 + 3], 0) << "entry " << i;
  }
}

TEST(Bitmaps, ColourTablesAreBlueGreenRedAndRowsRunBottomUp) {
  const auto sheet = DibOf("KELMORA");
  // Entry 9 is light blue (87, 87, 255): stored blue first.
  EXPECT_EQ(sheet[40 + 9 * 4 + 0], 255);
  EXPECT_EQ(sheet[40 + 9 * 4 + 1], 87);
  EXPECT_EQ(sheet[40 + 9 * 4 + 2], 87);
  // The white grid line under the first row of ships (y = 30) sits 449 rows up from the end.
  const std::size_t pixels = 40 + 256 * 4;
  EXPECT_EQ(sheet[pixels + (479 - 30) * 640 + 5], kGrid);
  EXPECT_EQ(sheet[pixels + (479 - 0) * 640 + 0], kKey);
}

TEST(Bitmaps, FileFormAddsTheFourteenByteHeader) {
  for (const NamedBitmap& bitmap : Artwork()) {
    SCOPED_TRACE(bitmap.name);
    const auto file = EncodeBitmapFile(bitmap.dib);
    ASSERT_EQ(file.size(), 14 + bitmap.dib.size());
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(ReadU32(file, 2), file.size());
    EXPECT_EQ(ReadU32(file, 6), 0u);
    const std::uint32_t colours = ReadU32(bitmap.dib, 32) == 0 ? 256 : ReadU32(bitmap.dib, 32);
    EXPECT_EQ(ReadU32(file, 10), 14 + 40 + colours * 4);
    EXPECT_TRUE(std::equal(bitmap.dib.begin(), bitmap.dib.end(), file.begin() + 14));
  }
}

TEST(Bitmaps, GeneratorIsDeterministic) {
  const auto again = GenerateArtwork();
  ASSERT_EQ(again.size(), Artwork().size());
  for (std::size_t i = 0; i < again.size(); ++i) {
    EXPECT_EQ(again[i].name, Artwork()[i].name);
    EXPECT_TRUE(again[i].dib == Artwork()[i].dib) << again[i].name;
  }
}

TEST(Bitmaps, EmbeddedBitmapsAreTheGeneratedOnes) {
  for (const NamedBitmap& bitmap : Artwork()) {
    const auto embedded = resources::FindBitmap(bitmap.name);
    ASSERT_EQ(embedded.size(), bitmap.dib.size()) << bitmap.name;
    EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), bitmap.dib.begin())) << bitmap.name;
  }
  EXPECT_TRUE(resources::FindBitmap("MENU").empty());
  EXPECT_TRUE(resources::FindBitmap("").empty());
  EXPECT_TRUE(resources::FindBitmap("kelmora").empty());
}

TEST(Bitmaps, EmbeddingSourceListsEveryBitmapByName) {
  const std::string source = EmbeddingSource(Artwork());
  for (const NamedBitmap& bitmap : Artwork()) {
    EXPECT_NE(source.find("{\"" + std::string(bitmap.name) + "\", "), std::string::npos);
  }
  EXPECT_NE(source.find("kEmbeddedBitmapCount = 4;"), std::string::npos);
}

TEST(Bitmaps, DecoderRejectsWhatIsNotAnEightBitDib) {
  std::vector<std::uint8_t> dib(DibOf("ICON16").begin(), DibOf("ICON16").end());
  EXPECT_TRUE(DecodePackedDib(dib).has_value());
  auto truncated = dib;
  truncated.pop_back();
  EXPECT_FALSE(DecodePackedDib(truncated).has_value());
  auto fourBit = dib;
  fourBit[14] = 4;
  EXPECT_FALSE(DecodePackedDib(fourBit).has_value());
  auto tooManyColours = dib;
  tooManyColours[32] = 0x01;
  tooManyColours[33] = 0x01;  // 257
  EXPECT_FALSE(DecodePackedDib(tooManyColours).has_value());
}

TEST(Icons, SixteenColoursOnATransparentBackground) {
  for (std::string_view name : {"ICON32", "ICON16"}) {
    SCOPED_TRACE(name);
    const auto dib = DecodePackedDib(DibOf(name));
    ASSERT_TRUE(dib.has_value());
    ASSERT_EQ(dib->colours.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(dib->colours[i], kIconColours[i]);
    const IndexedImage& image = dib->image;
    const int n = image.width();
    std::set<int> used;
    int opaque = 0;
    for (int y = 0; y < n; ++y) {
      for (int x = 0; x < n; ++x) {
        used.insert(image.at(x, y));
        opaque += image.at(x, y) != 0 ? 1 : 0;
      }
    }
    EXPECT_LT(*used.rbegin(), 16);
    // Corners are background; the emblem covers a good part of the square.
    EXPECT_EQ(image.at(0, 0), 0);
    EXPECT_EQ(image.at(n - 1, 0), 0);
    EXPECT_EQ(image.at(0, n - 1), 0);
    EXPECT_EQ(image.at(n - 1, n - 1), 0);
    EXPECT_GT(opaque, n * n / 4);
    EXPECT_GE(used.size(), 6u);
  }
}

}  // namespace
}  // namespace kelmora::artgen
