#include "artgen/dib.h"

namespace kelmora::artgen {

namespace {

void Put16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::size_t Stride(int width) {
  return (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
}

}  // namespace

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset]) |
         (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
         (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::vector<std::uint8_t> EncodePackedDib(const IndexedImage& image, std::span<const Rgb> colours) {
  const std::size_t stride = Stride(image.width());
  const auto imageSize =
      static_cast<std::uint32_t>(stride * static_cast<std::size_t>(image.height()));
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kInfoHeaderSize + colours.size() * 4 + imageSize);
  Put32(bytes, kInfoHeaderSize);
  Put32(bytes, static_cast<std::uint32_t>(image.width()));
  Put32(bytes, static_cast<std::uint32_t>(image.height()));  // positive: bottom row first
  Put16(bytes, 1);                                           // planes
  Put16(bytes, 8);                                           // bits per pixel
  Put32(bytes, 0);                                           // uncompressed
  Put32(bytes, imageSize);
  Put32(bytes, 0);  // no preferred resolution
  Put32(bytes, 0);
  Put32(bytes, colours.size() == 256 ? 0 : static_cast<std::uint32_t>(colours.size()));
  Put32(bytes, 0);  // all colours are important
  for (const Rgb& c : colours) {
    bytes.push_back(c.b);
    bytes.push_back(c.g);
    bytes.push_back(c.r);
    bytes.push_back(0);
  }
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) bytes.push_back(image.at(x, y));
    for (std::size_t pad = static_cast<std::size_t>(image.width()); pad < stride; ++pad) {
      bytes.push_back(0);
    }
  }
  return bytes;
}

std::vector<std::uint8_t> EncodeBitmapFile(std::span<const std::uint8_t> packedDib) {
  const std::uint32_t colours = ReadU32(packedDib, 32) == 0 ? 256 : ReadU32(packedDib, 32);
  std::vector<std::uint8_t> bytes{'B', 'M'};
  Put32(bytes, static_cast<std::uint32_t>(kFileHeaderSize + packedDib.size()));
  Put32(bytes, 0);  // reserved
  Put32(bytes, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + colours * 4));
  bytes.insert(bytes.end(), packedDib.begin(), packedDib.end());
  return bytes;
}

std::optional<DecodedDib> DecodePackedDib(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kInfoHeaderSize || ReadU32(bytes, 0) != kInfoHeaderSize) return std::nullopt;
  const auto width = static_cast<std::int32_t>(ReadU32(bytes, 4));
  const auto height = static_cast<std::int32_t>(ReadU32(bytes, 8));
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096) return std::nullopt;
  if (ReadU16(bytes, 12) != 1 || ReadU16(bytes, 14) != 8 || ReadU32(bytes, 16) != 0) {
    return std::nullopt;
  }
  const std::uint32_t used = ReadU32(bytes, 32);
  if (used > 256) return std::nullopt;
  const std::size_t colourCount = used == 0 ? 256 : used;
  const std::size_t stride = Stride(width);
  const std::size_t pixels = kInfoHeaderSize + colourCount * 4;
  if (bytes.size() != pixels + stride * static_cast<std::size_t>(height)) return std::nullopt;
  DecodedDib dib{IndexedImage(width, height), {}};
  for (std::size_t i = 0; i < colourCount; ++i) {
    const std::size_t entry = kInfoHeaderSize + i * 4;
    dib.colours.push_back({bytes[entry + 2], bytes[entry + 1], bytes[entry]});
  }
  for (int y = 0; y < height; ++y) {
    const std::size_t row = pixels + static_cast<std::size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) dib.image.at(x, y) = bytes[row + static_cast<std::size_t>(x)];
  }
  return dib;
}

}  // namespace kelmora::artgen
