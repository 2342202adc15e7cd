// The player's controls, the camera, ship labels and the shield bar.
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
void DrawShipLabel(const Ship& ship);
void DrawShieldBar(std::uint8_t* surface, std::int32_t pitch);

}  // namespace kelmora
