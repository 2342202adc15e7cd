#include "app/frame.h"

#include "core/hash.h"
#include "display/sprites.h"
#include "display/surfaces.h"
#include "effects/explosions.h"
#include "effects/stars.h"
#include "effects/trails.h"
#include "game/collisions.h"
#include "game/controls.h"
#include "game/hud.h"
#include "game/pickups.h"
#include "game/weapons.h"
#include "menu/menu.h"
#include "state/state.h"

namespace kelmora {

namespace {

constexpr Rect kScreenRect{0, 0, 640, 480};

// Every alive ship in slot order: its label, its shot and missile, its Update (unless paused),
// its trail heading and its sprite. The sprite is placed and chosen before Update runs, so a move
// or a turn shows one frame later.
void ShipPass() {
  const std::int32_t slots = ShipSlots();
  for (std::int32_t i = 0; i < slots; ++i) {
    Ship& ship = ShipRecord(i);
    if (ship.alive == 0) continue;
    DrawShipLabel(ship);
    if (ship.firing != 0) SpawnShot(i);
    if (ship.launchMissile != 0) SpawnMissile(i);
    const Rect source = ship.spriteRect;
    const std::int32_t left = ScreenX(ship.x, -15);
    const std::int32_t top = ScreenY(ship.y, -15);
    const Rect destination{left, top, left + 30, top + 30};
    if (controls.paused == 0) ship.Update();
    effectState.exhaustTrails[static_cast<std::size_t>(i)]->heading = TruncToFloat(ship.heading);
    BlitSprite(source, destination, displayObjects.sheetSurface.get(), kSpriteBlitFlags);
  }
}

// Everything pixel-sized is drawn into the locked pixel layer and reaches the screen under the
// next frame's sprites. When the lock fails, none of it runs in this frame.
void PixelPhase() {
  platform::LockedSurface locked;
  if (platform::Failed(displayObjects.pixelLayer->Lock(nullptr, &locked, platform::DDLOCK_WAIT)))
    return;
  StepStars(locked.bits, locked.pitch);
  UpdateShots(locked.bits, locked.pitch);
  UpdateExplosions(locked.bits, locked.pitch);
  UpdateExhaustTrails(locked.bits, locked.pitch);
  UpdateMissileTrails(locked.bits, locked.pitch);
  DrawShieldBar(locked.bits, locked.pitch);
  displayObjects.pixelLayer->Unlock(nullptr);
}

}  // namespace

void GameFrame() {
  ++frameRecord.frames;
  frameRecord.blitCount = 0;
  frameRecord.blitWords.clear();

  FillSurface(displayObjects.backBuffer, 0);
  BlitSprite(kScreenRect, kScreenRect, displayObjects.pixelLayer.get(), kCopyBlitFlags);
  FillSurface(displayObjects.pixelLayer.get(), 0);

  if (inputState.keyReleased[platform::DIK_P] != 0) controls.paused = controls.paused == 0 ? 1 : 0;
  ControlsStep();
  if (controls.paused == 0) MotionStep();

  ShipPass();
  UpdateMissiles();
  DrawPickups();
  PixelPhase();
  DrawScore();
  DrawMissileIcons();
  if (controls.paused == 0) ResolveCollisions();
  CollectPickups();
  MenuFrame();
  // A failed mouse read in the menus has ended the game and released the display: nothing more
  // may be shown.
  if (!displayObjects.frontBuffer) return;
  PresentFrame();
}

}  // namespace kelmora
