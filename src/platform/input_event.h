// One input to the game: what a host turns its events into, what a script line or a recorded
// demo says, and what a session gives to the game between two ticks.
#pragma once

#include <cstdint>

#include "platform/faults.h"

namespace kelmora::platform {

enum class InputOp {
  kKey,       // the keyboard device reports key `code` down (value 1) or up (value 0)
  kVk,        // post WM_KEYDOWN with virtual-key `code`
  kMouse,     // relative mouse motion (dx, dy)
  kButton,    // mouse button `code` down (value 1) or up (value 0)
  kActivate,  // post WM_ACTIVATEAPP with wParam `value`
  kClose,     // post WM_CLOSE
  kFail,      // arm `fault` `value` times (scripts only: no host gives this)
};

struct InputEvent {
  InputOp op = InputOp::kKey;
  std::int32_t code = 0;   // scan code, virtual-key code or button
  std::int32_t value = 0;  // down/up, activation flag or fault count
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  Fault fault = Fault::kCount;
  std::int64_t tick = 0;  // the tick it is given in (a host's events get it from the session)

  friend bool operator==(const InputEvent&, const InputEvent&) = default;
};

}  // namespace kelmora::platform
