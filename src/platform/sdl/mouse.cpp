#include <SDL.h>

#include "platform/input_devices.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"

namespace kelmora::platform {

namespace {

// The relative motion that takes a cursor standing at `cursor`, with `waiting` still to be read,
// to `target`: the read's sum then lands the cursor exactly there (the counts wrap at 32 bits).
std::int32_t MotionTo(std::int32_t target, std::int32_t cursor, std::int32_t waiting) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(target) -
                                   static_cast<std::uint32_t>(cursor) -
                                   static_cast<std::uint32_t>(waiting));
}

}  // namespace

// Full screen, the game reads the mouse as relative motion: while the window has the focus the
// mouse is held in relative mode (no cursor, no edges). In a window the pointer is never held:
// it leaves at the window's edge, and the menu's cursor follows it over the picture.
void SdlBackend::CaptureMouse(bool capture) {
  if (window_ == nullptr) return;
  if (capture && fullscreen_) {
    if (SDL_SetRelativeMouseMode(SDL_TRUE) != 0) {
      // No relative mode on this host: keep the mouse in the window; motion still arrives.
      SDL_SetWindowGrab(window_, SDL_TRUE);
    }
  } else {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_SetWindowGrab(window_, SDL_FALSE);
  }
}

// The pointer moved to (x, y) of the window: over the picture the desktop's pointer is hidden
// (the game's cursor stands under it in the menus), over the bars around it the pointer shows.
void SdlBackend::HandlePointer(std::int32_t x, std::int32_t y) {
  pointerX_ = x;
  pointerY_ = y;
  pointerInside_ = true;
  pointerMoved_ = true;
  std::int32_t frameX = 0;
  std::int32_t frameY = 0;
  int windowWidth = 0;
  int windowHeight = 0;
  int outputWidth = 0;
  int outputHeight = 0;
  bool over = false;
  if (window_ != nullptr && renderer_ != nullptr &&
      SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) == 0) {
    SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
    over = FramePixelAt(x, y, windowWidth, windowHeight, outputWidth, outputHeight,
                        LetterboxRect(outputWidth, outputHeight, options_.scale), &frameX, &frameY);
  }
  if (over == pointerShown_) {
    pointerShown_ = !over;
    SDL_ShowCursor(pointerShown_ ? SDL_ENABLE : SDL_DISABLE);
  }
}

// The motion of this tick that brings the menu's cursor under the pointer, in a window: when the
// pointer has moved over the picture, or stands there as the menus come up.
void SdlBackend::PointerMotion(std::int32_t* dx, std::int32_t* dy) {
  const bool follow = pointerMoved_ || !lastMenuUp_;
  pointerMoved_ = false;
  lastMenuUp_ = menuUp_;
  if (fullscreen_ || !menuUp_ || !focused_ || !follow || !pointerInside_) return;
  if (window_ == nullptr || renderer_ == nullptr) return;
  int windowWidth = 0;
  int windowHeight = 0;
  int outputWidth = 0;
  int outputHeight = 0;
  if (SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0) return;
  SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
  std::int32_t frameX = 0;
  std::int32_t frameY = 0;
  if (!FramePixelAt(pointerX_, pointerY_, windowWidth, windowHeight, outputWidth, outputHeight,
                    LetterboxRect(outputWidth, outputHeight, options_.scale), &frameX, &frameY)) {
    return;
  }
  *dx = AddMotion(*dx, MotionTo(frameX, menuCursorX_, WaitingMotionX()));
  *dy = AddMotion(*dy, MotionTo(frameY, menuCursorY_, WaitingMotionY()));
}

void SdlBackend::HandleMouseButton(const SDL_MouseButtonEvent& event) {
  int button = -1;
  switch (event.button) {
    case SDL_BUTTON_LEFT:
      button = 0;
      break;
    case SDL_BUTTON_RIGHT:
      button = 1;
      break;
    case SDL_BUTTON_MIDDLE:
      button = 2;
      break;
    case SDL_BUTTON_X1:
      button = 3;
      break;
    default:
      return;
  }
  if (replaying_) return;
  const bool down = event.type == SDL_MOUSEBUTTONDOWN;
  held_.buttons[button] = down;
  if (down) {
    // A click shorter than a frame (a tap on a touchpad) still reads as down for one frame.
    held_.buttonPressed[button] = true;
    // Alt with a click is the desktop's (moving the window), not a missile.
    leftAltSpoilt_ = true;
  }
}

void SdlBackend::HideCursor() {
  if (videoStarted_) SDL_ShowCursor(SDL_DISABLE);
  pointerShown_ = false;
}

}  // namespace kelmora::platform
