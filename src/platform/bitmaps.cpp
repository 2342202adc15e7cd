#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "core/bytes.h"
#include "platform/display.h"
#include "platform/faults.h"
#include "platform/files.h"
#include "resources/embedded.h"

namespace kelmora::platform {

namespace {

// The largest image the game accepts: anything bigger is not one of its bitmaps.
constexpr std::int64_t kMaxDimension = 4096;

}  // namespace

std::unique_ptr<Bitmap> DecodePackedDib(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 40) return nullptr;
  const std::uint32_t headerSize = ReadU32(bytes, 0);
  if (headerSize < 40 || headerSize > bytes.size()) return nullptr;
  const auto width = static_cast<std::int32_t>(ReadU32(bytes, 4));
  const auto rawHeight = static_cast<std::int32_t>(ReadU32(bytes, 8));
  const std::uint16_t planes = ReadU16(bytes, 12);
  const std::uint16_t bitCount = ReadU16(bytes, 14);
  const std::uint32_t compression = ReadU32(bytes, 16);
  const std::uint32_t coloursUsed = ReadU32(bytes, 32);
  if (planes != 1 || bitCount != 8 || compression != 0) return nullptr;
  if (width <= 0 || width > kMaxDimension) return nullptr;
  if (rawHeight == 0 || rawHeight == std::numeric_limits<std::int32_t>::min()) return nullptr;
  const bool bottomUp = rawHeight > 0;
  const std::int32_t height = bottomUp ? rawHeight : -rawHeight;
  if (height > kMaxDimension) return nullptr;
  if (coloursUsed > 256) return nullptr;
  const std::uint32_t colours = coloursUsed != 0 ? coloursUsed : 256;
  const std::size_t tableOffset = headerSize;
  const std::size_t pixelOffset = tableOffset + static_cast<std::size_t>(colours) * 4;
  const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
  const std::size_t pixelBytes = stride * static_cast<std::size_t>(height);
  if (pixelOffset > bytes.size() || bytes.size() - pixelOffset < pixelBytes) return nullptr;

  auto bitmap = std::make_unique<Bitmap>();
  bitmap->width = width;
  bitmap->height = height;
  bitmap->colourCount = static_cast<std::int32_t>(colours);
  for (std::uint32_t i = 0; i < colours; ++i) {
    const std::size_t entry = tableOffset + static_cast<std::size_t>(i) * 4;
    bitmap->colours[i] = PaletteEntry{bytes[entry + 2], bytes[entry + 1], bytes[entry], 0};
  }
  bitmap->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::int32_t row = 0; row < height; ++row) {
    const std::int32_t sourceRow = bottomUp ? height - 1 - row : row;
    std::memcpy(&bitmap->pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width)],
                &bytes[pixelOffset + static_cast<std::size_t>(sourceRow) * stride],
                static_cast<std::size_t>(width));
  }
  return bitmap;
}

std::unique_ptr<Bitmap> DecodeBitmapFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 14 + 40 || bytes[0] != 'B' || bytes[1] != 'M') return nullptr;
  const std::uint32_t pixelOffset = ReadU32(bytes, 10);
  auto dib = bytes.subspan(14);
  auto bitmap = DecodePackedDib(dib);
  if (!bitmap) return nullptr;
  // A file that says where its pixels are must say the same as its headers.
  const std::uint32_t headerSize = ReadU32(dib, 0);
  const std::uint32_t expected =
      14 + headerSize + static_cast<std::uint32_t>(bitmap->colourCount) * 4;
  if (pixelOffset != 0 && pixelOffset != expected) return nullptr;
  return bitmap;
}

std::unique_ptr<Bitmap> LoadBitmapResource(std::string_view name) {
  if (name == "KELMORA" && ConsumeFault(Fault::kSheetBitmap)) return nullptr;
  if (name == "GUI" && ConsumeFault(Fault::kGuiBitmap)) return nullptr;
  const auto bytes = resources::FindBitmap(name);
  if (bytes.empty()) return nullptr;
  return DecodePackedDib(bytes);
}

bool ReadFilePrefix(std::string_view path, std::size_t count, std::vector<std::uint8_t>* bytes) {
  bytes->clear();
  const std::string fileName(path);
  // Only a regular file: a FIFO of that name would hold the game in its open.
  if (!IsRegularFile(fileName)) return false;
  std::FILE* file = std::fopen(fileName.c_str(), "rb");
  if (file == nullptr) return false;
  // Read in pieces, so that a small file costs little however large the limit.
  constexpr std::size_t kPiece = 64 * 1024;
  while (bytes->size() < count) {
    const std::size_t have = bytes->size();
    const std::size_t want = std::min(kPiece, count - have);
    bytes->resize(have + want);
    const std::size_t got = std::fread(bytes->data() + have, 1, want, file);
    bytes->resize(have + got);
    if (got < want) break;
  }
  std::fclose(file);
  return true;
}

std::unique_ptr<Bitmap> LoadBitmapFile(std::string_view path) {
  // A 640x480 8-bit file with its tables is about 300 KiB; nothing the game loads is near 64 MiB.
  constexpr std::size_t kMaxFileBytes = 64u << 20;
  std::vector<std::uint8_t> bytes;
  if (!ReadFilePrefix(path, kMaxFileBytes + 1, &bytes) || bytes.size() > kMaxFileBytes) {
    return nullptr;
  }
  return DecodeBitmapFile(bytes);
}

std::span<const std::uint8_t> LockBitmapResource(std::string_view name) {
  if (ConsumeFault(Fault::kResourceLock)) return {};
  return resources::FindBitmap(name);
}

bool HasBitmapResource(std::string_view name) {
  return !resources::FindBitmap(name).empty();
}

std::unique_ptr<DeviceContext> CreateCompatibleDC() {
  if (ConsumeFault(Fault::kMemoryDC)) return nullptr;
  return std::make_unique<DeviceContext>();
}

bool StretchBlt(DeviceContext* destination, std::int32_t dx, std::int32_t dy, std::int32_t dw,
                std::int32_t dh, const DeviceContext* source, std::int32_t sx, std::int32_t sy,
                std::int32_t sw, std::int32_t sh) {
  if (destination == nullptr || source == nullptr) return false;
  Surface* surface = destination->TargetSurface();
  const Bitmap* bitmap = source->SelectedBitmap();
  if (surface == nullptr || bitmap == nullptr || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) {
    return false;
  }
  for (std::int32_t y = 0; y < dh; ++y) {
    const std::int32_t ty = dy + y;
    if (ty < 0 || ty >= surface->Height()) continue;
    const std::int64_t by = sy + static_cast<std::int64_t>(y) * sh / dh;
    if (by < 0 || by >= bitmap->height) continue;
    for (std::int32_t x = 0; x < dw; ++x) {
      const std::int32_t tx = dx + x;
      if (tx < 0 || tx >= surface->Width()) continue;
      const std::int64_t bx = sx + static_cast<std::int64_t>(x) * sw / dw;
      if (bx < 0 || bx >= bitmap->width) continue;
      surface->Pixels()[static_cast<std::size_t>(ty) * static_cast<std::size_t>(surface->Pitch()) +
                        static_cast<std::size_t>(tx)] =
          bitmap->pixels[static_cast<std::size_t>(by) * static_cast<std::size_t>(bitmap->width) +
                         static_cast<std::size_t>(bx)];
    }
  }
  return true;
}

ColorRef GetPixel(DeviceContext* context, std::int32_t x, std::int32_t y) {
  if (context == nullptr || context->TargetSurface() == nullptr) return CLR_INVALID;
  Surface* surface = context->TargetSurface();
  if (x < 0 || y < 0 || x >= surface->Width() || y >= surface->Height()) return CLR_INVALID;
  const std::uint8_t index =
      surface->Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(surface->Pitch()) +
                        static_cast<std::size_t>(x)];
  const PaletteEntry& entry = DisplayPalette()[index];
  return MakeColorRef(entry.red, entry.green, entry.blue);
}

ColorRef SetPixel(DeviceContext* context, std::int32_t x, std::int32_t y, ColorRef colour) {
  if (context == nullptr || context->TargetSurface() == nullptr) return CLR_INVALID;
  Surface* surface = context->TargetSurface();
  if (x < 0 || y < 0 || x >= surface->Width() || y >= surface->Height()) return CLR_INVALID;
  const int red = static_cast<int>(colour & 0xFF);
  const int green = static_cast<int>((colour >> 8) & 0xFF);
  const int blue = static_cast<int>((colour >> 16) & 0xFF);
  const PaletteTable& palette = DisplayPalette();
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < 256; ++i) {
    const PaletteEntry& e = palette[static_cast<std::size_t>(i)];
    const int distance = (e.red - red) * (e.red - red) + (e.green - green) * (e.green - green) +
                         (e.blue - blue) * (e.blue - blue);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  surface->Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(surface->Pitch()) +
                    static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(best);
  const PaletteEntry& chosen = palette[static_cast<std::size_t>(best)];
  return MakeColorRef(chosen.red, chosen.green, chosen.blue);
}

}  // namespace kelmora::platform
