#include "display/bitmap.h"

#include <cstddef>
#include <cstring>
#include <span>
#include <vector>

#include "core/bytes.h"
#include "platform/window.h"

namespace kelmora {

namespace {

using platform::HRESULT;

// The largest size an image may be asked to be stretched to: far beyond the screen.
constexpr std::int32_t kMaxRequestedSize = 4096;

// The fields of a bitmap info header that the palette builder reads.
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kColourTableSize = 256 * 4;

// How many colour-table entries a bitmap's header promises: only for headers of at least the
// basic size and at most 8 bits per pixel. A header cut short promises none.
std::uint32_t ColourCount(std::span<const std::uint8_t> header, bool exactHeaderSize) {
  if (header.size() < kInfoHeaderSize) return 0;
  const std::uint32_t headerSize = ReadU32(header, 0);
  const std::uint16_t bitCount = ReadU16(header, 14);
  const std::uint32_t coloursUsed = ReadU32(header, 32);
  const bool sizeOk =
      exactHeaderSize ? headerSize == kInfoHeaderSize : headerSize >= kInfoHeaderSize;
  if (!sizeOk || bitCount > 8) return 0;
  const std::uint32_t count = coloursUsed != 0 ? coloursUsed : 1u << bitCount;
  return count < 256 ? count : 256;
}

// Nearest-neighbour stretch of a whole image to a new size, as the image loader does when asked
// for a size of its own.
std::unique_ptr<platform::Bitmap> Stretch(const platform::Bitmap& image, std::int32_t width,
                                          std::int32_t height) {
  auto stretched = std::make_unique<platform::Bitmap>();
  stretched->width = width;
  stretched->height = height;
  stretched->colours = image.colours;
  stretched->colourCount = image.colourCount;
  stretched->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::int32_t y = 0; y < height; ++y) {
    const std::int64_t sy = static_cast<std::int64_t>(y) * image.height / height;
    for (std::int32_t x = 0; x < width; ++x) {
      const std::int64_t sx = static_cast<std::int64_t>(x) * image.width / width;
      stretched->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                        static_cast<std::size_t>(x)] =
          image.pixels[static_cast<std::size_t>(sy) * static_cast<std::size_t>(image.width) +
                       static_cast<std::size_t>(sx)];
    }
  }
  return stretched;
}

// The named image from the program's resources, else from a file of that name. A width or height
// other than 0 stretches the image to it.
std::unique_ptr<platform::Bitmap> LoadImageByName(const char* name, std::int32_t width,
                                                  std::int32_t height) {
  if (name == nullptr) return nullptr;
  if (width < 0 || height < 0 || width > kMaxRequestedSize || height > kMaxRequestedSize) {
    return nullptr;
  }
  auto image = platform::LoadBitmapResource(name);
  if (!image) image = platform::LoadBitmapFile(name);
  if (!image) return nullptr;
  if (width == 0 && height == 0) return image;
  return Stretch(*image, width != 0 ? width : image->width, height != 0 ? height : image->height);
}

// The colour table of a bitmap resource over `table`. The table starts header-size bytes into
// the resource; entries the resource does not really hold keep their defaults.
void ReadResourceColours(std::span<const std::uint8_t> dib, platform::PaletteTable* table) {
  const std::uint32_t count = ColourCount(dib, false);
  if (count == 0) return;
  const std::uint64_t tableOffset = ReadU32(dib, 0);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t entry = tableOffset + 4ull * i;
    if (entry + 4 > dib.size()) break;
    const auto at = static_cast<std::size_t>(entry);
    (*table)[i] = platform::PaletteEntry{dib[at + 2], dib[at + 1], dib[at], 0};
  }
}

// The colour table of a bitmap file over `table`: the 1024 bytes after the file and info headers
// land on the entries as they are, then the entries the header promises have blue and red swapped
// into place. Entries past the promised count keep the file's bytes as they lie; bytes a short
// file does not have leave the defaults.
void ReadFileColours(const char* name, platform::PaletteTable* table) {
  std::vector<std::uint8_t> bytes;
  if (!platform::ReadFilePrefix(name, kFileHeaderSize + kInfoHeaderSize + kColourTableSize,
                                &bytes)) {
    return;
  }
  const std::span<const std::uint8_t> all(bytes);
  const std::size_t tableStart = kFileHeaderSize + kInfoHeaderSize;
  if (all.size() > tableStart) {
    const std::span<const std::uint8_t> raw = all.subspan(tableStart);
    for (std::size_t k = 0; k < raw.size(); ++k) {
      platform::PaletteEntry& entry = (*table)[k / 4];
      switch (k % 4) {
        case 0:
          entry.red = raw[k];
          break;
        case 1:
          entry.green = raw[k];
          break;
        case 2:
          entry.blue = raw[k];
          break;
        default:
          entry.flags = raw[k];
          break;
      }
    }
  }
  const std::uint32_t count = all.size() >= tableStart
                                  ? ColourCount(all.subspan(kFileHeaderSize, kInfoHeaderSize), true)
                                  : 0;
  // Only entries the file really filled are turned round; the rest are still the colour cube.
  const std::size_t entriesRead = all.size() > tableStart ? (all.size() - tableStart) / 4 : 0;
  for (std::uint32_t i = 0; i < count && i < entriesRead; ++i) {
    platform::PaletteEntry& entry = (*table)[i];
    const std::uint8_t first = entry.red;
    entry.red = entry.blue;
    entry.blue = first;
  }
}

}  // namespace

std::unique_ptr<platform::Surface> DDLoadBitmap(platform::DirectDraw* directDraw, const char* name,
                                                std::int32_t width, std::int32_t height,
                                                std::string_view surfaceName) {
  if (directDraw == nullptr) return nullptr;
  const auto image = LoadImageByName(name, width, height);
  if (!image) return nullptr;

  platform::SurfaceDesc desc;
  desc.flags = platform::DDSD_CAPS | platform::DDSD_HEIGHT | platform::DDSD_WIDTH;
  desc.caps = platform::DDSCAPS_OFFSCREENPLAIN;
  desc.width = image->width;
  desc.height = image->height;
  std::unique_ptr<platform::Surface> surface;
  if (platform::Failed(directDraw->CreateSurface(
          desc, &surface, surfaceName.empty() ? std::string_view(name) : surfaceName))) {
    return nullptr;
  }
  DDCopyBitmap(surface.get(), image.get(), 0, 0, 0, 0);
  return surface;
}

HRESULT DDRefreshBitmap(platform::Surface* surface, const char* name) {
  const auto image = LoadImageByName(name, 0, 0);
  if (!image) {
    platform::DebugOutput("handle is null\n");
    return platform::E_FAIL;
  }
  const HRESULT code = DDCopyBitmap(surface, image.get(), 0, 0, 0, 0);
  if (code != platform::DD_OK) platform::DebugOutput("ddcopybitmap failed\n");
  return code;
}

HRESULT DDCopyBitmap(platform::Surface* surface, const platform::Bitmap* bitmap, std::int32_t x,
                     std::int32_t y, std::int32_t width, std::int32_t height) {
  if (bitmap == nullptr || surface == nullptr) return platform::E_FAIL;
  // A lost surface cannot be written until it is restored.
  surface->Restore();

  const auto memory = platform::CreateCompatibleDC();
  if (!memory) {
    // Without a context to draw from nothing can be copied: say so rather than report a copy.
    platform::DebugOutput("createcompatible dc failed\n");
    return platform::E_FAIL;
  }
  memory->SelectBitmap(bitmap);
  if (width == 0) width = bitmap->width;
  if (height == 0) height = bitmap->height;

  platform::SurfaceDesc desc;
  desc.flags = platform::DDSD_HEIGHT | platform::DDSD_WIDTH;
  surface->GetSurfaceDesc(&desc);

  platform::DeviceContext* context = nullptr;
  const HRESULT code = surface->GetDC(&context);
  if (platform::Succeeded(code)) {
    platform::StretchBlt(context, 0, 0, desc.width, desc.height, memory.get(), x, y, width, height);
    surface->ReleaseDC(context);
  }
  return code;
}

std::unique_ptr<platform::Palette> DDMakePalette(platform::DirectDraw* directDraw,
                                                 const char* name) {
  if (directDraw == nullptr) return nullptr;
  platform::PaletteTable table = platform::DefaultPaletteTable();
  if (name != nullptr && platform::HasBitmapResource(name)) {
    const std::span<const std::uint8_t> dib = platform::LockBitmapResource(name);
    if (dib.empty()) {
      platform::DebugOutput("lock resource failed\n");
    } else {
      ReadResourceColours(dib, &table);
    }
  } else if (name != nullptr) {
    ReadFileColours(name, &table);
  }
  std::unique_ptr<platform::Palette> palette;
  if (platform::Failed(directDraw->CreatePalette(platform::DDPCAPS_8BIT, table, &palette))) {
    return nullptr;
  }
  return palette;
}

std::uint32_t DDMatchColor(platform::Surface* surface, platform::ColorRef colour) {
  if (surface == nullptr) return platform::CLR_INVALID;
  std::uint32_t result = platform::CLR_INVALID;

  // Let GDI put the colour into pixel (0, 0), choosing the nearest palette entry.
  bool remembered = false;
  platform::ColorRef previous = platform::CLR_INVALID;
  platform::DeviceContext* context = nullptr;
  if (colour != platform::CLR_INVALID && platform::Succeeded(surface->GetDC(&context))) {
    previous = platform::GetPixel(context, 0, 0);
    remembered = true;
    platform::SetPixel(context, 0, 0, colour);
    surface->ReleaseDC(context);
  }

  // Read back what that pixel holds in the surface's own format.
  platform::LockedSurface locked;
  platform::HRESULT code;
  while ((code = surface->Lock(nullptr, &locked, 0)) == platform::DDERR_WASSTILLDRAWING) {
  }
  if (platform::Succeeded(code)) {
    std::uint32_t word = 0;
    std::memcpy(&word, locked.bits, sizeof word);  // rows are at least 4 bytes wide
    if (locked.bitCount < 32) word &= (1u << locked.bitCount) - 1;
    surface->Unlock(nullptr);
    result = word;
  }

  // Put the pixel back as it was. Only a colour that was really read is written back.
  if (remembered && previous != platform::CLR_INVALID &&
      platform::Succeeded(surface->GetDC(&context))) {
    platform::SetPixel(context, 0, 0, previous);
    surface->ReleaseDC(context);
  }
  return result;
}

HRESULT DDSetSourceKey(platform::Surface* surface, platform::ColorRef colour) {
  if (surface == nullptr) return platform::E_FAIL;
  const std::uint32_t value = DDMatchColor(surface, colour);
  return surface->SetColorKey(platform::DDCKEY_SRCBLT, platform::ColorKey{value, value});
}

HRESULT DDSetDestKey(platform::Surface* surface, platform::ColorRef colour) {
  if (surface == nullptr) return platform::E_FAIL;
  const std::uint32_t value = DDMatchColor(surface, colour);
  return surface->SetColorKey(platform::DDCKEY_DESTBLT, platform::ColorKey{value, value});
}

}  // namespace kelmora
