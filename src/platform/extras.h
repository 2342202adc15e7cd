// What the player asks of the program itself through keys the game never sees, gathered by the
// backend between two ticks.
#pragma once

namespace kelmora::platform {

struct HostRequests {
  int soundToggles = 0;  // presses of the sound key
  int screenshots = 0;   // presses of the screenshot key
  bool fullscreenChanged = false;
  bool fullscreen = false;  // the window's mode now
};

}  // namespace kelmora::platform
