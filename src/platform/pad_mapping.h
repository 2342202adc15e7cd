// Game controllers as the keyboard and mouse, the same in every backend: the d-pad and the left
// stick are the arrow keys, A fires (Space), B launches a missile (Left Alt), Start pauses (P) and
// Back starts a new game (F1). While the menu is up either stick moves the cursor and A and B are
// the left and right mouse buttons.
#pragma once

#include <cstdint>

namespace kelmora::platform {

// What one controller reports.
struct PadState {
  bool up = false;
  bool down = false;
  bool left = false;
  bool right = false;
  bool a = false;
  bool b = false;
  bool start = false;
  bool back = false;
  std::int16_t leftX = 0;
  std::int16_t leftY = 0;
  std::int16_t rightX = 0;
  std::int16_t rightY = 0;
};

// What the controllers add to the keyboard and mouse in one tick.
struct PadInput {
  bool keys[256] = {};   // scan codes held
  bool buttons[2] = {};  // left and right mouse buttons held
  std::int32_t dx = 0;   // cursor motion
  std::int32_t dy = 0;
};

// A stick counts as an arrow key past this deflection (of 32767).
inline constexpr std::int32_t kStickKeyThreshold = 16000;
// Below this deflection a stick does not move the cursor.
inline constexpr std::int32_t kStickDeadZone = 8000;
// Cursor speed at full deflection, in pixels per frame.
inline constexpr std::int32_t kStickCursorSpeed = 10;

// Cursor motion of one stick axis in one frame.
std::int32_t StickMotion(std::int16_t axis);
// Adds one controller's keys, buttons and motion to `out`.
void MapPad(const PadState& pad, bool menuUp, PadInput* out);

}  // namespace kelmora::platform
