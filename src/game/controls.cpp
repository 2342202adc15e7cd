#include "game/controls.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "core/compass.h"
#include "display/pixels.h"
#include "display/sprites.h"
#include "effects/stars.h"

namespace kelmora {

namespace {

bool Held(std::uint8_t key) {
  return (input.keyHeld[key] & 0x80) != 0;
}

bool Released(std::uint8_t key) {
  return input.keyReleased[key] != 0;
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

namespace {

// Text put together as snprintf would into a buffer of N characters: what does not fit is cut
// off, and the full length is still counted.
template <std::size_t N>
struct CutText {
  char text[N];
  std::size_t length = 0;
  void Append(std::string_view part) {
    for (const char c : part) {
      if (length + 1 < N) text[length] = c;
      ++length;
    }
  }
  void Append(int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  std::int32_t Shown() const { return static_cast<std::int32_t>(std::min(length, N - 1)); }
};

}  // namespace

void DrawShipLabel(const Ship& ship) {
  // "score:name:shield"
  CutText<64> label;
  label.Append(static_cast<int>(ship.score));
  label.Append(":");
  label.Append(ship.name != nullptr ? std::string_view(ship.name) : std::string_view());
  label.Append(":");
  label.Append(static_cast<int>(ship.shield));
  const std::int32_t n = label.Shown();
  const std::int32_t half = (7 * n) / 2;

  // Pinned to the screen edge toward a ship out of view.
  std::int32_t cx = ship.x - controls.cameraX + 320;
  if (cx < half) cx = half;
  if (cx > 640 - half) cx = 640 - half;
  std::int32_t cy = ship.y - controls.cameraY + 220;
  if (cy < 4) cy = 4;
  if (cy > 476) cy = 476;
  DrawText(cx, cy, label.text, n);
}

void DrawShieldBar(std::uint8_t* surface, std::int32_t pitch) {
  const Ship* player = PlayerOrNull();
  if (player == nullptr) return;
  const std::int32_t s = player->shield;
  // Red at the short end to green at the long end; the tone is kept in single precision.
  float tone = 224.0f;
  for (std::int32_t i = 0; i < 2 * s; ++i) {
    DrawLine(surface, pitch, i, 0, i, 25, TruncToInt(tone));
    tone = static_cast<float>(tone + 0.155);
  }
}

}  // namespace kelmora
