#include <SDL.h>

#include <algorithm>
#include <string>

#include "platform/sdl/desktop_grab.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"
#include "resources/embedded.h"

namespace kelmora::platform {

namespace {

void Diagnose(std::string_view what) {
  DebugOutput(std::string(what) + ": " + SDL_GetError() + "\n");
}

// A display of about 60 Hz: its vertical blank can pace the game.
bool SixtyHertz(int refreshRate) {
  return refreshRate >= 59 && refreshRate <= 61;
}

// The window's size out of full screen: the largest whole multiple of the frame that fits the
// display's usable area.
void WindowedSize(int display, int* width, int* height) {
  SDL_Rect usable{0, 0, kScreenWidth, kScreenHeight};
  SDL_GetDisplayUsableBounds(display, &usable);
  const int multiple = std::max(1, std::min(usable.w / kScreenWidth, usable.h / kScreenHeight));
  *width = kScreenWidth * multiple;
  *height = kScreenHeight * multiple;
}

// The game's icon (the 32x32 bitmap resource) on the window.
void SetWindowIcon(SDL_Window* window) {
  const std::unique_ptr<Bitmap> icon = DecodePackedDib(resources::FindBitmap("ICON32"));
  if (!icon) return;
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, icon->width, icon->height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) return;
  auto* pixels = static_cast<std::uint8_t*>(surface->pixels);
  for (int y = 0; y < icon->height; ++y) {
    auto* row =
        reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(y) * surface->pitch);
    for (int x = 0; x < icon->width; ++x) {
      const PaletteEntry& colour =
          icon->colours[icon->pixels[static_cast<std::size_t>(y * icon->width + x)]];
      row[x] = 0xFF000000u | (static_cast<std::uint32_t>(colour.red) << 16) |
               (static_cast<std::uint32_t>(colour.green) << 8) | colour.blue;
    }
  }
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
}

}  // namespace

// The window step: the host's video system and the window, hidden until it is shown.
bool SdlBackend::OpenWindow(std::string_view caption) {
  if (!videoStarted_) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      Diagnose("No display could be opened");
      return false;
    }
    videoStarted_ = true;
  }
  int display = options_.display;
  if (display < 0 || display >= SDL_GetNumVideoDisplays()) {
    DebugOutput("There is no display " + std::to_string(display) +
                "; the game opens on display 0\n");
    display = 0;
  }
  int width = kScreenWidth;
  int height = kScreenHeight;
  WindowedSize(display, &width, &height);
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  if (fullscreen_) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  const std::string title(caption);
  window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                             SDL_WINDOWPOS_CENTERED_DISPLAY(display), width, height, flags);
  if (window_ == nullptr) {
    Diagnose("The window could not be made");
    return false;
  }
  SDL_SetWindowMinimumSize(window_, kScreenWidth / 4, kScreenHeight / 4);
  SetWindowIcon(window_);
  focused_ = true;
  return true;
}

void SdlBackend::ShowWindow() {
  if (window_ == nullptr) return;
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  SDL_ShowCursor(SDL_DISABLE);
}

void SdlBackend::CloseWindow() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_DestroyWindow(window_);
  }
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
  framePresented_ = false;
}

bool SdlBackend::StartHostStep(HostStep step) {
  switch (step) {
    case HostStep::kVideo: {
      // The display the window is on, and its refresh rate.
      SDL_DisplayMode mode;
      const int display = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : -1;
      if (display < 0 || SDL_GetDesktopDisplayMode(display, &mode) != 0) {
        Diagnose("The display could not be queried");
        return false;
      }
      refreshRate_ = mode.refresh_rate;
      return true;
    }
    case HostStep::kDisplayMode:
      return CreateRenderer();
    case HostStep::kScreen:
      return CreateScreenTexture();
    case HostStep::kInput:
      if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) {
        Diagnose("The keyboard and mouse could not be opened");
        return false;
      }
      inputStarted_ = true;
      WatchDesktopGrabs();
      // Controllers are welcome but not needed: without them the game plays on.
      if (!padsStarted_) {
        // The backend itself leaves the controllers alone while the window has no focus.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) {
          padsStarted_ = true;
        } else {
          Diagnose("Game controllers are not available");
        }
      }
      CaptureMouse(focused_);
      return true;
  }
  return false;
}

bool SdlBackend::CreateRenderer() {
  if (window_ == nullptr) return false;
  const Uint32 vsync = SixtyHertz(refreshRate_) ? SDL_RENDERER_PRESENTVSYNC : 0;
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | vsync);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, vsync);
  if (renderer_ == nullptr) {
    Diagnose("The renderer could not be made");
    return false;
  }
  SDL_RendererInfo info;
  const bool waits =
      SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
  pacer_.SetVsync(waits && vsync != 0);
  pacer_.Reset();
  return true;
}

bool SdlBackend::CreateScreenTexture() {
  if (renderer_ == nullptr) return false;
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                               kScreenWidth, kScreenHeight);
  if (texture_ == nullptr) {
    Diagnose("The screen texture could not be made");
    return false;
  }
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
  // Black until the first frame.
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) == 0) {
    for (int y = 0; y < kScreenHeight; ++y) {
      auto* row = static_cast<std::uint8_t*>(pixels) + static_cast<std::ptrdiff_t>(y) * pitch;
      std::fill(row, row + kScreenWidth * 4, std::uint8_t{0});
    }
    SDL_UnlockTexture(texture_);
  }
  screenLost_ = false;
  return true;
}

// The texture on the screen: letterboxed, scaled nearest-neighbour, black around it.
void SdlBackend::ShowScreen() {
  if (renderer_ == nullptr || texture_ == nullptr || screenLost_) return;
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  int width = 0;
  int height = 0;
  if (SDL_GetRendererOutputSize(renderer_, &width, &height) == 0) {
    const Rect place = LetterboxRect(width, height, options_.scale);
    const SDL_Rect target{place.left, place.top, place.Width(), place.Height()};
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  }
  SDL_RenderPresent(renderer_);
}

HRESULT SdlBackend::Present(const Surface& frame, const PaletteTable& palette) {
  if (screenLost_ || texture_ == nullptr) return DDERR_SURFACELOST;
  if (!pairsBuilt_ || palette != pairPalette_) {
    BuildPixelPairTable(palette, pairs_.data());
    pairPalette_ = palette;
    pairsBuilt_ = true;
  }
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return DDERR_GENERIC;
  ConvertFrame(frame.Pixels(), frame.Pitch(), std::min(frame.Width(), kScreenWidth),
               std::min(frame.Height(), kScreenHeight), pairs_.data(), pixels, pitch);
  SDL_UnlockTexture(texture_);
  framePresented_ = true;
  ShowScreen();
  pacer_.AfterFlip();
  return DD_OK;
}

// After a render-device reset: the screen texture is made again.
HRESULT SdlBackend::RestoreScreen() {
  if (!screenLost_) return DD_OK;
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  texture_ = nullptr;
  framePresented_ = false;
  return CreateScreenTexture() ? DD_OK : DDERR_SURFACELOST;
}

void SdlBackend::ToggleFullscreen() {
  if (window_ == nullptr) return;
  const bool wanted = !fullscreen_;
  if (SDL_SetWindowFullscreen(window_, wanted ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    Diagnose("The window could not change between full screen and window");
    return;
  }
  fullscreen_ = wanted;
  ShowScreen();
}

}  // namespace kelmora::platform
