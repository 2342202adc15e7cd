// kelmora-icons: writes the desktop icon as PNGs for the hicolor theme, from the game's own
// window icon, at build time.
//
//   kelmora-icons OUTDIR          writes OUTDIR/NxN/kelmora.png for every size below
//   kelmora-icons --check OUTDIR  reads them back and checks their size, transparency and scaling
//
// Every size is a nearest-neighbour scaling of the 32-pixel icon; the small sizes come from the
// 16-pixel one, which is drawn for them. Colour 0 is the transparent background. While the game
// has no icon yet, a plain emblem stands in, so the build never depends on the artwork.
#include <png.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/display.h"
#include "resources/embedded.h"

namespace {

using kelmora::platform::Bitmap;

constexpr std::array<int, 8> kSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The sizes drawn from the 16-pixel icon: the 32-pixel one loses its detail below 32.
bool FromSmallIcon(int size) {
  return size < 32;
}

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};
// libpng reads and writes the pixels as packed RGBA bytes.
static_assert(sizeof(Rgba) == 4);

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;  // rows top-down
  const Rgba& At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// The stand-in emblem: a round badge with a rim and an arrowhead ship pointing up, drawn at
// `size` pixels by testing each pixel's centre against the shapes.
std::unique_ptr<Bitmap> DrawEmblem(int size) {
  enum : std::uint8_t { kClear, kRim, kBadge, kShip };
  auto bitmap = std::make_unique<Bitmap>();
  bitmap->width = size;
  bitmap->height = size;
  bitmap->colourCount = 4;
  bitmap->colours[kRim] = {0x8c, 0xc8, 0xff, 0};
  bitmap->colours[kBadge] = {0x12, 0x1e, 0x4a, 0};
  bitmap->colours[kShip] = {0xf0, 0xf4, 0xff, 0};
  bitmap->pixels.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), kClear);
  // The ship's outline in units of the icon's side: apex, right wing, tail notch, left wing.
  constexpr std::array<std::array<double, 2>, 4> kShipOutline{
      {{0.5, 0.16}, {0.76, 0.8}, {0.5, 0.64}, {0.24, 0.8}}};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double u = (x + 0.5) / size;
      const double v = (y + 0.5) / size;
      const double distance2 = (u - 0.5) * (u - 0.5) + (v - 0.5) * (v - 0.5);
      std::uint8_t colour = kClear;
      if (distance2 <= 0.48 * 0.48) colour = kRim;
      if (distance2 <= 0.40 * 0.40) colour = kBadge;
      // Even-odd rule: count the outline's edges crossed by a ray to the right.
      bool inside = false;
      for (std::size_t i = 0, j = kShipOutline.size() - 1; i < kShipOutline.size(); j = i++) {
        const auto& a = kShipOutline[i];
        const auto& b = kShipOutline[j];
        if ((a[1] > v) != (b[1] > v) && u < a[0] + (v - a[1]) * (b[0] - a[0]) / (b[1] - a[1])) {
          inside = !inside;
        }
      }
      if (inside) colour = kShip;
      bitmap->pixels[static_cast<std::size_t>(y * size + x)] = colour;
    }
  }
  return bitmap;
}

// The game's icon of that name. A present but malformed icon is an error: the artwork is broken
// and the build must say so.
std::unique_ptr<Bitmap> DecodeIcon(std::string_view name) {
  auto bitmap = kelmora::platform::DecodePackedDib(kelmora::resources::FindBitmap(name));
  if (!bitmap) {
    std::fprintf(stderr, "kelmora-icons: the bitmap %.*s is malformed\n",
                 static_cast<int>(name.size()), name.data());
  }
  return bitmap;
}

// Both icons of the game, or the emblem in their place when the game has no icon yet. Without
// a small icon of its own, the large one serves every size (`small` stays empty).
bool LoadIcons(std::unique_ptr<Bitmap>* large, std::unique_ptr<Bitmap>* small) {
  if (kelmora::resources::FindBitmap("ICON32").empty()) {
    *large = DrawEmblem(32);
    *small = DrawEmblem(16);
    return true;
  }
  *large = DecodeIcon("ICON32");
  if (!kelmora::resources::FindBitmap("ICON16").empty()) *small = DecodeIcon("ICON16");
  return *large && (*small || kelmora::resources::FindBitmap("ICON16").empty());
}

// Nearest-neighbour scaling to size x size, sampling the source at each pixel's centre; colour 0
// becomes fully transparent, every other colour fully opaque.
RgbaImage Scale(const Bitmap& icon, int size) {
  RgbaImage image{size, size, {}};
  image.pixels.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
  for (int y = 0; y < size; ++y) {
    const std::int64_t sy = (2 * std::int64_t{y} + 1) * icon.height / (2 * std::int64_t{size});
    for (int x = 0; x < size; ++x) {
      const std::int64_t sx = (2 * std::int64_t{x} + 1) * icon.width / (2 * std::int64_t{size});
      const std::uint8_t index = icon.pixels[static_cast<std::size_t>(sy * icon.width + sx)];
      if (index == 0) {
        image.pixels.push_back(Rgba{});
      } else {
        const auto& c = icon.colours[index];
        image.pixels.push_back(Rgba{c.red, c.green, c.blue, 255});
      }
    }
  }
  return image;
}

std::filesystem::path IconPath(const std::filesystem::path& directory, int size) {
  return directory / (std::to_string(size) + "x" + std::to_string(size)) / "kelmora.png";
}

bool WritePng(const std::filesystem::path& path, const RgbaImage& image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr)) {
    std::fprintf(stderr, "kelmora-icons: cannot write %s: %s\n", path.c_str(), png.message);
    return false;
  }
  return true;
}

bool ReadPng(const std::filesystem::path& path, RgbaImage* image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) {
    std::fprintf(stderr, "%s: cannot read: %s\n", path.c_str(), png.message);
    return false;
  }
  png.format = PNG_FORMAT_RGBA;
  image->width = static_cast<int>(png.width);
  image->height = static_cast<int>(png.height);
  image->pixels.resize(static_cast<std::size_t>(png.width) * png.height);
  if (!png_image_finish_read(&png, nullptr, image->pixels.data(), 0, nullptr)) {
    std::fprintf(stderr, "%s: cannot decode: %s\n", path.c_str(), png.message);
    return false;
  }
  return true;
}

int Write(const std::filesystem::path& directory) {
  std::unique_ptr<Bitmap> large;
  std::unique_ptr<Bitmap> small;
  if (!LoadIcons(&large, &small)) return 1;
  for (int size : kSizes) {
    const Bitmap& source = FromSmallIcon(size) && small ? *small : *large;
    const auto path = IconPath(directory, size);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
      std::fprintf(stderr, "kelmora-icons: cannot create %s: %s\n", path.parent_path().c_str(),
                   error.message().c_str());
      return 1;
    }
    if (!WritePng(path, Scale(source, size))) return 1;
  }
  return 0;
}

// What any correct set of icons shows: the right sizes, a transparent background and an opaque
// picture with nothing in between, and the large sizes as exact blow-ups of the 32-pixel one.
int Check(const std::filesystem::path& directory) {
  int failures = 0;
  auto fail = [&failures](const std::filesystem::path& path, const char* what) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), what);
    ++failures;
  };
  RgbaImage base;
  const bool haveBase = ReadPng(IconPath(directory, 32), &base);
  for (int size : kSizes) {
    const auto path = IconPath(directory, size);
    RgbaImage image;
    if (!ReadPng(path, &image)) {
      ++failures;
      continue;
    }
    if (image.width != size || image.height != size) {
      fail(path, "has the wrong size");
      continue;
    }
    bool clear = false, opaque = false, partial = false, dirty = false;
    for (const Rgba& p : image.pixels) {
      clear = clear || p.a == 0;
      opaque = opaque || p.a == 255;
      partial = partial || (p.a != 0 && p.a != 255);
      dirty = dirty || (p.a == 0 && !(p == Rgba{}));
    }
    if (!clear) fail(path, "has no transparent background");
    if (!opaque) fail(path, "has nothing drawn");
    if (partial) fail(path, "has partly transparent pixels");
    if (dirty) fail(path, "has colour in transparent pixels");
    if (size > 32 && size % 32 == 0 && haveBase && base.width == 32 && base.height == 32) {
      const int k = size / 32;
      bool same = true;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) same = same && image.At(x, y) == base.At(x / k, y / k);
      }
      if (!same) fail(path, "is not the 32-pixel icon scaled up");
    }
  }
  if (failures == 0) std::printf("%zu icons checked in %s\n", kSizes.size(), directory.c_str());
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] != "--check") return Write(args[0]);
  if (args.size() == 2 && args[0] == "--check") return Check(args[1]);
  std::fprintf(stderr, "usage: kelmora-icons OUTDIR | kelmora-icons --check OUTDIR\n");
  return 2;
}
