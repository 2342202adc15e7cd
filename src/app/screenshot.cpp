#include "app/screenshot.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/png.h"
#include "platform/display.h"
#include "platform/files.h"
#include "state/state.h"

namespace kelmora {

bool WriteScreenshot(const std::string& path, std::string* error) {
  constexpr int kWidth = platform::kScreenWidth;
  constexpr int kHeight = platform::kScreenHeight;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kWidth) * kHeight * 3, 0);
  const platform::Surface* front = displayObjects.frontBuffer.get();
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

  const std::vector<std::uint8_t> file = EncodePngRgb(rgb.data(), kWidth, kHeight);
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) {
    *error = path + ": " + std::strerror(errno);
    return false;
  }
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  const int writeErrno = errno;
  if (std::fclose(out) != 0 || !written) {
    *error = path + ": " + std::strerror(written ? errno : writeErrno);
    // A partial picture goes; a device named as the file (/dev/full) stays where it is.
    if (platform::IsRegularFile(path)) std::remove(path.c_str());
    return false;
  }
  return true;
}

}  // namespace kelmora
