// Fuzzes what the game does with a bitmap file it did not make: the game reads a file of a
// bitmap's name when the bitmap is missing from the program, so any bytes may arrive there.
//
// Each input is the whole file. It goes through the file decoder, the packed decoder behind it,
// the real file read (through a scratch file), the copy of a decoded image onto a surface, the
// bitmap loader's file fallback (load, stretch, reload) and the palette built from a file; every
// result must be sane and the ways of reading the same bytes must agree.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "display/bitmap.h"
#include "platform/display.h"

namespace {

using kelmora::platform::Bitmap;

// Stops the run with a message that libFuzzer reports as a crash, with the input saved.
void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz_bitmap: %s\n", what);
  std::abort();
}

// A scratch file per process, rewritten for every input and removed at exit.
std::string scratchPath;

void RemoveScratch() {
  if (!scratchPath.empty()) unlink(scratchPath.c_str());
}

const std::string& ScratchFile() {
  if (scratchPath.empty()) {
    // Memory-backed when there is such a place: the file is rewritten for every input.
    const char* directory = std::getenv("TMPDIR");
    if (directory == nullptr) directory = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(directory) + "/kelmora-fuzz-bitmap-XXXXXX";
    const int fd = mkstemp(pattern.data());
    Check(fd >= 0, "cannot create the scratch file");
    close(fd);
    scratchPath = pattern;
    std::atexit(RemoveScratch);
  }
  return scratchPath;
}

void WriteScratch(std::span<const std::uint8_t> bytes) {
  std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
  Check(file != nullptr, "cannot open the scratch file");
  if (!bytes.empty()) {
    Check(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(),
          "cannot write the scratch file");
  }
  std::fclose(file);
}

// What every decoded image must be: a real size, its pixels all there, a real colour count.
void CheckBitmap(const Bitmap& bitmap) {
  Check(bitmap.width > 0 && bitmap.width <= 4096, "width out of range");
  Check(bitmap.height > 0 && bitmap.height <= 4096, "height out of range");
  Check(bitmap.pixels.size() ==
            static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height),
        "pixel count does not match the size");
  Check(bitmap.colourCount > 0 && bitmap.colourCount <= 256, "colour count out of range");
}

bool SameBitmap(const Bitmap* a, const Bitmap* b) {
  if (a == nullptr || b == nullptr) return a == b;
  return a->width == b->width && a->height == b->height && a->pixels == b->pixels &&
         a->colours == b->colours && a->colourCount == b->colourCount;
}

std::int32_t ReadI16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (offset + 2 > bytes.size()) return 0;
  return static_cast<std::int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

// Copies the image onto a small surface the way the loader does, with a source rectangle taken
// from the input's last bytes (so it may lie partly or wholly outside the image).
void CopyOntoSurface(const Bitmap& bitmap, std::span<const std::uint8_t> bytes) {
  const std::size_t tail = bytes.size() >= 8 ? bytes.size() - 8 : 0;
  const std::int32_t sx = ReadI16(bytes, tail);
  const std::int32_t sy = ReadI16(bytes, tail + 2);
  const std::int32_t sw = ReadI16(bytes, tail + 4);
  const std::int32_t sh = ReadI16(bytes, tail + 6);
  const std::int32_t width = 1 + (bitmap.width % 48);
  const std::int32_t height = 1 + (bitmap.height % 48);
  kelmora::platform::Surface surface("fuzz", width, height, 0);
  kelmora::platform::DeviceContext target(&surface);
  kelmora::platform::DeviceContext source;
  source.SelectBitmap(&bitmap);
  kelmora::platform::StretchBlt(&target, 0, 0, width, height, &source, 0, 0, bitmap.width,
                                bitmap.height);
  kelmora::platform::StretchBlt(&target, -3, -2, width + 5, height + 7, &source, sx, sy, sw, sh);
}

// The file read never hands out more than it was asked for, nor anything but the file's bytes.
void CheckFilePrefix(std::span<const std::uint8_t> bytes) {
  const std::size_t limits[] = {0, 54, bytes.size() / 2, bytes.size() + 1, std::size_t{1} << 40};
  std::vector<std::uint8_t> read;
  for (const std::size_t limit : limits) {
    Check(kelmora::platform::ReadFilePrefix(ScratchFile(), limit, &read), "file did not open");
    const std::size_t expected = limit < bytes.size() ? limit : bytes.size();
    Check(read.size() == expected, "file read gave the wrong number of bytes");
    Check(expected == 0 || std::memcmp(read.data(), bytes.data(), expected) == 0,
          "file read gave other bytes than the file's");
  }
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset]) |
         (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
         (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

// The palette of a file that holds its whole colour table: none of the colour cube left, the
// table's bytes as they lie, and red and blue turned round in the entries the header promises
// (none unless the info header is exactly the basic one, at most 8 bits per pixel).
void CheckFilePalette(kelmora::platform::DirectDraw* directDraw,
                      std::span<const std::uint8_t> bytes) {
  const auto palette = kelmora::DDMakePalette(directDraw, ScratchFile().c_str());
  Check(palette != nullptr, "no palette");
  const kelmora::platform::PaletteTable& entries = palette->Entries();
  constexpr std::size_t kTableStart = 14 + 40;
  if (bytes.size() <= kTableStart) {
    Check(entries == kelmora::DefaultPaletteTable(), "a file without a table changed the palette");
    return;
  }
  if (bytes.size() < kTableStart + 1024) return;
  std::uint32_t count = 0;
  const std::uint32_t bitCount = static_cast<std::uint32_t>(bytes[14 + 14] | (bytes[14 + 15] << 8));
  if (ReadU32(bytes, 14) == 40 && bitCount <= 8) {
    const std::uint32_t used = ReadU32(bytes, 14 + 32);
    count = used != 0 ? used : 1u << bitCount;
    if (count > 256) count = 256;
  }
  for (std::size_t i = 0; i < 256; ++i) {
    const std::uint8_t* raw = &bytes[kTableStart + i * 4];
    const kelmora::platform::PaletteEntry expected =
        i < count ? kelmora::platform::PaletteEntry{raw[2], raw[1], raw[0], raw[3]}
                  : kelmora::platform::PaletteEntry{raw[0], raw[1], raw[2], raw[3]};
    Check(entries[i] == expected, "palette entry differs from the file's table");
  }
}

// The loader's file fallback: the image at its own size or stretched to a small size taken from
// the input, and a reload into a surface that exists already.
void CheckLoader(kelmora::platform::DirectDraw* directDraw, const Bitmap* decoded,
                 std::span<const std::uint8_t> bytes) {
  const std::int32_t width = bytes.empty() ? 0 : bytes[bytes.size() - 1] % 40;
  const std::int32_t height = bytes.size() < 2 ? 0 : bytes[bytes.size() - 2] % 40;
  const auto surface = kelmora::DDLoadBitmap(directDraw, ScratchFile().c_str(), width, height);
  Check((surface != nullptr) == (decoded != nullptr), "loader and decoder disagree");
  if (surface) {
    Check(surface->Width() == (width != 0 ? width : decoded->width), "loaded width");
    Check(surface->Height() == (height != 0 ? height : decoded->height), "loaded height");
    // A reload only when there is an image: a missing one is reported on the debug output.
    Check(
        kelmora::DDRefreshBitmap(surface.get(), ScratchFile().c_str()) == kelmora::platform::DD_OK,
        "reload of a loadable image failed");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);

  const std::unique_ptr<Bitmap> fromBytes = kelmora::platform::DecodeBitmapFile(bytes);
  if (fromBytes) {
    CheckBitmap(*fromBytes);
    CopyOntoSurface(*fromBytes, bytes);
  }
  // The packed decoder on its own, whatever the file header says.
  if (size >= 14) {
    const std::unique_ptr<Bitmap> packed = kelmora::platform::DecodePackedDib(bytes.subspan(14));
    if (packed) CheckBitmap(*packed);
    if (fromBytes) Check(SameBitmap(fromBytes.get(), packed.get()), "file and packed disagree");
  }

  WriteScratch(bytes);
  CheckFilePrefix(bytes);
  const std::unique_ptr<Bitmap> fromFile = kelmora::platform::LoadBitmapFile(ScratchFile());
  Check(SameBitmap(fromBytes.get(), fromFile.get()), "file load and byte decode disagree");

  kelmora::platform::DirectDraw directDraw;
  CheckLoader(&directDraw, fromBytes.get(), bytes);
  CheckFilePalette(&directDraw, bytes);

  kelmora::platform::ResetDisplayLog();
  return 0;
}
