// The player's controls, the camera and where the world shows on the screen.
#pragma once

#include <cstdint>

#include "state/state.h"

namespace kelmora {

// Turning, thrust, fire toggle and missile launch from the keyboard; runs every frame.
void ControlsStep();
// Copies heading and thrust into the player's ship, passes them to the stars, moves the camera
// and puts the player's ship at the camera; runs every unpaused frame.
void MotionStep();
void StepCamera(std::int16_t* cameraX, std::int16_t* cameraY);

// Where a world point shows on the screen: the camera is the middle of the 640 x 480 screen, and
// `shift` moves the answer to the corner or edge a caller wants (all of it one 32-bit sum).
inline std::int32_t ScreenX(std::int32_t worldX, std::int32_t shift) {
  return worldX - controls.cameraX + (320 + shift);
}
inline std::int32_t ScreenY(std::int32_t worldY, std::int32_t shift) {
  return worldY - controls.cameraY + (240 + shift);
}

}  // namespace kelmora
