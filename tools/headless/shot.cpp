#include "shot.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/display.h"
#include "state/state.h"

namespace kelmora::headless {

bool WriteShot(const std::string& path, std::string* error) {
  constexpr int kWidth = platform::kScreenWidth;
  constexpr int kHeight = platform::kScreenHeight;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kWidth) * kHeight * 3, 0);
  const platform::Surface* front = display.frontBuffer.get();
  if (front != nullptr) {
    const platform::PaletteTable& palette = front->AttachedPalette() != nullptr
                                                ? front->AttachedPalette()->Entries()
                                                : platform::DisplayPalette();
    const int width = front->Width() < kWidth ? front->Width() : kWidth;
    const int height = front->Height() < kHeight ? front->Height() : kHeight;
    for (int y = 0; y < height; ++y) {
      const std::uint8_t* row = front->Pixels() + static_cast<std::ptrdiff_t>(y) * front->Pitch();
      std::uint8_t* out = rgb.data() + static_cast<std::size_t>(y) * kWidth * 3;
      for (int x = 0; x < width; ++x) {
        const platform::PaletteEntry& entry = palette[row[x]];
        out[3 * x] = entry.red;
        out[3 * x + 1] = entry.green;
        out[3 * x + 2] = entry.blue;
      }
    }
  }

  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = kWidth;
  image.height = kHeight;
  image.format = PNG_FORMAT_RGB;
  if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
    *error = path + ": " + image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}

}  // namespace kelmora::headless
