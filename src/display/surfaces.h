// The display objects: creation in start-up order, colour keys, release, restore after loss,
// fills and the flip.
#pragma once

#include <cstdint>

#include "platform/display.h"

namespace kelmora {

inline constexpr const char* kSheetBitmapName = "KELMORA";
inline constexpr const char* kGuiBitmapName = "GUI";

// Start-up step: the display object, mode, surfaces, palette, bitmaps, pixel layer and colour
// keys. Reports a failing step with ReportFatal and returns non-zero.
platform::HRESULT CreateDisplay();
// Start-up step: the clipper, bound to the window and attached to the back buffer.
void CreateClipper();
// Releases every display object in the fixed order; harmless when nothing exists.
void ReleaseDisplay();
platform::HRESULT RestoreSurfaces();
platform::HRESULT FillSurface(platform::Surface* surface, std::uint32_t colour);
// Flips the finished frame, retrying while the display is still drawing and restoring the
// surfaces when they were lost.
void PresentFrame();

}  // namespace kelmora
