#include "game/controls.h"

#include <cmath>

#include "core/compass.h"
#include "effects/stars.h"

namespace kelmora {

namespace {

bool Held(std::uint8_t key) {
  return (inputState.keyHeld[key] & 0x80) != 0;
}

bool Released(std::uint8_t key) {
  return inputState.keyReleased[key] != 0;
}

}  // namespace

void ControlsStep() {
  Ship* player = PlayerOrNull();

  // Arrows are looked at only every other frame, so a held arrow turns one step per two frames.
  controls.turnPhase = controls.turnPhase == 0 ? 1 : 0;
  if (controls.turnPhase == 1) {
    if (Held(platform::DIK_LEFT)) controls.playerHeading -= 1.0f;
    if (Held(platform::DIK_RIGHT)) controls.playerHeading += 1.0f;
  }

  // Thrust changes when the key is let go.
  if (Released(platform::DIK_UP)) controls.playerThrust += 1;
  if (Released(platform::DIK_DOWN)) controls.playerThrust -= 1;
  if (controls.playerThrust < 0) controls.playerThrust = 0;
  if (controls.playerThrust > 3) controls.playerThrust = 3;

  // Held Space fires every other frame; letting go stops at once.
  if (Held(platform::DIK_SPACE)) controls.fireToggle = controls.fireToggle == 0 ? 1 : 0;
  if (Released(platform::DIK_SPACE)) controls.fireToggle = 0;

  if (player != nullptr) {
    if (Released(platform::DIK_LMENU) && player->missiles > 0) {
      player->launchMissile = 1;
      player->missiles -= 1;
    } else {
      player->launchMissile = 0;
    }
    player->firing = controls.fireToggle;
  }

  if (controls.playerHeading < 0.0f) controls.playerHeading = 15.0f;
  if (controls.playerHeading > 15.0f) controls.playerHeading = 0.0f;
}

void MotionStep() {
  if (Ship* player = PlayerOrNull()) {
    player->heading = TruncToFloat(controls.playerHeading);
    player->speed = static_cast<std::uint8_t>(controls.playerThrust);
  }

  // Standing still, the stars get heading -1 and no thrust to move them by.
  SetStarHeading(controls.playerHeading);
  SetStarThrust(controls.playerThrust);
  SetStarHeading(controls.playerThrust > 0 ? controls.playerHeading : -1.0f);

  StepCamera(&controls.cameraX, &controls.cameraY);

  // The player's ship flies with the camera.
  if (Ship* player = PlayerOrNull()) {
    player->x = controls.cameraX;
    player->y = controls.cameraY;
  }
}

void StepCamera(std::int16_t* cameraX, std::int16_t* cameraY) {
  const CompassDirection along = Compass(controls.playerHeading);
  const double d = 3.0 * controls.playerThrust;
  // The sum is truncated, not the step, so the step depends on which side of 0 the camera is.
  *cameraX = Wrap16(TruncToInt(*cameraX + d * along.sine));
  *cameraY = Wrap16(TruncToInt(*cameraY - d * along.cosine));
}

}  // namespace kelmora
