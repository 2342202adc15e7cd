#include "game/collisions.h"

#include <gtest/gtest.h>

#include <new>

#include "arena.h"
#include "platform/faults.h"
#include "state/state.h"

namespace kelmora {
namespace {

class CollisionsTest : public ::testing::Test {
 protected:
  testing::Arena arena;

  Shot& PlaceShot(std::int32_t k, std::int16_t x, std::int16_t y, std::uint8_t owner) {
    Shot& shot = weapons.shotRing[static_cast<std::size_t>(k)];
    shot.x = x;
    shot.y = y;
    shot.owner = owner;
    shot.active = 1;
    weapons.shotAge[static_cast<std::size_t>(k)] = 4;
    return shot;
  }
  Missile& PlaceMissile(std::int32_t k, float x, float y, std::int32_t ownerIndex) {
    Missile& missile = weapons.missileRing[static_cast<std::size_t>(k)];
    missile.x = x;
    missile.y = y;
    missile.speed = 3;
    missile.active = 1;
    missile.ownerIndex = ownerIndex;
    missile.ownerGeneration = world.generation;
    return missile;
  }
};

TEST_F(CollisionsTest, ShotBoxIsStrictOnEverySide) {
  struct Case {
    std::int16_t dx;
    std::int16_t dy;
    bool hit;
  };
  const Case cases[] = {{14, 14, true},  {-14, -14, true}, {15, 0, false},
                        {-15, 0, false}, {0, 15, false},   {0, -15, false}};
  for (const Case& c : cases) {
    testing::Arena fresh;
    fresh.AddPlayer(5000, 5000);
    Ship& drone = fresh.AddDrone(100, -100);
    Shot& shot = PlaceShot(7, static_cast<std::int16_t>(100 + c.dx),
                           static_cast<std::int16_t>(-100 + c.dy), 0);
    ResolveCollisions();
    EXPECT_EQ(drone.shield, c.hit ? 9 : 10) << c.dx << "," << c.dy;
    EXPECT_EQ(shot.active, c.hit ? 0 : 1) << c.dx << "," << c.dy;
    EXPECT_EQ(weapons.shotAge[7], c.hit ? 0 : 4) << c.dx << "," << c.dy;
  }
}

TEST_F(CollisionsTest, MissileBoxIsInclusiveOnTruncatedPositions) {
  struct Case {
    float dx;
    float dy;
    bool hit;
  };
  const Case cases[] = {{15.0f, 15.0f, true}, {-15.0f, -15.0f, true}, {15.9f, 0.0f, true},
                        {0.0f, -15.9f, true}, {16.0f, 0.0f, false},   {-16.0f, 0.0f, false},
                        {0.0f, 16.0f, false}};
  for (const Case& c : cases) {
    testing::Arena fresh;
    fresh.AddPlayer(5000, 5000);
    Ship& drone = fresh.AddDrone(0, 0);
    drone.shield = 50;
    Missile& missile = PlaceMissile(3, c.dx, c.dy, 0);
    ResolveCollisions();
    EXPECT_EQ(drone.shield, c.hit ? 39 : 50) << c.dx << "," << c.dy;
    EXPECT_EQ(missile.active, c.hit ? 0 : 1) << c.dx << "," << c.dy;
    EXPECT_EQ(missile.speed, c.hit ? 0 : 3) << c.dx << "," << c.dy;
  }
}

TEST_F(CollisionsTest, ShipsAreSparedTheirOwnFireAndDeadShipsAreNotHit) {
  Ship& player = arena.AddPlayer(0, 0);
  Ship& drone = arena.AddDrone(1000, 0);
  PlaceShot(0, 0, 0, 0);
  PlaceMissile(0, 0.0f, 0.0f, 0);
  PlaceShot(1, 1000, 0, 1);
  ResolveCollisions();
  EXPECT_EQ(player.shield, 100);
  EXPECT_EQ(drone.shield, 10);
  EXPECT_EQ(weapons.shotRing[0].active, 1);
  EXPECT_EQ(weapons.shotRing[1].active, 1);
  EXPECT_EQ(weapons.missileRing[0].active, 1);

  player.alive = 0;
  PlaceShot(2, 0, 0, 1);
  ResolveCollisions();
  EXPECT_EQ(player.shield, 100);
  EXPECT_EQ(weapons.shotRing[2].active, 1);
}

TEST_F(CollisionsTest, ShotsTakeTheShootersPowerAndOnlyKillsScore) {
  arena.AddPlayer(5000, 5000);
  Ship& victim = arena.AddDrone(0, 0);
  Ship& shooter = arena.AddDrone(800, 800);
  victim.score = 300;
  shooter.power = 8;
  PlaceShot(0, 3, 3, 2);
  ResolveCollisions();
  EXPECT_EQ(victim.shield, 2);
  EXPECT_EQ(victim.alive, 1);
  EXPECT_EQ(shooter.score, 0);

  PlaceShot(0, 3, 3, 2);
  ResolveCollisions();  // 2 - 8 < 1: destroyed, and a drone earns no bounty
  EXPECT_EQ(shooter.score, 100);
  EXPECT_EQ(arena.Slot(1).score, 0);
  EXPECT_EQ(arena.Slot(1).shield, 10);
}

TEST_F(CollisionsTest, MissilesTakeElevenShield) {
  arena.AddPlayer(5000, 5000);
  Ship& drone = arena.AddDrone(0, 0);
  drone.shield = 12;
  PlaceMissile(0, 0.0f, 0.0f, 0);
  ResolveCollisions();
  EXPECT_EQ(drone.shield, 1);
  EXPECT_EQ(drone.alive, 1);
  EXPECT_EQ(arena.Slot(0).score, 0);

  drone.shield = 11;
  PlaceMissile(1, 0.0f, 0.0f, 0);
  ResolveCollisions();
  EXPECT_EQ(arena.Slot(0).score, 50);
  EXPECT_EQ(arena.Slot(1).shield, 10);  // a fresh drone
}

TEST_F(CollisionsTest, ThePlayerCollectsTheBounty) {
  Ship& player = arena.AddPlayer(0, 0);
  arena.AddDrone(20000, 20000).score = 300;
  arena.AddDrone(-20000, 20000).score = 300;
  arena.Slot(1).shield = 1;
  PlaceShot(0, 20000, 20000, 0);
  PlaceMissile(0, -20000.0f, 20000.0f, 0);
  ResolveCollisions();
  EXPECT_EQ(player.score, 400 + 350);
}

TEST_F(CollisionsTest, ScoresWrapAtSixteenBits) {
  Ship& player = arena.AddPlayer(0, 0);
  player.score = 65000;
  arena.AddDrone(20000, 20000).score = 500;
  arena.Slot(1).shield = 1;
  PlaceShot(0, 20000, 20000, 0);
  ResolveCollisions();
  EXPECT_EQ(player.score, 64);  // 65000 + 100 + 500 - 65536
}

TEST_F(CollisionsTest, ThePlayersDeathStopsTheShipAndLeavesItInItsSlot) {
  Ship& player = arena.AddPlayer(0, 0);
  Ship& drone = arena.AddDrone(600, 0);
  player.shield = 1;
  player.speed = 3;
  controls.playerThrust = 3;
  rng.Seed(1234);
  PlaceShot(0, 600, 0, 0);  // out of the view: no explosion, so no draws at all
  PlaceShot(1, -10, 10, 1);
  controls.cameraX = -1000;
  ResolveCollisions();
  EXPECT_EQ(&arena.Slot(0), &player);
  EXPECT_EQ(player.alive, 0);
  EXPECT_EQ(player.speed, 0);
  EXPECT_EQ(controls.playerThrust, 0);
  EXPECT_EQ(drone.score, 100);
  EXPECT_EQ(drone.shield, 9);
  EXPECT_EQ(rng.state, 1234u);
}

TEST_F(CollisionsTest, ADestroyedDroneIsReplacedWithTwoDraws) {
  arena.AddPlayer(0, 0);
  arena.AddDrone(0, 0);
  Ship& victim = arena.AddDrone(20000, -20000);
  victim.score = 77;
  victim.shield = 1;
  victim.heading = 5.0f;
  victim.power = 4;
  victim.missiles = 2;
  victim.target = 1;
  victim.speed = 3;
  rng.Seed(99);
  RandomGenerator expected;
  expected.Seed(99);
  const std::int32_t y = expected.Draw() % 32767 - 16384;
  const std::int32_t x = expected.Draw() % 32767 - 16384;
  PlaceShot(0, 20000, -20000, 1);
  ResolveCollisions();
  const Ship& fresh = arena.Slot(2);
  EXPECT_NE(dynamic_cast<const DroneShip*>(&fresh), nullptr);
  EXPECT_EQ(fresh.y, y);
  EXPECT_EQ(fresh.x, x);
  EXPECT_EQ(rng.state, expected.state);
  EXPECT_EQ(fresh.alive, 1);
  EXPECT_EQ(fresh.score, 0);
  EXPECT_EQ(fresh.shield, 10);
  EXPECT_EQ(fresh.heading, 0.0f);
  EXPECT_EQ(fresh.speed, 1);
  EXPECT_EQ(fresh.power, 1);
  EXPECT_EQ(fresh.missiles, 10);
  EXPECT_EQ(fresh.target, -1);
  EXPECT_EQ(fresh.index, 2);
  EXPECT_STREQ(fresh.name, "Drone");
  EXPECT_EQ(arena.Slot(1).score, 100);
}

TEST_F(CollisionsTest, ExplosionsOnlyForKillsNearTheView) {
  const bool explosions = testing::ExplosionsAreMade();
  arena.AddPlayer(0, 0);
  arena.AddDrone(370, 0);
  arena.AddDrone(-300, 289);
  PlaceShot(0, 370, 0, 0);
  PlaceMissile(0, -300.0f, 289.0f, 0);
  arena.Slot(1).shield = 1;
  arena.Slot(2).shield = 11;
  ResolveCollisions();
  EXPECT_EQ(arena.Slot(0).score, 150);
  EXPECT_EQ(arena.Slot(1).shield, 10);
  EXPECT_EQ(arena.Slot(2).shield, 10);
  if (!explosions) {
    EXPECT_EQ(testing::ExplosionCount(), 0);
    GTEST_SKIP() << "no explosions are made yet";
  }
  // Only the missile kill, 289 below the camera, is in view.
  ASSERT_EQ(testing::ExplosionCount(), 1);
  EXPECT_EQ(effectState.explosionRing[0]->x[0], -300.0f);
  EXPECT_EQ(effectState.explosionRing[0]->y[0], 289.0f);
}

TEST_F(CollisionsTest, TheBoxStaysPutForTheWholePassOfItsSlot) {
  arena.AddPlayer(5000, 5000);
  arena.AddDrone(0, 0).shield = 1;
  controls.cameraX = 10000;  // no explosions, so the draws are the respawns' alone
  rng.Seed(7);
  PlaceShot(0, 1, 1, 0);
  PlaceShot(1, -2, 2, 0);
  PlaceShot(2, 14, 0, 0);
  PlaceMissile(0, 0.0f, 0.0f, 0);
  ResolveCollisions();
  // The first shot kills; the newcomer, far away, takes the next two shots (10 - 1 - 1) and then
  // the missile aimed at the old place kills it too.
  EXPECT_EQ(arena.Slot(0).score, 100 + 50);
  EXPECT_EQ(rng.state, testing::StateAfterDraws(7, 4));
  EXPECT_EQ(weapons.shotRing[1].active, 0);
  EXPECT_EQ(weapons.shotRing[2].active, 0);
  EXPECT_EQ(weapons.missileRing[0].active, 0);
  EXPECT_EQ(arena.Slot(1).shield, 10);
}

TEST_F(CollisionsTest, AMissileFromAnEarlierGameHasNoOwner) {
  Ship& player = arena.AddPlayer(0, 0);
  Ship& drone = arena.AddDrone(20000, 0);
  drone.score = 40;
  PlaceMissile(0, 0.0f, 0.0f, 0).ownerGeneration = world.generation - 1;
  PlaceMissile(1, 20000.0f, 0.0f, 0).ownerGeneration = world.generation - 1;
  arena.Slot(1).shield = 5;
  ResolveCollisions();
  // It hits the new player's ship in its launcher's old slot, and its kill credits nobody.
  EXPECT_EQ(player.shield, 89);
  EXPECT_EQ(player.score, 0);
  EXPECT_EQ(arena.Slot(1).shield, 10);
  EXPECT_EQ(arena.Slot(1).score, 0);
}

TEST_F(CollisionsTest, AShotFromASlotNoLongerInTheTableHitsWithPowerOne) {
  arena.AddPlayer(0, 0);
  arena.AddDrone(20000, 0).shield = 5;
  arena.AddDrone(-20000, 0).shield = 1;
  PlaceShot(0, 20000, 0, 40);
  PlaceShot(1, -20000, 0, 40);
  ResolveCollisions();
  EXPECT_EQ(arena.Slot(1).shield, 4);
  EXPECT_EQ(arena.Slot(2).shield, 10);  // killed and replaced, nobody credited
  EXPECT_EQ(arena.Slot(0).score, 0);
  EXPECT_EQ(arena.Slot(1).score, 0);
}

TEST_F(CollisionsTest, NoMemoryForTheNewDroneLeavesTheSlotFilled) {
  arena.AddPlayer(0, 0);
  arena.AddDrone(20000, 0).shield = 1;
  PlaceShot(0, 20000, 0, 0);
  rng.Seed(5);
  platform::ArmFault(platform::Fault::kAllocation);
  EXPECT_THROW(ResolveCollisions(), std::bad_alloc);
  ASSERT_EQ(world.shipTable.size(), 2u);
  ASSERT_NE(world.shipTable[1], nullptr);
  EXPECT_EQ(arena.Slot(1).alive, 0);
  EXPECT_EQ(arena.Slot(1).x, 20000);
  EXPECT_EQ(rng.state, 5u);
}

}  // namespace
}  // namespace kelmora
