// The desktop's own shortcuts, as the host's window system tells of them.
#pragma once

struct SDL_SysWMmsg;

namespace kelmora::platform {

// Asks the host for its window system's own events (they arrive as SDL_SYSWMEVENT).
void WatchDesktopGrabs();
// True for an event that says the desktop has taken the keyboard for a moment (a window
// manager's shortcut such as Alt+Tab), without the window losing the focus for good.
bool IsDesktopGrab(const SDL_SysWMmsg* message);

}  // namespace kelmora::platform
