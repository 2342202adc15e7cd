// Plain bitmaps of the right size, format and palette, so the game runs before its artwork exists.
#include <vector>

#include "resources/embedded.h"

namespace kelmora::resources {

namespace {

std::vector<std::uint8_t> MakeBitmap(int width, int height) {
  std::vector<std::uint8_t> bytes(40 + 1024 + static_cast<std::size_t>(width * height), 0);
  auto put32 = [&bytes](std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  put32(0, 40);
  put32(4, static_cast<std::uint32_t>(width));
  put32(8, static_cast<std::uint32_t>(height));
  bytes[12] = 1;
  bytes[14] = 8;
  for (int i = 0; i < 256; ++i) {
    bytes[40 + i * 4 + 0] = static_cast<std::uint8_t>((i & 3) * 85);
    bytes[40 + i * 4 + 1] = static_cast<std::uint8_t>(((i >> 2) & 7) * 255 / 7);
    bytes[40 + i * 4 + 2] = static_cast<std::uint8_t>(((i >> 5) & 7) * 255 / 7);
  }
  // A few solid cells so that sprites show as blocks.
  for (int y = 0; y < 124; ++y) {
    for (int x = 0; x < 496; ++x) {
      if (x % 31 < 30 && y % 31 < 30 && (x % 31) > 8 && (x % 31) < 22 && (y % 31) > 5) {
        bytes[40 + 1024 + static_cast<std::size_t>((height - 1 - y) * width + x)] = 0xFF;
      }
    }
  }
  return bytes;
}

}  // namespace

std::span<const std::uint8_t> FindBitmap(std::string_view name) {
  static const std::vector<std::uint8_t> sheet = MakeBitmap(640, 480);
  static const std::vector<std::uint8_t> gui = MakeBitmap(640, 480);
  if (name == "KELMORA") return sheet;
  if (name == "GUI") return gui;
  return {};
}

}  // namespace kelmora::resources
