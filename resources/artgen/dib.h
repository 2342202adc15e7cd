// Device-independent bitmaps: the packed form the game embeds (info header, colour table,
// pixels) and the .bmp file form (the same behind a 14-byte file header).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "artgen/image.h"
#include "artgen/palette.h"

namespace kelmora::artgen {

inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::size_t kFileHeaderSize = 14;

// 8 bits per pixel, bottom-up, uncompressed. The colours-used field is 0 for a full table of 256
// colours and the table's length otherwise.
std::vector<std::uint8_t> EncodePackedDib(const IndexedImage& image, std::span<const Rgb> colours);

std::vector<std::uint8_t> EncodeBitmapFile(std::span<const std::uint8_t> packedDib);

struct DecodedDib {
  IndexedImage image;
  std::vector<Rgb> colours;
};

// Reads back what EncodePackedDib writes; nothing for anything else.
std::optional<DecodedDib> DecodePackedDib(std::span<const std::uint8_t> bytes);

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset);

}  // namespace kelmora::artgen
