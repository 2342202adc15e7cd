// The present path of the SDL backend, opened on SDL's offscreen driver for measuring.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/display.h"

namespace kelmora::bench {

class PresentTarget {
 public:
  virtual ~PresentTarget() = default;
  // Converts a 640x480 frame of palette indices into the locked screen texture and unlocks it.
  virtual void Convert(const std::uint8_t* pixels, std::int32_t pitch,
                       const platform::PaletteTable& palette) = 0;
};

// nullptr when SDL's offscreen (or dummy) video driver cannot be opened.
std::unique_ptr<PresentTarget> OpenPresentTarget();

}  // namespace kelmora::bench
