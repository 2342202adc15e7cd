#include <SDL.h>

#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"

namespace kelmora::platform {

// The game reads the mouse as relative motion: while the window has the focus the mouse is held
// in relative mode (no cursor, no edges); without the focus it is free.
void SdlBackend::CaptureMouse(bool capture) {
  if (window_ == nullptr) return;
  if (capture) {
    if (SDL_SetRelativeMouseMode(SDL_TRUE) != 0) {
      // No relative mode on this host: keep the mouse in the window; motion still arrives.
      SDL_SetWindowGrab(window_, SDL_TRUE);
    }
  } else {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_SetWindowGrab(window_, SDL_FALSE);
  }
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
  hostButtons_[button] = down;
  // A click shorter than a frame (a tap on a touchpad) still reads as down for one frame.
  if (down) buttonPressed_[button] = true;
}

void SdlBackend::HideCursor() {
  if (videoStarted_) SDL_ShowCursor(SDL_DISABLE);
}

}  // namespace kelmora::platform
