#include "display/bitmap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "resources/embedded.h"
#include "support.h"

namespace kelmora {
namespace {

using platform::Fault;
using platform::PaletteEntry;

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
void PutU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// An 8-bit bitmap file: colour entry i is (blue i, green 255 - i, red 3 i, reserved 7) as stored,
// pixel (x, y) is x + 10 y, bottom-up rows padded to four bytes.
struct BitmapFile {
  std::int32_t width = 6;
  std::int32_t height = 4;
  std::uint32_t headerSize = 40;
  std::uint16_t bitCount = 8;
  std::uint32_t coloursUsed = 0;

  std::vector<std::uint8_t> Bytes() const {
    const std::uint32_t colours = coloursUsed != 0 ? coloursUsed : 256;
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    const std::size_t table = 14 + headerSize;
    const std::size_t pixels = table + colours * 4;
    std::vector<std::uint8_t> bytes(pixels + stride * static_cast<std::size_t>(height), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutU32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    PutU32(bytes, 10, static_cast<std::uint32_t>(pixels));
    PutU32(bytes, 14, headerSize);
    PutU32(bytes, 18, static_cast<std::uint32_t>(width));
    PutU32(bytes, 22, static_cast<std::uint32_t>(height));
    PutU16(bytes, 26, 1);
    PutU16(bytes, 28, bitCount);
    PutU32(bytes, 46, coloursUsed);
    for (std::uint32_t i = 0; i < colours; ++i) {
      bytes[table + 4 * i] = static_cast<std::uint8_t>(i);
      bytes[table + 4 * i + 1] = static_cast<std::uint8_t>(255 - i);
      bytes[table + 4 * i + 2] = static_cast<std::uint8_t>(3 * i);
      bytes[table + 4 * i + 3] = 7;
    }
    for (std::int32_t y = 0; y < height; ++y) {
      for (std::int32_t x = 0; x < width; ++x) {
        bytes[pixels + static_cast<std::size_t>(height - 1 - y) * stride +
              static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(x + 10 * y);
      }
    }
    return bytes;
  }
};

class BitmapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetEverything();
    ASSERT_EQ(platform::DirectDrawCreate(&directDraw_), platform::DD_OK);
  }
  void TearDown() override {
    for (const std::string& path : files_) std::remove(path.c_str());
    testing::ResetEverything();
  }

  std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = ::testing::TempDir() + "kelmora_bitmap_test_" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    if (file != nullptr) {
      if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
      std::fclose(file);
    }
    files_.push_back(path);
    return path;
  }

  std::unique_ptr<platform::Surface> Plain(std::int32_t width, std::int32_t height) {
    return std::make_unique<platform::Surface>("test", width, height, 0);
  }

  std::unique_ptr<platform::DirectDraw> directDraw_;
  std::vector<std::string> files_;
};

std::uint8_t At(const platform::Surface& surface, std::int32_t x, std::int32_t y) {
  return surface.Pixels()[y * surface.Pitch() + x];
}

TEST_F(BitmapTest, DefaultPaletteIsTheThreeThreeTwoCube) {
  const auto palette = DDMakePalette(directDraw_.get(), nullptr);
  ASSERT_TRUE(palette);
  const platform::PaletteTable& entries = palette->Entries();
  EXPECT_EQ(entries, DefaultPaletteTable());
  EXPECT_EQ(entries[0], (PaletteEntry{0, 0, 0, 0}));
  EXPECT_EQ(entries[255], (PaletteEntry{255, 255, 255, 0}));
  EXPECT_EQ(entries[0x1F], (PaletteEntry{0, 255, 255, 0}));
  const int threeBit[] = {0, 36, 72, 109, 145, 182, 218, 255};
  const int twoBit[] = {0, 85, 170, 255};
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(entries[i].red, threeBit[i >> 5]);
    EXPECT_EQ(entries[i].green, threeBit[(i >> 2) & 7]);
    EXPECT_EQ(entries[i].blue, twoBit[i & 3]);
  }
  // A name that is neither a resource nor a file leaves the cube as it is.
  const auto missing = DDMakePalette(directDraw_.get(), "no such bitmap anywhere");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->Entries(), DefaultPaletteTable());
}

TEST_F(BitmapTest, ResourcePaletteTakesEveryEntryOfTheColourTable) {
  const auto palette = DDMakePalette(directDraw_.get(), "KELMORA");
  ASSERT_TRUE(palette);
  const auto dib = resources::FindBitmap("KELMORA");
  ASSERT_GE(dib.size(), 40u + 1024u);
  for (int i = 0; i < 256; ++i) {
    const std::uint8_t* entry = &dib[40 + 4 * i];
    EXPECT_EQ(palette->Entries()[i], (PaletteEntry{entry[2], entry[1], entry[0], 0})) << i;
  }
  EXPECT_EQ(palette->Entries()[0], (PaletteEntry{0, 0, 0, 0}));
  EXPECT_EQ(palette->Entries()[255], (PaletteEntry{255, 255, 255, 0}));
}

TEST_F(BitmapTest, ResourceThatCannotBeLockedKeepsTheCube) {
  platform::ArmFault(Fault::kResourceLock);
  ::testing::internal::CaptureStderr();
  const auto palette = DDMakePalette(directDraw_.get(), "KELMORA");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "lock resource failed\n");
  ASSERT_TRUE(palette);
  EXPECT_EQ(palette->Entries(), DefaultPaletteTable());

  platform::ArmFault(Fault::kPaletteCreate);
  EXPECT_FALSE(DDMakePalette(directDraw_.get(), "KELMORA"));
}

TEST_F(BitmapTest, FilePaletteSwapsThePromisedEntriesAndKeepsTheRestAsRead) {
  // Colours used 0 with 8 bits: all 256 entries, blue and red turned round, reserved as flags.
  BitmapFile full;
  const auto all = DDMakePalette(directDraw_.get(), WriteFile("full.bmp", full.Bytes()).c_str());
  ASSERT_TRUE(all);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(all->Entries()[i],
              (PaletteEntry{static_cast<std::uint8_t>(3 * i), static_cast<std::uint8_t>(255 - i),
                            static_cast<std::uint8_t>(i), 7}))
        << i;
  }

  // Sixteen colours promised: the file's next bytes still land on the entries, unswapped.
  BitmapFile sixteen;
  sixteen.coloursUsed = 16;
  std::vector<std::uint8_t> bytes = sixteen.Bytes();
  const auto some = DDMakePalette(directDraw_.get(), WriteFile("sixteen.bmp", bytes).c_str());
  ASSERT_TRUE(some);
  EXPECT_EQ(some->Entries()[15], (PaletteEntry{45, 240, 15, 7}));
  // The file ends after 24 entries' worth of bytes; the rest of the cube stays.
  ASSERT_EQ(bytes.size(), 54u + 24 * 4);
  for (int i = 16; i < 24; ++i) {
    const std::uint8_t* raw = &bytes[54 + 4 * i];
    EXPECT_EQ(some->Entries()[i], (PaletteEntry{raw[0], raw[1], raw[2], raw[3]})) << i;
  }
  for (int i = 24; i < 256; ++i) EXPECT_EQ(some->Entries()[i], DefaultPaletteTable()[i]) << i;

  // A file's header must be exactly 40 bytes and at most 8 bits per pixel, or nothing is swapped.
  for (BitmapFile odd : {BitmapFile{6, 4, 124, 8, 0}, BitmapFile{6, 4, 40, 24, 0}}) {
    bytes = odd.Bytes();
    const auto raw = DDMakePalette(directDraw_.get(), WriteFile("odd.bmp", bytes).c_str());
    ASSERT_TRUE(raw);
    for (int i = 0; i < 256; ++i) {
      const std::uint8_t* b = &bytes[54 + 4 * i];
      EXPECT_EQ(raw->Entries()[i], (PaletteEntry{b[0], b[1], b[2], b[3]})) << i;
    }
  }
}

TEST_F(BitmapTest, ShortPaletteFilesOnlyReplaceWhatTheyHold) {
  BitmapFile full;
  std::vector<std::uint8_t> bytes = full.Bytes();
  // Cut inside the headers: nothing promised, the cube stays.
  bytes.resize(30);
  auto palette = DDMakePalette(directDraw_.get(), WriteFile("cut.bmp", bytes).c_str());
  ASSERT_TRUE(palette);
  EXPECT_EQ(palette->Entries(), DefaultPaletteTable());
  // Cut after ten and a half entries: ten swapped, the rest of the cube untouched but for the
  // two bytes that were there.
  bytes = full.Bytes();
  bytes.resize(54 + 42);
  palette = DDMakePalette(directDraw_.get(), WriteFile("short.bmp", bytes).c_str());
  ASSERT_TRUE(palette);
  const platform::PaletteTable cube = DefaultPaletteTable();
  EXPECT_EQ(palette->Entries()[9], (PaletteEntry{27, 246, 9, 7}));
  EXPECT_EQ(palette->Entries()[10], (PaletteEntry{10, 245, cube[10].blue, cube[10].flags}));
  EXPECT_EQ(palette->Entries()[11], cube[11]);
}

TEST_F(BitmapTest, LoadBitmapMakesASurfaceOfTheImage) {
  const auto sheet = DDLoadBitmap(directDraw_.get(), "KELMORA", 0, 0);
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->Width(), 640);
  EXPECT_EQ(sheet->Height(), 480);
  const auto image = platform::DecodePackedDib(resources::FindBitmap("KELMORA"));
  ASSERT_TRUE(image);
  for (std::int32_t y = 0; y < 480; y += 7) {
    for (std::int32_t x = 0; x < 640; x += 3)
      ASSERT_EQ(At(*sheet, x, y), image->pixels[y * 640 + x]);
  }

  // No resource of that name: the name is a file path.
  const std::string path = WriteFile("image.bmp", BitmapFile{}.Bytes());
  const auto fromFile = DDLoadBitmap(directDraw_.get(), path.c_str(), 0, 0, "fromFile");
  ASSERT_TRUE(fromFile);
  EXPECT_EQ(fromFile->Name(), "fromFile");
  EXPECT_EQ(fromFile->Width(), 6);
  EXPECT_EQ(fromFile->Height(), 4);
  EXPECT_EQ(At(*fromFile, 0, 0), 0);
  EXPECT_EQ(At(*fromFile, 5, 3), 35);

  // Asked for a size of its own, the image is stretched to it.
  const auto stretched = DDLoadBitmap(directDraw_.get(), path.c_str(), 12, 0);
  ASSERT_TRUE(stretched);
  EXPECT_EQ(stretched->Width(), 12);
  EXPECT_EQ(stretched->Height(), 4);
  EXPECT_EQ(At(*stretched, 11, 3), 35);
  EXPECT_EQ(At(*stretched, 2, 1), 11);

  EXPECT_FALSE(DDLoadBitmap(directDraw_.get(), "no such bitmap anywhere", 0, 0));
  EXPECT_FALSE(DDLoadBitmap(directDraw_.get(), nullptr, 0, 0));
  EXPECT_FALSE(DDLoadBitmap(directDraw_.get(), path.c_str(), -1, 0));
  EXPECT_FALSE(DDLoadBitmap(directDraw_.get(), path.c_str(), 1 << 20, 1 << 20));
  EXPECT_FALSE(DDLoadBitmap(nullptr, "KELMORA", 0, 0));
}

TEST_F(BitmapTest, BadBitmapFilesAreRefused) {
  std::vector<std::vector<std::uint8_t>> bad;
  const std::vector<std::uint8_t> good = BitmapFile{}.Bytes();
  bad.push_back({});                                        // empty
  bad.push_back({'B', 'M'});                                // headers cut off
  bad.emplace_back(good.begin(), good.end() - 1);           // pixels one byte short
  bad.emplace_back(good.begin(), good.begin() + 54 + 512);  // table cut off
  auto patched = [&](std::size_t at, std::uint32_t value, bool wide = true) {
    std::vector<std::uint8_t> bytes = good;
    if (wide) {
      PutU32(bytes, at, value);
    } else {
      PutU16(bytes, at, static_cast<std::uint16_t>(value));
    }
    return bytes;
  };
  bad.push_back(patched(0, 0x4142, false));  // not a bitmap file
  bad.push_back(patched(14, 0xFFFFFFF0u));   // header size past the end
  bad.push_back(patched(14, 12));            // header too small
  bad.push_back(patched(18, 0));             // no width
  bad.push_back(patched(18, 0x7FFFFFFF));    // absurd width
  bad.push_back(patched(22, 0x80000000u));   // height that cannot be negated
  bad.push_back(patched(22, 100000));        // absurd height
  bad.push_back(patched(22, 1000));          // taller than the pixels there
  bad.push_back(patched(28, 4, false));      // not 8 bits per pixel
  bad.push_back(patched(30, 1));             // compressed
  bad.push_back(patched(46, 257));           // more colours than a palette holds
  bad.push_back(patched(10, 0xFFFFFFFFu));   // pixels said to be elsewhere
  for (std::size_t i = 0; i < bad.size(); ++i) {
    const std::string path = WriteFile("bad" + std::to_string(i) + ".bmp", bad[i]);
    EXPECT_FALSE(DDLoadBitmap(directDraw_.get(), path.c_str(), 0, 0)) << i;
    const auto surface = Plain(4, 4);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(DDRefreshBitmap(surface.get(), path.c_str()), platform::E_FAIL) << i;
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "handle is null\n") << i;
    // The palette builder reads such files too, and must not step past what they hold.
    EXPECT_TRUE(DDMakePalette(directDraw_.get(), path.c_str())) << i;
  }
  // A top-down image (negative height) is fine.
  const auto topDown = DDLoadBitmap(
      directDraw_.get(),
      WriteFile("topdown.bmp", patched(22, static_cast<std::uint32_t>(-4))).c_str(), 0, 0);
  ASSERT_TRUE(topDown);
  EXPECT_EQ(At(*topDown, 0, 0), 30);
}

TEST_F(BitmapTest, RefreshCopiesTheImageAgainAndReportsAFailedCopy) {
  const std::string path = WriteFile("refresh.bmp", BitmapFile{}.Bytes());
  auto surface = Plain(6, 4);
  std::memset(surface->Pixels(), 99, static_cast<std::size_t>(surface->Pitch()) * 4);
  surface->MarkLost();
  EXPECT_EQ(DDRefreshBitmap(surface.get(), path.c_str()), platform::DD_OK);
  EXPECT_EQ(surface->IsLost(), platform::DD_OK);
  EXPECT_EQ(At(*surface, 3, 2), 23);

  platform::ArmFault(Fault::kSurfaceDC);
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(platform::Failed(DDRefreshBitmap(surface.get(), path.c_str())));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "ddcopybitmap failed\n");
}

TEST_F(BitmapTest, CopyScalesTheChosenRectangleOverTheWholeSurface) {
  auto image = platform::DecodeBitmapFile(BitmapFile{}.Bytes());
  ASSERT_TRUE(image);
  EXPECT_EQ(DDCopyBitmap(nullptr, image.get(), 0, 0, 0, 0), platform::E_FAIL);
  auto surface = Plain(6, 4);
  EXPECT_EQ(DDCopyBitmap(surface.get(), nullptr, 0, 0, 0, 0), platform::E_FAIL);

  // Width and height 0: the whole bitmap.
  EXPECT_EQ(DDCopyBitmap(surface.get(), image.get(), 0, 0, 0, 0), platform::DD_OK);
  for (std::int32_t y = 0; y < 4; ++y) {
    for (std::int32_t x = 0; x < 6; ++x) EXPECT_EQ(At(*surface, x, y), x + 10 * y);
  }
  // A 2x2 corner from (4, 2) stretched over a 4x4 surface.
  auto small = Plain(4, 4);
  EXPECT_EQ(DDCopyBitmap(small.get(), image.get(), 4, 2, 2, 2), platform::DD_OK);
  EXPECT_EQ(At(*small, 0, 0), 24);
  EXPECT_EQ(At(*small, 1, 1), 24);
  EXPECT_EQ(At(*small, 3, 0), 25);
  EXPECT_EQ(At(*small, 3, 3), 35);

  // No memory context to copy from: said on the debugger output, and not taken for a copy.
  auto untouched = Plain(6, 4);
  platform::ArmFault(Fault::kMemoryDC);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(DDCopyBitmap(untouched.get(), image.get(), 0, 0, 0, 0), platform::E_FAIL);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "createcompatible dc failed\n");
  EXPECT_EQ(At(*untouched, 5, 3), 0);
}

TEST_F(BitmapTest, MatchColorFindsThePixelValueAndLeavesThePixelAsItWas) {
  auto surface = Plain(8, 2);
  surface->Pixels()[0] = 0x1F;  // cyan in the cube
  // With no palette shown, the display's colours are the cube: pure red is index 0xE0.
  EXPECT_EQ(DDMatchColor(surface.get(), platform::MakeColorRef(255, 0, 0)), 0xE0u);
  EXPECT_EQ(surface->Pixels()[0], 0x1F);
  EXPECT_EQ(DDMatchColor(surface.get(), 0), 0u);
  EXPECT_EQ(DDMatchColor(surface.get(), platform::MakeColorRef(250, 250, 250)), 0xFFu);
  EXPECT_EQ(surface->Pixels()[0], 0x1F);
  // No colour: nothing is written, the pixel as it stands is read.
  EXPECT_EQ(DDMatchColor(surface.get(), platform::CLR_INVALID), 0x1Fu);
  // GDI cannot draw into it: the pixel as it stands is read as well.
  platform::ArmFault(Fault::kSurfaceDC);
  EXPECT_EQ(DDMatchColor(surface.get(), 0), 0x1Fu);
  EXPECT_EQ(surface->Pixels()[0], 0x1F);

  // A lock refused for another reason than a busy display gives no colour, and the key is set to
  // that.
  auto layer = std::make_unique<platform::Surface>("pixelLayer", 640, 480, 0);
  platform::ArmFault(Fault::kLock);
  EXPECT_EQ(DDSetSourceKey(layer.get(), 0), platform::DD_OK);
  platform::ColorKey key;
  ASSERT_EQ(layer->GetColorKey(platform::DDCKEY_SRCBLT, &key), platform::DD_OK);
  EXPECT_EQ(key.low, platform::CLR_INVALID);
  EXPECT_EQ(key.high, platform::CLR_INVALID);
  EXPECT_FALSE(layer->Locked());
}

TEST_F(BitmapTest, SourceAndDestinationKeysAreSetSeparately) {
  auto surface = Plain(4, 4);
  EXPECT_EQ(DDSetDestKey(surface.get(), platform::MakeColorRef(255, 0, 0)), platform::DD_OK);
  platform::ColorKey key;
  EXPECT_NE(surface->GetColorKey(platform::DDCKEY_SRCBLT, &key), platform::DD_OK);
  ASSERT_EQ(surface->GetColorKey(platform::DDCKEY_DESTBLT, &key), platform::DD_OK);
  EXPECT_EQ(key.low, 0xE0u);
  EXPECT_EQ(key.high, 0xE0u);
  EXPECT_EQ(DDSetSourceKey(surface.get(), 0), platform::DD_OK);
  ASSERT_EQ(surface->GetColorKey(platform::DDCKEY_SRCBLT, &key), platform::DD_OK);
  EXPECT_EQ(key.low, 0u);
  EXPECT_EQ(DDSetSourceKey(nullptr, 0), platform::E_FAIL);
}

}  // namespace
}  // namespace kelmora
