#include "display/surfaces.h"

#include "display/bitmap.h"
#include "display/report.h"
#include "platform/window.h"
#include "state/state.h"

namespace kelmora {

namespace {

using platform::HRESULT;

constexpr std::int32_t kDisplayWidth = 640;
constexpr std::int32_t kDisplayHeight = 480;
constexpr std::int32_t kDisplayBits = 8;

constexpr platform::ColorRef kBlack = 0x000000;
constexpr platform::ColorRef kPureRed = 0x0000FF;  // red 255, green 0, blue 0

// A start-up step failed: give the display back, tell the player which step, end the game.
HRESULT StepFailed(HRESULT code, const char* message) {
  return ReportFatal(appState.mainWindow, code, "%s", message);
}

// The palette of the whole game, built from the sprite sheet's colour table and shown by the
// front buffer. Without one the game runs on the display's own colours.
void AttachGamePalette() {
  auto palette = DDMakePalette(displayObjects.directDraw.get(), kSheetBitmapName);
  if (!palette) return;
  displayObjects.frontBuffer->SetPalette(palette.get());
  // The old palette goes only once the front buffer no longer shows it.
  displayObjects.palette = std::move(palette);
}

void SetColourKeys() {
  DDSetSourceKey(displayObjects.sheetSurface.get(), kBlack);
  DDSetDestKey(displayObjects.sheetSurface.get(), kBlack);
  DDSetSourceKey(displayObjects.guiSurface.get(), kBlack);
  DDSetSourceKey(displayObjects.pixelLayer.get(), kBlack);
  DDSetSourceKey(displayObjects.backBuffer, kBlack);
  DDSetDestKey(displayObjects.backBuffer, kPureRed);
}

}  // namespace

HRESULT CreateDisplay() {
  std::unique_ptr<platform::DirectDraw> first;
  HRESULT code = platform::DirectDrawCreate(&first);
  if (code != platform::DD_OK) return StepFailed(code, "DirectDrawCreate FAILED");

  code = first->QueryInterface(&displayObjects.directDraw);
  // Only the newer interface is kept.
  first.reset();
  if (code != platform::DD_OK) return StepFailed(code, "QueryInterface FAILED");
  platform::DirectDraw& directDraw = *displayObjects.directDraw;

  code = directDraw.SetCooperativeLevel(appState.mainWindow,
                                        platform::DDSCL_EXCLUSIVE | platform::DDSCL_FULLSCREEN);
  if (code != platform::DD_OK) return StepFailed(code, "SetCooperativeLevel FAILED");

  code = directDraw.SetDisplayMode(kDisplayWidth, kDisplayHeight, kDisplayBits, 0, 0);
  if (code != platform::DD_OK) return StepFailed(code, "SetDisplayMode FAILED");

  platform::SurfaceDesc primary;
  primary.flags = platform::DDSD_CAPS | platform::DDSD_BACKBUFFERCOUNT;
  primary.caps =
      platform::DDSCAPS_PRIMARYSURFACE | platform::DDSCAPS_FLIP | platform::DDSCAPS_COMPLEX;
  primary.backBufferCount = 1;
  code = directDraw.CreateSurface(primary, &displayObjects.frontBuffer, "frontBuffer");
  if (code != platform::DD_OK) return StepFailed(code, "CreateSurface FAILED");

  code = displayObjects.frontBuffer->GetAttachedSurface(platform::DDSCAPS_BACKBUFFER,
                                                        &displayObjects.backBuffer);
  if (code != platform::DD_OK) return StepFailed(code, "GetAttachedSurface FAILED");

  AttachGamePalette();

  displayObjects.sheetSurface = DDLoadBitmap(&directDraw, kSheetBitmapName, 0, 0, "sheetSurface");
  if (!displayObjects.sheetSurface) return StepFailed(platform::E_FAIL, "DDLoadBitmap FAILED");

  platform::SurfaceDesc layer;
  layer.flags = platform::DDSD_CAPS | platform::DDSD_HEIGHT | platform::DDSD_WIDTH;
  layer.caps = platform::DDSCAPS_OFFSCREENPLAIN;
  layer.width = kDisplayWidth;
  layer.height = kDisplayHeight;
  code = directDraw.CreateSurface(layer, &displayObjects.pixelLayer, "pixelLayer");
  if (code != platform::DD_OK) {
    // No box for this one; the shell gives the display back when it closes the window.
    platform::DebugOutput("The pixel layer could not be created\n");
    return code;
  }

  displayObjects.guiSurface = DDLoadBitmap(&directDraw, kGuiBitmapName, 0, 0, "guiSurface");
  if (!displayObjects.guiSurface) return StepFailed(platform::E_FAIL, "DDLoadBitmap FAILED");

  SetColourKeys();
  return platform::DD_OK;
}

void CreateClipper() {
  if (!displayObjects.directDraw) return;
  displayObjects.directDraw->CreateClipper(0, &displayObjects.clipper);
  if (!displayObjects.clipper) return;
  displayObjects.clipper->SetHWnd(0, appState.mainWindow);
  if (displayObjects.backBuffer != nullptr)
    displayObjects.backBuffer->SetClipper(displayObjects.clipper.get());
}

void ReleaseDisplay() {
  if (!displayObjects.directDraw) return;
  // The back buffer belongs to the front buffer and goes with it.
  displayObjects.frontBuffer.reset();
  displayObjects.backBuffer = nullptr;
  displayObjects.sheetSurface.reset();
  displayObjects.guiSurface.reset();
  displayObjects.pixelLayer.reset();
  displayObjects.clipper.reset();
  displayObjects.palette.reset();
  // Giving up the display object gives the display mode back.
  displayObjects.directDraw.reset();
}

HRESULT RestoreSurfaces() {
  if (!displayObjects.frontBuffer) return platform::E_FAIL;
  HRESULT code = displayObjects.frontBuffer->Restore();
  if (code == platform::DD_OK) {
    platform::Surface* sheet = displayObjects.sheetSurface.get();
    if (sheet != nullptr && platform::Succeeded(sheet->Restore())) {
      DDRefreshBitmap(sheet, kSheetBitmapName);
    }
    platform::Surface* gui = displayObjects.guiSurface.get();
    code = gui != nullptr ? gui->Restore() : platform::E_FAIL;
    if (platform::Succeeded(code)) DDRefreshBitmap(gui, kGuiBitmapName);
  }
  // Both are cleared and redrawn by every frame, so restoring them is enough.
  if (displayObjects.pixelLayer) displayObjects.pixelLayer->Restore();
  if (displayObjects.backBuffer != nullptr) displayObjects.backBuffer->Restore();
  AttachGamePalette();
  return code;
}

HRESULT FillSurface(platform::Surface* surface, std::uint32_t colour) {
  if (surface == nullptr) return platform::E_FAIL;
  platform::BltFx fx;
  fx.size = 100;
  fx.fillColor = colour;
  // The fill asks the display to wait while it is busy: it is done once the display takes it.
  HRESULT code;
  while ((code = surface->Blt(nullptr, nullptr, nullptr,
                              platform::DDBLT_COLORFILL | platform::DDBLT_WAIT, &fx)) ==
         platform::DDERR_WASSTILLDRAWING) {
  }
  return code;
}

void PresentFrame() {
  if (!displayObjects.frontBuffer) return;
  for (;;) {
    const HRESULT code = displayObjects.frontBuffer->Flip(nullptr, 0);
    if (code == platform::DDERR_WASSTILLDRAWING) continue;
    // Lost surfaces are brought back once; this frame is not shown, the next one is.
    if (code == platform::DDERR_SURFACELOST) RestoreSurfaces();
    return;
  }
}

}  // namespace kelmora
