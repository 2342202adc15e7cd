// Kept apart from the rest of the backend: the window system's headers define names of their own
// (Window, Display, None, ...) that must not meet the game's.
#include "platform/sdl/desktop_grab.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace kelmora::platform {

void WatchDesktopGrabs() {
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
#endif
}

bool IsDesktopGrab(const SDL_SysWMmsg* message) {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (message == nullptr || message->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& event = message->msg.x11.event;
  // A window manager that takes the keyboard for a shortcut moves the focus "because of a grab";
  // the host passes that by (the window keeps its focus), and lets go of the keys after.
  return (event.type == FocusOut || event.type == FocusIn) &&
         (event.xfocus.mode == NotifyGrab || event.xfocus.mode == NotifyUngrab);
#else
  (void)message;
  return false;
#endif
}

}  // namespace kelmora::platform
