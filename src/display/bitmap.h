// Bitmap, palette and colour-key loading: the bridge between the named bitmaps and the display.
// Each named bitmap is looked for among the program's own resources first, then as a file of that
// name. Nothing here shows a message; the few diagnostics go to the debugger output.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/display.h"

namespace kelmora {

// A new off-screen surface holding the named image, or null. A width or height of 0 means the
// image's own size (the game always passes 0, 0). `surfaceName` labels the surface in the display
// log; empty means the bitmap's name.
std::unique_ptr<platform::Surface> DDLoadBitmap(platform::DirectDraw* directDraw, const char* name,
                                                std::int32_t width, std::int32_t height,
                                                std::string_view surfaceName = {});
// Copies the named image again into a surface that already exists (after a restore).
platform::HRESULT DDRefreshBitmap(platform::Surface* surface, const char* name);
// Copies (x, y, width, height) of a bitmap over the whole surface, scaling to its size; a width
// or height of 0 means the bitmap's own.
platform::HRESULT DDCopyBitmap(platform::Surface* surface, const platform::Bitmap* bitmap,
                               std::int32_t x, std::int32_t y, std::int32_t width,
                               std::int32_t height);
// A 256-entry palette from the named bitmap's colour table over the default colour cube; with no
// name (or no such bitmap), the colour cube alone. Null when the palette cannot be made.
std::unique_ptr<platform::Palette> DDMakePalette(platform::DirectDraw* directDraw,
                                                 const char* name);
// The default 3-3-2 colour cube that DDMakePalette starts from.
using platform::DefaultPaletteTable;
// The pixel value that a GDI colour has on the surface, or CLR_INVALID.
std::uint32_t DDMatchColor(platform::Surface* surface, platform::ColorRef colour);
platform::HRESULT DDSetSourceKey(platform::Surface* surface, platform::ColorRef colour);
platform::HRESULT DDSetDestKey(platform::Surface* surface, platform::ColorRef colour);

}  // namespace kelmora
