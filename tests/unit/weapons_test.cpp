#include "game/weapons.h"

#include <gtest/gtest.h>

#include <cmath>

#include "arena.h"
#include "state/state.h"

namespace kelmora {
namespace {

class WeaponsTest : public ::testing::Test {
 protected:
  testing::Arena arena;

  Shot& ShotAt(std::int32_t k) { return weapons.shotRing[static_cast<std::size_t>(k)]; }
  Missile& MissileAt(std::int32_t k) { return weapons.missileRing[static_cast<std::size_t>(k)]; }
  void StepShots(int times = 1) {
    for (int i = 0; i < times; ++i) UpdateShots(arena.Surface(), testing::kArenaPitch);
  }
};

// ---------------------------------------------------------------------------------------------
// Shots.

TEST_F(WeaponsTest, ShotTakesTheShipsPlaceHeadingAndThreeTimesItsSpeed) {
  Ship& player = arena.AddPlayer(-200, 300);
  player.heading = 6.0f;
  player.speed = 3;
  weapons.shotAge[0] = 9;
  SpawnShot(0);
  const Shot& shot = ShotAt(0);
  EXPECT_EQ(shot.x, -200);
  EXPECT_EQ(shot.y, 300);
  EXPECT_EQ(shot.heading, 6.0f);
  EXPECT_EQ(shot.speed, 9);
  EXPECT_EQ(shot.owner, 0);
  EXPECT_EQ(shot.active, 1);
  EXPECT_EQ(weapons.shotAge[0], 0);
  EXPECT_EQ(weapons.shotNext, 1);
}

TEST_F(WeaponsTest, HundredAndFirstShotReplacesTheFirst) {
  Ship& player = arena.AddPlayer(0, 0);
  for (int i = 0; i < 100; ++i) SpawnShot(0);
  EXPECT_EQ(weapons.shotNext, 0);
  for (int k = 0; k < kShotSlots; ++k) EXPECT_EQ(ShotAt(k).active, 1);
  player.x = 77;
  SpawnShot(0);
  EXPECT_EQ(ShotAt(0).x, 77);
  EXPECT_EQ(ShotAt(1).x, 0);
  EXPECT_EQ(weapons.shotNext, 1);
}

TEST_F(WeaponsTest, ShotIsACrossColouredByItsShooter) {
  arena.AddPlayer(0, 0);
  arena.AddDrone(40, 0);
  SpawnShot(0);
  SpawnShot(1);
  StepShots();
  EXPECT_EQ(arena.Pixel(320, 240), 15);
  EXPECT_EQ(arena.Pixel(320, 239), 9);
  EXPECT_EQ(arena.Pixel(320, 241), 9);
  EXPECT_EQ(arena.Pixel(319, 240), 9);
  EXPECT_EQ(arena.Pixel(321, 240), 9);
  EXPECT_EQ(arena.Pixel(360, 240), 15);
  EXPECT_EQ(arena.Pixel(360, 239), 12);
  EXPECT_EQ(arena.Pixel(361, 240), 12);
  // Drawn where it was, then moved: ten units up with the ship at rest.
  EXPECT_EQ(ShotAt(0).x, 0);
  EXPECT_EQ(ShotAt(0).y, -10);
}

TEST_F(WeaponsTest, ShotStepsTruncateTowardZero) {
  // The heading's sine falls just short of 1, so 100 reaches 109 but -100 reaches -90.
  Ship& player = arena.AddPlayer(100, 0);
  player.heading = 4.0f;
  SpawnShot(0);
  player.x = -100;
  SpawnShot(0);
  StepShots();
  EXPECT_EQ(ShotAt(0).x, 109);
  EXPECT_EQ(ShotAt(1).x, -90);
  EXPECT_EQ(ShotAt(0).y, 0);
}

TEST_F(WeaponsTest, ShotWrapsAroundTheWorld) {
  Ship& player = arena.AddPlayer(32760, 0);
  player.heading = 4.0f;
  player.speed = 3;
  SpawnShot(0);
  StepShots();
  EXPECT_EQ(ShotAt(0).x, -32757);  // 32760 + 19 = 32779, past the edge
}

TEST_F(WeaponsTest, ShotFliesFifteenUpdatesAndEndsOnTheSixteenth) {
  arena.AddPlayer(0, 0);
  SpawnShot(0);
  StepShots(15);
  EXPECT_EQ(ShotAt(0).active, 1);
  EXPECT_EQ(weapons.shotAge[0], 15);
  EXPECT_EQ(ShotAt(0).y, -150);
  arena.ClearPixels();
  StepShots();
  EXPECT_EQ(ShotAt(0).active, 0);
  EXPECT_EQ(weapons.shotAge[0], 0);
  EXPECT_EQ(ShotAt(0).y, -150);
  EXPECT_EQ(arena.Pixel(320, 90), 0);
}

TEST_F(WeaponsTest, PausedShotStaysDrawnWithoutMovingOrAgeing) {
  arena.AddPlayer(0, 0);
  SpawnShot(0);
  StepShots(3);
  controls.paused = 1;
  StepShots(40);
  EXPECT_EQ(ShotAt(0).active, 1);
  EXPECT_EQ(weapons.shotAge[0], 3);
  EXPECT_EQ(ShotAt(0).y, -30);
  EXPECT_EQ(arena.Pixel(320, 210), 15);
  controls.paused = 0;
  StepShots(12);
  EXPECT_EQ(ShotAt(0).active, 1);
  StepShots();
  EXPECT_EQ(ShotAt(0).active, 0);
}

// ---------------------------------------------------------------------------------------------
// Missiles.

TEST_F(WeaponsTest, MissileSpawnKeepsTheSlotsTargetAndCell) {
  Ship& player = arena.AddPlayer(12, -34);
  player.heading = 7.0f;
  world.generation = 5;
  MissileAt(0).target = 4;
  MissileAt(0).spriteRect = Rect{1, 2, 3, 4};
  MissileAt(0).velocity = 9.0f;
  weapons.missileAge[0] = 60;
  SpawnMissile(0);
  const Missile& missile = MissileAt(0);
  EXPECT_EQ(missile.x, 12.0f);
  EXPECT_EQ(missile.y, -34.0f);
  EXPECT_EQ(missile.heading, 7.0f);
  EXPECT_EQ(missile.speed, 3);
  EXPECT_EQ(missile.velocity, 0.0f);
  EXPECT_EQ(missile.active, 1);
  EXPECT_EQ(missile.ownerIndex, 0);
  EXPECT_EQ(missile.ownerGeneration, 5u);
  EXPECT_EQ(missile.target, 4);
  EXPECT_EQ(missile.spriteRect.left, 1);
  EXPECT_EQ(missile.spriteRect.bottom, 4);
  EXPECT_EQ(weapons.missileAge[0], 0);
  EXPECT_EQ(effectState.missileTrails[0]->active, 1);
  EXPECT_EQ(effectState.missileTrails[1]->active, 0);
  EXPECT_EQ(weapons.missileNext, 1);
  // The stock is the controls' business.
  EXPECT_EQ(player.missiles, 10);

  for (int i = 0; i < 19; ++i) SpawnMissile(0);
  EXPECT_EQ(weapons.missileNext, 0);
  player.x = 99;
  SpawnMissile(0);
  EXPECT_EQ(MissileAt(0).x, 99.0f);
  EXPECT_EQ(weapons.missileNext, 1);
}

TEST_F(WeaponsTest, MissileAcceleratesThenHomesFromTheFortyNinthUpdate) {
  arena.AddPlayer(0, 0);
  arena.AddDrone(0, -5000);  // straight above: a homing missile turns to heading 1
  SpawnMissile(0);
  Missile& missile = MissileAt(0);
  float lastY = missile.y;
  for (int n = 1; n <= 48; ++n) {
    UpdateMissiles();
    EXPECT_EQ(lastY - missile.y, static_cast<float>(n / 4)) << "update " << n;
    EXPECT_EQ(missile.heading, 0.0f) << "update " << n;
    lastY = missile.y;
  }
  EXPECT_EQ(missile.y, -276.0f);
  EXPECT_EQ(missile.velocity, 12.0f);
  EXPECT_EQ(missile.target, 0);  // untouched so far
  UpdateMissiles();
  EXPECT_EQ(missile.velocity, 12.0f);
  EXPECT_EQ(missile.target, 1);
  EXPECT_EQ(missile.heading, 1.0f);
  EXPECT_EQ(missile.spriteRect.left, 14);
  EXPECT_EQ(effectState.missileTrails[0]->heading, 1.0f);
}

TEST_F(WeaponsTest, MissileCellFollowsItsHeading) {
  Ship& player = arena.AddPlayer(0, 0);
  player.heading = 7.0f;
  SpawnMissile(0);
  UpdateMissiles();
  const Rect& cell = MissileAt(0).spriteRect;
  EXPECT_EQ(cell.left, 98);
  EXPECT_EQ(cell.top, 185);
  EXPECT_EQ(cell.right, 110);
  EXPECT_EQ(cell.bottom, 197);
  EXPECT_EQ(effectState.missileTrails[0]->heading, 7.0f);
}

TEST_F(WeaponsTest, PausedMissileIsDrawnButStandsStill) {
  arena.AddPlayer(0, 0);
  SpawnMissile(0);
  for (int i = 0; i < 10; ++i) UpdateMissiles();
  const Missile before = MissileAt(0);
  controls.paused = 1;
  frameRecord.blitCount = 0;
  for (int i = 0; i < 100; ++i) UpdateMissiles();
  EXPECT_EQ(frameRecord.blitCount, 100u);
  EXPECT_EQ(MissileAt(0).active, 1);
  EXPECT_EQ(MissileAt(0).y, before.y);
  EXPECT_EQ(MissileAt(0).velocity, before.velocity);
  EXPECT_EQ(weapons.missileAge[0], 10);
}

TEST_F(WeaponsTest, MissileBurstsAfterSeventySixUpdatesWhereverItIs) {
  arena.AddPlayer(0, 0);
  controls.cameraX = 20000;  // far from the view makes no difference
  const bool explosions = testing::ExplosionsAreMade();
  SpawnMissile(0);
  for (int i = 0; i < 75; ++i) UpdateMissiles();
  EXPECT_EQ(MissileAt(0).active, 1);
  EXPECT_EQ(testing::ExplosionCount(), 0);
  UpdateMissiles();
  EXPECT_EQ(MissileAt(0).active, 0);
  EXPECT_EQ(MissileAt(0).speed, 0);
  // 276 units while accelerating, then 28 updates at 12.
  EXPECT_EQ(MissileAt(0).y, -612.0f);
  if (!explosions) GTEST_SKIP() << "no explosions are made yet";
  ASSERT_EQ(testing::ExplosionCount(), 1);
  EXPECT_EQ(effectState.explosionRing[0]->x[0], 0.0f);
  EXPECT_EQ(effectState.explosionRing[0]->y[0], -612.0f);
}

// ---------------------------------------------------------------------------------------------
// Homing.

struct Bearing {
  std::int16_t dx;
  std::int16_t dy;
  float heading;
};

TEST_F(WeaponsTest, RetargetHeadingsUseTheFactorSeventeen) {
  // Straight above is 1, not 0; level with the missile points the wrong way.
  const Bearing bearings[] = {
      {0, -100, 1},    {0, 100, 8},      {100, -100, 3}, {100, 100, 6},
      {-100, 100, 10}, {-100, -100, 14}, {100, 0, 12},   {-100, 0, 4},
  };
  for (const Bearing& b : bearings) {
    testing::Arena fresh;
    fresh.AddPlayer(-20000, -20000);
    fresh.AddDrone(static_cast<std::int16_t>(1000 + b.dx), static_cast<std::int16_t>(1000 + b.dy));
    Missile missile;
    missile.x = 1000.0f;
    missile.y = 1000.0f;
    missile.speed = 0;
    missile.heading = 9.0f;
    Retarget(missile);
    EXPECT_EQ(missile.heading, b.heading) << b.dx << "," << b.dy;
    EXPECT_EQ(missile.target, 1);
    EXPECT_EQ(missile.speed, 3);
  }
}

TEST_F(WeaponsTest, RetargetPicksTheNearestShipOtherThanTheLauncher) {
  arena.AddPlayer(0, 0);    // the launcher, nearest of all
  arena.AddDrone(500, 0);   // slot 1
  arena.AddDrone(0, 300);   // slot 2
  arena.AddDrone(-300, 0);  // slot 3: as near as slot 2, later
  Missile missile;
  missile.x = -1.0f;
  missile.ownerIndex = 0;
  Retarget(missile);
  EXPECT_EQ(missile.target, 3);

  // Equal distances keep the earlier slot.
  missile.x = 0.0f;
  Retarget(missile);
  EXPECT_EQ(missile.target, 2);
}

TEST_F(WeaponsTest, RetargetTakesTheFirstDroneSlotEvenWhenItIsTheLauncher) {
  arena.AddPlayer(900, 0);
  arena.AddDrone(10, 0);  // slot 1 launched the missile and is nearest
  arena.AddDrone(400, 0);
  Missile missile;
  missile.ownerIndex = 1;
  Retarget(missile);
  EXPECT_EQ(missile.target, 1);
  EXPECT_EQ(missile.heading, 12.0f);
}

TEST_F(WeaponsTest, RetargetOnTopOfItsTargetPointsUp) {
  arena.AddPlayer(-5000, 0);
  arena.AddDrone(250, -40);
  Missile missile;
  missile.x = 250.0f;
  missile.y = -40.0f;
  missile.heading = 11.0f;
  Retarget(missile);
  EXPECT_EQ(missile.target, 1);
  EXPECT_EQ(missile.heading, 0.0f);
}

TEST_F(WeaponsTest, MissileOwnerBelongsToTheGameItWasLaunchedIn) {
  arena.AddPlayer(0, 0);
  arena.AddDrone(0, 0);
  SpawnMissile(0);
  EXPECT_EQ(MissileOwner(MissileAt(0)), &arena.Slot(0));
  world.generation += 1;  // a new game released the ships
  EXPECT_EQ(MissileOwner(MissileAt(0)), nullptr);

  Missile beyond = MissileAt(0);
  beyond.ownerGeneration = world.generation;
  beyond.ownerIndex = 2;
  EXPECT_EQ(MissileOwner(beyond), nullptr);
}

}  // namespace
}  // namespace kelmora
