#include "display/bitmap.h"

namespace kelmora {

std::unique_ptr<platform::Surface> DDLoadBitmap(platform::DirectDraw*, const char*, std::int32_t,
                                                std::int32_t) {
  return nullptr;
}
platform::HRESULT DDRefreshBitmap(platform::Surface*, const char*) {
  return platform::E_FAIL;
}
platform::HRESULT DDCopyBitmap(platform::Surface*, const platform::Bitmap*, std::int32_t,
                               std::int32_t, std::int32_t, std::int32_t) {
  return platform::E_FAIL;
}
std::unique_ptr<platform::Palette> DDMakePalette(platform::DirectDraw*, const char*) {
  return nullptr;
}
platform::PaletteTable DefaultPaletteTable() {
  return {};
}
std::uint32_t DDMatchColor(platform::Surface*, platform::ColorRef) {
  return platform::CLR_INVALID;
}
platform::HRESULT DDSetSourceKey(platform::Surface*, platform::ColorRef) {
  return platform::E_FAIL;
}
platform::HRESULT DDSetDestKey(platform::Surface*, platform::ColorRef) {
  return platform::E_FAIL;
}

}  // namespace kelmora
