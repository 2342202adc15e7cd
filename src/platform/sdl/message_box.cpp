#include <SDL.h>

#include <string>

#include "platform/sdl/quit_signals.h"
#include "platform/sdl/sdl_backend.h"

namespace kelmora::platform {

namespace {

// How long the desktop is given to place a window that has left full screen for a box: ten
// looks at its events, 10 ms apart.
constexpr int kPlacingWaits = 10;
constexpr Uint32 kPlacingWaitMs = 10;

}  // namespace

// The text has already gone to standard error; the box is for a player who started the game
// from a desktop. Every box ends the game, so the window leaves full screen for it and gives the
// mouse back: the box must be seen and its button reachable. A quit signal ends the box as its
// OK does (and a box that would come after one is not shown): the game then ends as it does
// after the box.
void SdlBackend::ShowMessageBox(std::string_view caption, std::string_view text) {
  boxes_.emplace_back(std::string(caption), std::string(text));
  if (!videoStarted_) return;
  BoxShowing();
  if (QuitSignal() != 0) {
    BoxShown();
    return;
  }
  if (window_ != nullptr && fullscreen_) {
    LeaveFullscreen();
    fullscreen_ = false;
    // The game does not draw while the box is up: the window is drawn once more when the
    // desktop has had a moment to place it, so that it does not keep what lay there before.
    for (int i = 0; i < kPlacingWaits; ++i) {
      SDL_PumpEvents();
      SDL_Delay(kPlacingWaitMs);
    }
    ShowScreen();
    if (QuitSignal() != 0) {
      BoxShown();
      return;
    }
  }
  CaptureMouse(false);
  SDL_ShowCursor(SDL_ENABLE);
  const std::string title(caption);
  const std::string message(text);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), window_);
  BoxShown();
  SDL_ShowCursor(SDL_DISABLE);
  if (focused_) CaptureMouse(true);
}

}  // namespace kelmora::platform
