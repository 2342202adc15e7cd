// Bitmap, palette and colour-key loading: the bridge between the named bitmaps and the display.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/display.h"

namespace kelmora {

std::unique_ptr<platform::Surface> DDLoadBitmap(platform::DirectDraw* directDraw, const char* name,
                                                std::int32_t width, std::int32_t height);
platform::HRESULT DDRefreshBitmap(platform::Surface* surface, const char* name);
platform::HRESULT DDCopyBitmap(platform::Surface* surface, const platform::Bitmap* bitmap,
                               std::int32_t x, std::int32_t y, std::int32_t width,
                               std::int32_t height);
std::unique_ptr<platform::Palette> DDMakePalette(platform::DirectDraw* directDraw,
                                                 const char* name);
// The default 3-3-2 colour cube that DDMakePalette starts from.
platform::PaletteTable DefaultPaletteTable();
std::uint32_t DDMatchColor(platform::Surface* surface, platform::ColorRef colour);
platform::HRESULT DDSetSourceKey(platform::Surface* surface, platform::ColorRef colour);
platform::HRESULT DDSetDestKey(platform::Surface* surface, platform::ColorRef colour);

}  // namespace kelmora
