#include "platform/sdl/x11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <unistd.h>

#include <cstring>
#include <utility>
#include <vector>

#ifdef KELMORA_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace kelmora::platform {

#ifdef KELMORA_HAVE_X11

namespace {

// The window property `name` of `window` as a list of 32-bit values (atoms or windows).
std::vector<unsigned long> ListProperty(::Display* display, ::Window window, const char* name,
                                        Atom type) {
  std::vector<unsigned long> values;
  const Atom property = XInternAtom(display, name, False);
  Atom actualType = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, 4096, False, type, &actualType, &format,
                         &count, &after, &data) == Success &&
      data != nullptr) {
    if (actualType == type && format == 32) {
      // Xlib hands 32-bit items out as longs.
      const auto* items = reinterpret_cast<const unsigned long*>(data);
      values.assign(items, items + count);
    }
    XFree(data);
  }
  return values;
}

// An X error while looking (the window manager's check window may be gone) only means "no".
int IgnoreError(::Display*, XErrorEvent*) {
  return 0;
}

// A window manager that follows the desktop conventions names a check window on the root window,
// and the check window names itself; full screen is among the states it lists as supported.
bool WindowManagerDoesFullscreen(::Display* display, int screen) {
  const ::Window root = RootWindow(display, screen);
  XSync(display, False);
  auto* previous = XSetErrorHandler(IgnoreError);
  bool does = false;
  const auto check = ListProperty(display, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  if (check.size() == 1) {
    const auto self = ListProperty(display, static_cast<::Window>(check[0]),
                                   "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (self.size() == 1 && self[0] == check[0]) {
      const Atom fullscreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
      for (unsigned long atom : ListProperty(display, root, "_NET_SUPPORTED", XA_ATOM)) {
        if (atom == fullscreen) does = true;
      }
    }
  }
  XSync(display, False);
  XSetErrorHandler(previous);
  return does;
}

pid_t owner = 0;
std::function<void()>* whenLost = nullptr;

// Xlib calls this when the connection is broken and ends the process if it returns. It runs on
// the thread that was talking to the server (the game's), in the middle of whatever it was
// doing: only the files are finished here, nothing else of the game's is touched, and the
// static destructors never run.
int ConnectionLost(::Display*) {
  // A process forked from the game (a message box shown by SDL) ends quietly: the files are
  // the game's.
  if (getpid() != owner) _exit(1);
  static bool ending = false;
  if (!ending) {
    ending = true;
    if (whenLost != nullptr && *whenLost) (*whenLost)();
    const std::size_t length = std::strlen(kDisplayLostText);
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, kDisplayLostText, length);
  }
  _exit(1);
}

}  // namespace

bool DesktopDoesFullscreen(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info)) return true;
  if (info.subsystem != SDL_SYSWM_X11) return true;
  const int screen = DefaultScreen(info.info.x11.display);
  return WindowManagerDoesFullscreen(info.info.x11.display, screen);
}

void EndWhenDisplayLost(std::function<void()> flush) {
  // Kept for the whole run, never destroyed: the connection may break at any moment.
  if (whenLost == nullptr) whenLost = new std::function<void()>();
  *whenLost = std::move(flush);
  owner = getpid();
  XSetIOErrorHandler(ConnectionLost);
}

#else

bool DesktopDoesFullscreen(SDL_Window*) {
  return true;
}

void EndWhenDisplayLost(std::function<void()>) {}

#endif

}  // namespace kelmora::platform
