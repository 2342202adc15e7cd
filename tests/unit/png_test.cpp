#include "core/png.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace kelmora {
namespace {

const std::uint8_t* Bytes(const char* text) {
  return reinterpret_cast<const std::uint8_t*>(text);
}

std::uint32_t Big32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return (static_cast<std::uint32_t>(bytes[at]) << 24) | (bytes[at + 1] << 16) |
         (bytes[at + 2] << 8) | bytes[at + 3];
}

TEST(PngTest, ChecksumsAreTheStandardOnes) {
  EXPECT_EQ(Crc32(Bytes("123456789"), 9), 0xCBF43926u);
  EXPECT_EQ(Crc32(Bytes(""), 0), 0u);
  EXPECT_EQ(Adler32(Bytes("Wikipedia"), 9), 0x11E60398u);
  EXPECT_EQ(Adler32(Bytes(""), 0), 1u);
  // Continued over two parts, the same as over the whole.
  EXPECT_EQ(Crc32(Bytes("56789"), 5, Crc32(Bytes("1234"), 4)), 0xCBF43926u);
}

// Walks the chunks, checking each one's CRC; returns their types in order.
std::vector<std::string> Chunks(const std::vector<std::uint8_t>& file,
                                std::vector<std::uint8_t>* idat) {
  std::vector<std::string> types;
  std::size_t at = 8;
  while (at + 12 <= file.size()) {
    const std::uint32_t length = Big32(file, at);
    EXPECT_LE(at + 12 + length, file.size());
    types.emplace_back(reinterpret_cast<const char*>(&file[at + 4]), 4);
    EXPECT_EQ(Crc32(&file[at + 4], length + 4), Big32(file, at + 8 + length)) << types.back();
    if (types.back() == "IDAT") idat->assign(&file[at + 8], &file[at + 8 + length]);
    at += 12 + length;
  }
  EXPECT_EQ(at, file.size());
  return types;
}

TEST(PngTest, APictureIsSignedHeadedAndEnded) {
  std::vector<std::uint8_t> rgb(640 * 480 * 3, 0);
  for (std::size_t i = 0; i < rgb.size(); i += 7) rgb[i] = static_cast<std::uint8_t>(i);
  const std::vector<std::uint8_t> file = EncodePngRgb(rgb.data(), 640, 480);
  const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_GT(file.size(), 33u);
  EXPECT_EQ(std::memcmp(file.data(), signature, 8), 0);
  std::vector<std::uint8_t> idat;
  EXPECT_EQ(Chunks(file, &idat), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  EXPECT_EQ(Big32(file, 16), 640u);
  EXPECT_EQ(Big32(file, 20), 480u);
  EXPECT_EQ(file[24], 8);  // bits per sample
  EXPECT_EQ(file[25], 2);  // RGB
  // A zlib stream whose checksum is that of the rows, each led by its filter byte.
  ASSERT_GT(idat.size(), 6u);
  EXPECT_EQ(idat[0], 0x78);
  EXPECT_EQ((idat[0] * 256 + idat[1]) % 31, 0);
  std::vector<std::uint8_t> rows;
  for (int y = 0; y < 480; ++y) {
    rows.push_back(0);
    rows.insert(rows.end(), rgb.begin() + y * 1920, rgb.begin() + (y + 1) * 1920);
  }
  EXPECT_EQ(Big32(idat, idat.size() - 4), Adler32(rows.data(), rows.size()));
  // The same picture, the same bytes; a black one is small.
  EXPECT_EQ(EncodePngRgb(rgb.data(), 640, 480), file);
  const std::vector<std::uint8_t> black(640 * 480 * 3, 0);
  EXPECT_LT(EncodePngRgb(black.data(), 640, 480).size(), 10000u);
}

}  // namespace
}  // namespace kelmora
