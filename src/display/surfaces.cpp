#include "display/surfaces.h"

namespace kelmora {

platform::HRESULT CreateDisplay() {
  return platform::E_FAIL;
}
void CreateClipper() {}
void ReleaseDisplay() {}
platform::HRESULT RestoreSurfaces() {
  return platform::E_FAIL;
}
platform::HRESULT FillSurface(platform::Surface*, std::uint32_t) {
  return platform::E_FAIL;
}
void PresentFrame() {}

}  // namespace kelmora
