// kelmora-contact-sheet OUTPUT.png [NAME LEFT TOP RIGHT BOTTOM SCALE]
//
// Writes a picture of the artwork for people to look at: the sprite sheet and the menu bitmap
// side by side at twice their size with the palette applied, and the window icons below. With a
// bitmap name and a rectangle it writes just that part of one bitmap, enlarged SCALE times.
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "artgen/artwork.h"
#include "artgen/dib.h"

namespace {

using kelmora::artgen::DecodedDib;
using kelmora::artgen::Rect;
using kelmora::artgen::Rgb;

struct Picture {
  int width;
  int height;
  std::vector<std::uint8_t> rgb;

  Picture(int w, int h, Rgb background)
      : width(w), height(h), rgb(static_cast<std::size_t>(w * h) * 3) {
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
      rgb[i] = background.r;
      rgb[i + 1] = background.g;
      rgb[i + 2] = background.b;
    }
  }

  void Put(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)) *
                          3;
    rgb[i] = c.r;
    rgb[i + 1] = c.g;
    rgb[i + 2] = c.b;
  }

  // Draws part of a bitmap enlarged `scale` times with its top-left corner at (x, y).
  void Draw(const DecodedDib& dib, const Rect& part, int x, int y, int scale) {
    for (int sy = part.top; sy < part.bottom; ++sy) {
      for (int sx = part.left; sx < part.right; ++sx) {
        const Rgb c = dib.colours[dib.image.at(sx, sy)];
        for (int dy = 0; dy < scale; ++dy) {
          for (int dx = 0; dx < scale; ++dx) {
            Put(x + (sx - part.left) * scale + dx, y + (sy - part.top) * scale + dy, c);
          }
        }
      }
    }
  }
};

bool WritePng(const std::string& path, const Picture& picture) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
               static_cast<png_uint_32>(picture.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  for (int y = 0; y < picture.height; ++y) {
    png_write_row(png, &picture.rgb[static_cast<std::size_t>(y * picture.width) * 3]);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 8) {
    std::fprintf(stderr,
                 "usage: kelmora-contact-sheet OUTPUT.png [NAME LEFT TOP RIGHT BOTTOM SCALE]\n");
    return 2;
  }
  std::vector<DecodedDib> dibs;
  std::vector<std::string> names;
  for (const auto& bitmap : kelmora::artgen::GenerateArtwork()) {
    auto dib = kelmora::artgen::DecodePackedDib(bitmap.dib);
    if (!dib) {
      std::fprintf(stderr, "kelmora-contact-sheet: %s does not decode\n",
                   std::string(bitmap.name).c_str());
      return 1;
    }
    dibs.push_back(std::move(*dib));
    names.emplace_back(bitmap.name);
  }

  if (argc == 8) {
    std::size_t which = 0;
    while (which < names.size() && names[which] != argv[2]) ++which;
    if (which == names.size()) return 2;
    const Rect part{std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
    const int scale = std::atoi(argv[7]);
    if (part.width() <= 0 || part.height() <= 0 || scale <= 0) return 2;
    Picture picture(part.width() * scale, part.height() * scale, {0, 0, 0});
    picture.Draw(dibs[which], part, 0, 0, scale);
    return WritePng(argv[1], picture) ? 0 : 1;
  }

  // Sheet and menus side by side, icons underneath.
  constexpr int kGap = 16;
  constexpr int kScale = 2;
  const DecodedDib& sheet = dibs[0];
  const DecodedDib& menus = dibs[1];
  const int width = (sheet.image.width() + menus.image.width()) * kScale + kGap * 3;
  const int height = sheet.image.height() * kScale + kGap * 3 + 32 * 4;
  Picture picture(width, height, {40, 44, 52});
  const Rect whole{0, 0, sheet.image.width(), sheet.image.height()};
  picture.Draw(sheet, whole, kGap, kGap, kScale);
  picture.Draw(menus, whole, kGap * 2 + sheet.image.width() * kScale, kGap, kScale);
  int x = kGap;
  const int y = kGap * 2 + sheet.image.height() * kScale;
  for (std::size_t i = 2; i < dibs.size(); ++i) {
    const int size = dibs[i].image.width();
    picture.Draw(dibs[i], {0, 0, size, size}, x, y, 4);
    x += size * 4 + kGap;
  }
  if (!WritePng(argv[1], picture)) {
    std::fprintf(stderr, "kelmora-contact-sheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
