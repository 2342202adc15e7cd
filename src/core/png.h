// PNG files of 8-bit RGB pictures, written by our own code: the same picture always gives the
// same bytes, with no library behind it.
#pragma once

#include <cstdint>
#include <vector>

namespace kelmora {

// The PNG file of a `width` x `height` picture given as rows of red, green, blue bytes.
std::vector<std::uint8_t> EncodePngRgb(const std::uint8_t* rgb, int width, int height);

// The CRC-32 of PNG chunks (and zip), and zlib's Adler-32.
std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* bytes, std::size_t count, std::uint32_t adler = 1);

}  // namespace kelmora
