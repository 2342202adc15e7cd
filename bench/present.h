// The SDL backend's present path, opened on SDL's offscreen (or dummy) video driver for
// measuring: the backend's own palette conversion, straight into a locked streaming texture.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/display.h"

namespace kelmora::bench {

class PresentTarget {
 public:
  virtual ~PresentTarget() = default;
  // Locks the screen texture, converts a 640x480 frame of palette indices into it through the
  // backend's pixel-pair table (rebuilt only when the palette changes, as the backend does) and
  // unlocks it. False when the texture cannot be locked.
  virtual bool Present(const std::uint8_t* pixels, std::int32_t pitch,
                       const platform::PaletteTable& palette) = 0;
};

// nullptr when neither SDL's offscreen nor its dummy video driver can be opened.
std::unique_ptr<PresentTarget> OpenPresentTarget();

}  // namespace kelmora::bench
