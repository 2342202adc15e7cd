#include "platform/pad_mapping.h"

#include <algorithm>

#include "platform/types.h"

namespace kelmora::platform {

std::int32_t StickMotion(std::int16_t axis) {
  const std::int32_t value = std::clamp<std::int32_t>(axis, -32767, 32767);
  const std::int32_t magnitude = value < 0 ? -value : value;
  if (magnitude <= kStickDeadZone) return 0;
  // From 1 just past the dead zone up to full speed at full deflection.
  const std::int32_t speed =
      1 + (magnitude - kStickDeadZone) * (kStickCursorSpeed - 1) / (32767 - kStickDeadZone);
  return value < 0 ? -speed : speed;
}

void MapPad(const PadState& pad, bool menuUp, PadInput* out) {
  out->keys[DIK_UP] |= pad.up;
  out->keys[DIK_DOWN] |= pad.down;
  out->keys[DIK_LEFT] |= pad.left;
  out->keys[DIK_RIGHT] |= pad.right;
  out->keys[DIK_P] |= pad.start;
  out->keys[DIK_F1] |= pad.back;
  if (menuUp) {
    out->buttons[0] |= pad.a;
    out->buttons[1] |= pad.b;
    out->dx += StickMotion(pad.leftX) + StickMotion(pad.rightX);
    out->dy += StickMotion(pad.leftY) + StickMotion(pad.rightY);
    return;
  }
  out->keys[DIK_SPACE] |= pad.a;
  out->keys[DIK_LMENU] |= pad.b;
  out->keys[DIK_LEFT] |= pad.leftX <= -kStickKeyThreshold;
  out->keys[DIK_RIGHT] |= pad.leftX >= kStickKeyThreshold;
  out->keys[DIK_UP] |= pad.leftY <= -kStickKeyThreshold;
  out->keys[DIK_DOWN] |= pad.leftY >= kStickKeyThreshold;
}

}  // namespace kelmora::platform
