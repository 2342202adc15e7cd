// What the game asks of the X window system itself, where SDL has no answer: whether the desktop
// makes a window full screen when asked, and what happens when the X server goes away. On any
// other host (or a build without Xlib) the desktop is taken to do full screen, and losing it is
// left to SDL.
#pragma once

#include <functional>

struct SDL_Window;

namespace kelmora::platform {

// Whether a request for full screen on `window` is carried out: under X that takes a window
// manager that knows full-screen windows; a bare X server leaves the window as it is.
bool DesktopDoesFullscreen(SDL_Window* window);

// From now on, should the connection to the X server break (the server ended, or it dropped
// the game), `flush` runs once, one line goes to standard error and the process ends at once
// with status 1, before anything else can touch the dead connection or the game's state.
// Harmless without X. Calling it again replaces `flush`.
void EndWhenDisplayLost(std::function<void()> flush);

// The line written to standard error when the display is lost.
inline constexpr const char* kDisplayLostText =
    "kelmora: the connection to the display was lost; the game ends\n";

}  // namespace kelmora::platform
