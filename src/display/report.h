// The two error reporters: a failed start-up step or a failed device read ends the game with a
// message box.
#pragma once

#include "platform/types.h"

namespace kelmora {

inline constexpr const char* kWindowCaption = "A Game";
inline constexpr const char* kErrorCaption = "An Error has Occurred";

// Formats the message (at most 127 characters), releases the display, shows the box with the
// caption "A Game", destroys the window. Returns `code`.
platform::HRESULT ReportFatal(platform::WindowHandle window, platform::HRESULT code,
                              const char* format, ...);
// The same with the caption "An Error has Occurred", and the display still held while the box
// shows.
platform::HRESULT ReportInputError(platform::WindowHandle window, platform::HRESULT code,
                                   const char* format, ...);

}  // namespace kelmora
