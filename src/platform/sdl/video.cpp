#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/sdl/desktop_grab.h"
#include "platform/sdl/quit_signals.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/x11.h"
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

// The display's area that the desktop's panels leave free; the whole display where it says nothing.
SDL_Rect UsableArea(int display) {
  SDL_Rect usable{0, 0, kScreenWidth, kScreenHeight};
  if (SDL_GetDisplayUsableBounds(display, &usable) != 0 || usable.w <= 0 || usable.h <= 0) {
    SDL_GetDisplayBounds(display, &usable);
  }
  return usable;
}

Rect ToRect(const SDL_Rect& rect) {
  return Rect{rect.x, rect.y, rect.x + rect.w, rect.y + rect.h};
}

// Drivers that draw nowhere: what SDL falls back to when no display answers.
bool DrawsNowhere(const char* driver) {
  if (driver == nullptr) return true;
  const std::string_view name(driver);
  return name == "offscreen" || name == "dummy" || name == "evdev";
}

// Why no display answered, for the player.
std::string MissingDisplayText() {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  std::string text = "No display could be opened: no display server answers";
  if (display != nullptr && *display != 0) {
    text += std::string(" on DISPLAY ") + display;
  } else if (wayland != nullptr && *wayland != 0) {
    text += std::string(" on WAYLAND_DISPLAY ") + wayland;
  } else {
    text += " (DISPLAY is not set)";
  }
  return text + "\n";
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
    // Without any display SDL falls back to a driver that draws nowhere, and the game would run
    // unseen. Only a driver that the player asked for himself may do that.
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if ((asked == nullptr || *asked == 0) && DrawsNowhere(SDL_GetCurrentVideoDriver())) {
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
      DebugOutput(MissingDisplayText());
      return false;
    }
    videoStarted_ = true;
    SetEventsRunning(true);
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::string_view(driver) == "x11") {
      EndWhenDisplayLost(whenDisplayLost_);
    }
  }
  int display = options_.display;
  if (display < 0 || display >= SDL_GetNumVideoDisplays()) {
    DebugOutput("There is no display " + std::to_string(display) +
                "; the game opens on display 0\n");
    display = 0;
  }
  // Placed for a desktop without a title bar; once the window is shown and the desktop has
  // framed it, it is placed again (ShowWindow).
  const Rect place = WindowedPlace(ToRect(UsableArea(display)), 0);
  const Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  const std::string title(caption);
  window_ =
      SDL_CreateWindow(title.c_str(), place.left, place.top, place.Width(), place.Height(), flags);
  if (window_ == nullptr) {
    Diagnose("The window could not be made");
    return false;
  }
  SDL_SetWindowMinimumSize(window_, std::min(kScreenWidth / 4, place.Width()),
                           std::min(kScreenHeight / 4, place.Height()));
  SetWindowIcon(window_);
  ownFullscreen_ = false;
  windowedPlace_.reset();
  if (fullscreen_ && !EnterFullscreen()) {
    Diagnose("The window could not be made full screen");
    fullscreen_ = false;
  }
  focused_ = true;
  return true;
}

void SdlBackend::ShowWindow() {
  if (window_ == nullptr) return;
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  // A hidden window may have been moved back on showing.
  if (!fullscreen_) PlaceWindow();
  if (ownFullscreen_) CoverScreen();
  settleTicks_ = kSettleTicks;
  SDL_ShowCursor(SDL_DISABLE);
}

int SdlBackend::WindowDisplay() const {
  const int display = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : -1;
  return display >= 0 ? display : 0;
}

int SdlBackend::TitleBarHeight() const {
  int top = 0;
  if (SDL_GetWindowBordersSize(window_, &top, nullptr, nullptr, nullptr) != 0) top = 0;
  return top;
}

void SdlBackend::PlaceWindow() {
  const int top = TitleBarHeight();
  const Rect place = WindowedPlace(ToRect(UsableArea(WindowDisplay())), top);
  SDL_SetWindowSize(window_, place.Width(), place.Height());
  SDL_SetWindowPosition(window_, place.left, place.top);
  placedBelow_ = top;
}

void SdlBackend::SettleWindow() {
  // The desktop frames a window, and puts one back out of full screen, in its own time: for a
  // while the window is looked at again, placed anew when its title bar turns out to be another
  // than it was placed below, or when it does not fit the screen.
  if (settleTicks_ <= 0 || window_ == nullptr) return;
  --settleTicks_;
  if (fullscreen_) return;
  if (TitleBarHeight() != placedBelow_ || !WindowFitsScreen()) PlaceWindow();
}

bool SdlBackend::WindowFitsScreen() const {
  const int top = TitleBarHeight();
  const SDL_Rect usable = UsableArea(WindowDisplay());
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  SDL_GetWindowSize(window_, &width, &height);
  return x >= usable.x && y - top >= usable.y && x + width <= usable.x + usable.w &&
         y + height <= usable.y + usable.h;
}

bool SdlBackend::EnterFullscreen() {
  if (DesktopDoesFullscreen(window_)) {
    return SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
  }
  // This desktop leaves a window as it is when asked for full screen (an X server without a
  // window manager): the window itself then covers the whole screen, without a border, and
  // comes back to its place afterwards.
  SDL_Rect windowed{0, 0, 0, 0};
  SDL_GetWindowPosition(window_, &windowed.x, &windowed.y);
  SDL_GetWindowSize(window_, &windowed.w, &windowed.h);
  if (!CoverScreen()) return false;
  windowedPlace_ = ToRect(windowed);
  ownFullscreen_ = true;
  return true;
}

bool SdlBackend::CoverScreen() {
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(WindowDisplay(), &bounds) != 0) return false;
  SDL_SetWindowBordered(window_, SDL_FALSE);
  SDL_SetWindowPosition(window_, bounds.x, bounds.y);
  SDL_SetWindowSize(window_, bounds.w, bounds.h);
  return true;
}

void SdlBackend::LeaveFullscreen() {
  if (window_ == nullptr) return;
  if (ownFullscreen_) {
    ownFullscreen_ = false;
    SDL_SetWindowBordered(window_, SDL_TRUE);
    if (windowedPlace_) {
      SDL_SetWindowSize(window_, windowedPlace_->Width(), windowedPlace_->Height());
      SDL_SetWindowPosition(window_, windowedPlace_->left, windowedPlace_->top);
    }
  } else if (SDL_SetWindowFullscreen(window_, 0) != 0) {
    Diagnose("The window could not leave full screen");
  }
  // A window that started full screen has never been placed for the desktop's frame.
  if (!WindowFitsScreen()) PlaceWindow();
  settleTicks_ = kSettleTicks;
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
  // The renderer may have made the window again, at its first place.
  if (ownFullscreen_) CoverScreen();
  if (!fullscreen_) PlaceWindow();
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
  if (fullscreen_) {
    LeaveFullscreen();
    fullscreen_ = false;
  } else if (EnterFullscreen()) {
    fullscreen_ = true;
  } else {
    Diagnose("The window could not change between full screen and window");
    return;
  }
  ShowScreen();
}

}  // namespace kelmora::platform
