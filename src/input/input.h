// The keyboard and mouse devices and the latches the game reads.
#pragma once

#include "platform/types.h"

namespace kelmora {

// Start-up step: DirectInput, keyboard, mouse. On any failure the step's own message box, then
// "Direct Input Initialisation FAILED"; returns the failing code (non-zero).
platform::HRESULT CreateInputDevices();
// Reads the keyboard and updates keyReleased and keyLatch. False when the read failed: the game
// has then been ended with its message box and no frame may follow.
bool PollKeyboard();
// Reads the mouse and updates buttonReleased and buttonLatch. False when the read failed.
bool PollMouse();

}  // namespace kelmora
