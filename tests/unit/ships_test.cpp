#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "effects/stars.h"
#include "game/controls.h"
#include "game/hud.h"
#include "game/world.h"
#include "state/state.h"
#include "support.h"

namespace kelmora {
namespace {

using Draw = std::function<bool(std::int32_t)>;

// The first seed whose next draws pass these tests, one test per draw, found with a generator of
// our own so that the pilot's use of `rng` is checked against it.
std::uint32_t SeedFor(const std::vector<Draw>& draws) {
  for (std::uint32_t seed = 0;; ++seed) {
    RandomGenerator g;
    g.Seed(seed);
    bool all = true;
    for (const Draw& test : draws) {
      if (!test(g.Draw())) {
        all = false;
        break;
      }
    }
    if (all) return seed;
  }
}

// The generator's state after `count` draws from `seed`.
std::uint32_t StateAfter(std::uint32_t seed, int count) {
  RandomGenerator g;
  g.Seed(seed);
  for (int i = 0; i < count; ++i) g.Draw();
  return g.state;
}

Draw Mod(std::int32_t n, std::int32_t value) {
  return [=](std::int32_t r) { return r % n == value; };
}
Draw NotMod(std::int32_t n, std::int32_t value) {
  return [=](std::int32_t r) { return r % n != value; };
}

// Draw tests for the pilot's steps, by name.
const Draw kNoRetarget = NotMod(20, 1);
const Draw kRetarget = Mod(20, 1);
const Draw kSteer = Mod(10, 1);
const Draw kNoSteer = NotMod(10, 1);
const Draw kNoWander = NotMod(10, 2);
const Draw kWander = Mod(10, 2);
Draw Jitter(std::int32_t jitter) {
  return Mod(100, 50 + jitter);
}
const Draw kEvadeCoin = Mod(2, 1);
const Draw kPursueCoin = Mod(2, 0);

class ShipsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetEverything(); }

  // Slot 0 is the player; further slots are drones.
  Ship& AddPlayer(std::int16_t x, std::int16_t y) {
    auto player = std::make_unique<PlayerShip>();
    player->x = x;
    player->y = y;
    player->index = 0;
    player->alive = 1;
    world.shipTable.push_back(std::move(player));
    world.shipCount = static_cast<std::int32_t>(world.shipTable.size());
    return *world.shipTable.back();
  }
  DroneShip& AddDrone(std::int16_t x, std::int16_t y) {
    auto drone = std::make_unique<DroneShip>();
    drone->x = x;
    drone->y = y;
    drone->index = static_cast<std::uint8_t>(world.shipTable.size());
    drone->speed = 1;
    drone->target = -1;
    drone->alive = 1;
    DroneShip& ref = *drone;
    world.shipTable.push_back(std::move(drone));
    world.shipCount = static_cast<std::int32_t>(world.shipTable.size());
    return ref;
  }
  // Runs one Update from a seed chosen by `draws`, and checks that exactly those draws were used.
  void UpdateWith(Ship& ship, const std::vector<Draw>& draws) {
    const std::uint32_t seed = SeedFor(draws);
    rng.Seed(seed);
    ship.Update();
    EXPECT_EQ(rng.state, StateAfter(seed, static_cast<int>(draws.size())));
  }
};

struct HeadingCase {
  std::int32_t dx;
  std::int32_t dy;
  float pursuit;
  float evasion;
};

// Pursuit turns toward the target (and with dy = 0 away from it), evasion the other way.
const HeadingCase kHeadingTable[] = {
    {0, -100, 1, 8},  {100, -100, 3, 10},  {100, -1, 5, 12},   {100, 0, 12, 4},
    {100, 1, 4, 12},  {100, 100, 6, 14},   {0, 100, 8, 0},     {-100, 100, 10, 2},
    {-100, 0, 4, 12}, {-100, -100, 14, 6}, {-50, -100, 15, 7},
};

TEST_F(ShipsTest, PursuitHeadings) {
  for (const HeadingCase& c : kHeadingTable) {
    testing::ResetEverything();
    AddPlayer(static_cast<std::int16_t>(1000 + c.dx), static_cast<std::int16_t>(1000 + c.dy));
    DroneShip& drone = AddDrone(1000, 1000);
    drone.target = 0;
    UpdateWith(drone, {kNoRetarget, kSteer, Jitter(0), kNoWander});
    EXPECT_EQ(drone.heading, c.pursuit) << c.dx << "," << c.dy;
    EXPECT_EQ(drone.speed, 2) << c.dx << "," << c.dy;  // 100 <= d < 300
  }
}

TEST_F(ShipsTest, EvasionHeadings) {
  for (const HeadingCase& c : kHeadingTable) {
    testing::ResetEverything();
    Ship& player =
        AddPlayer(static_cast<std::int16_t>(1000 + c.dx), static_cast<std::int16_t>(1000 + c.dy));
    player.firing = 1;  // a firing target nearer than 200: a coin decides
    DroneShip& drone = AddDrone(1000, 1000);
    drone.target = 0;
    UpdateWith(drone, {kNoRetarget, kSteer, kEvadeCoin, kNoWander});
    EXPECT_EQ(drone.heading, c.evasion) << c.dx << "," << c.dy;
    EXPECT_EQ(drone.speed, 2) << c.dx << "," << c.dy;
  }
}

TEST_F(ShipsTest, FiringTargetCanStillBePursued) {
  Ship& player = AddPlayer(1000, 900);
  player.firing = 1;
  DroneShip& drone = AddDrone(1000, 1000);
  drone.target = 0;
  UpdateWith(drone, {kNoRetarget, kSteer, kPursueCoin, Jitter(0), kNoWander});
  EXPECT_EQ(drone.heading, 1.0f);

  // At 200 or more the coin is not drawn.
  testing::ResetEverything();
  Ship& far = AddPlayer(1000, 800);
  far.firing = 1;
  DroneShip& chaser = AddDrone(1000, 1000);
  chaser.target = 0;
  UpdateWith(chaser, {kNoRetarget, kSteer, Jitter(0), kNoWander});
  EXPECT_EQ(chaser.heading, 1.0f);
}

TEST_F(ShipsTest, PursuitSpeedAndFiringFollowTheJitteredDistance) {
  struct Case {
    std::int16_t dy;
    std::int32_t jitter;
    std::uint8_t speed;   // from speed 0
    std::uint8_t firing;  // from firing 1
  };
  const Case cases[] = {
      {-300, 0, 0, 0},   // exactly 300: speed unchanged
      {-301, 0, 3, 0},   // beyond 300
      {-250, 49, 2, 0},  // 299
      {-100, 0, 2, 1},   // exactly 100: firing unchanged
      {-100, -1, 2, 0},  // 99: firing flips
      {-90, 0, 2, 0},    // exactly 90: still 2
      {-90, -1, 1, 0},   // 89
  };
  for (const Case& c : cases) {
    testing::ResetEverything();
    AddPlayer(0, c.dy);
    DroneShip& drone = AddDrone(0, 0);
    drone.target = 0;
    drone.speed = 0;
    drone.firing = 1;
    UpdateWith(drone, {kNoRetarget, kSteer, Jitter(c.jitter), kNoWander});
    EXPECT_EQ(drone.speed, c.speed) << c.dy << " " << c.jitter;
    EXPECT_EQ(drone.firing, c.firing) << c.dy << " " << c.jitter;
    EXPECT_EQ(drone.heading, 1.0f);
  }
}

TEST_F(ShipsTest, NoArcsineGivesHeadingZero) {
  // d = 500 jittered to 470, less than dx = 480.
  AddPlayer(480, 140);
  DroneShip& drone = AddDrone(0, 0);
  drone.target = 0;
  drone.heading = 7.0f;
  drone.firing = 1;
  UpdateWith(drone, {kNoRetarget, kSteer, Jitter(-30), kNoWander});
  EXPECT_EQ(drone.heading, 0.0f);
  EXPECT_EQ(drone.speed, 3);
  EXPECT_EQ(drone.firing, 0);
  EXPECT_EQ(drone.y, -9);  // moved up at speed 3

  // Same point, no jitter: d' = 0, so no quotient; firing flips and speed 1.
  testing::ResetEverything();
  AddPlayer(0, 0);
  DroneShip& onTop = AddDrone(0, 0);
  onTop.target = 0;
  onTop.heading = 7.0f;
  UpdateWith(onTop, {kNoRetarget, kSteer, Jitter(0), kNoWander});
  EXPECT_EQ(onTop.heading, 0.0f);
  EXPECT_EQ(onTop.speed, 1);
  EXPECT_EQ(onTop.firing, 1);

  // Evading a firing ship at the same point: heading 0, speed 3.
  testing::ResetEverything();
  Ship& shooter = AddPlayer(0, 0);
  shooter.firing = 1;
  DroneShip& evader = AddDrone(0, 0);
  evader.target = 0;
  evader.heading = 7.0f;
  UpdateWith(evader, {kNoRetarget, kSteer, kEvadeCoin, kNoWander});
  EXPECT_EQ(evader.heading, 0.0f);
  EXPECT_EQ(evader.speed, 3);
  EXPECT_EQ(evader.firing, 1);
}

TEST_F(ShipsTest, EvasionSpeedsUpAsTheThreatClosesIn) {
  const struct {
    std::int16_t dy;
    std::uint8_t speed;
  } cases[] = {{-150, 2}, {-90, 2}, {-89, 3}};
  for (const auto& c : cases) {
    testing::ResetEverything();
    Ship& player = AddPlayer(0, c.dy);
    player.firing = 1;
    DroneShip& drone = AddDrone(0, 0);
    drone.target = 0;
    drone.speed = 0;
    UpdateWith(drone, {kNoRetarget, kSteer, kEvadeCoin, kNoWander});
    EXPECT_EQ(drone.speed, c.speed) << c.dy;
    EXPECT_EQ(drone.heading, 8.0f);
  }
}

TEST_F(ShipsTest, RetargetingChoosesTheNearestOtherSlot) {
  // Equal distances: the lowest slot wins; a dead ship is still a candidate.
  Ship& player = AddPlayer(100, 0);
  player.alive = 0;
  AddDrone(-100, 0);
  DroneShip& drone = AddDrone(0, 0);
  UpdateWith(drone, {kRetarget, kNoSteer, kNoWander});
  EXPECT_EQ(drone.target, 0);

  // Two drones at the same point choose each other, never themselves.
  testing::ResetEverything();
  AddPlayer(3000, 3000);
  DroneShip& first = AddDrone(-500, -500);
  DroneShip& second = AddDrone(-500, -500);
  UpdateWith(first, {kRetarget, kNoSteer, kNoWander});
  EXPECT_EQ(first.target, 2);
  UpdateWith(second, {kRetarget, kNoSteer, kNoWander});
  EXPECT_EQ(second.target, 1);
}

TEST_F(ShipsTest, ShipsAtLeast65535AwayAreNeverChosen) {
  AddPlayer(-32768, 0);
  DroneShip& drone = AddDrone(32767, 0);
  drone.target = 0;
  // No target: steering only normalises, so no coin and no jitter are drawn.
  UpdateWith(drone, {kRetarget, kSteer, kNoWander});
  EXPECT_EQ(drone.target, -1);
  EXPECT_EQ(drone.heading, 0.0f);

  // One unit nearer, the player is the target.
  testing::ResetEverything();
  AddPlayer(-32767, 0);
  DroneShip& near = AddDrone(32767, 0);
  UpdateWith(near, {kRetarget, kNoSteer, kNoWander});
  EXPECT_EQ(near.target, 0);
}

TEST_F(ShipsTest, WanderingTurnsAndWraps) {
  AddPlayer(0, 0);
  DroneShip& drone = AddDrone(5000, 5000);
  drone.heading = 15.0f;
  UpdateWith(drone, {kNoRetarget, kNoSteer, kWander, Mod(16, 1), NotMod(16, 14)});
  EXPECT_EQ(drone.heading, 0.0f);

  drone.heading = 0.0f;
  UpdateWith(drone, {kNoRetarget, kNoSteer, kWander, NotMod(16, 1), Mod(16, 14)});
  EXPECT_EQ(drone.heading, 15.0f);

  // Both: no net turn.
  drone.heading = 6.0f;
  UpdateWith(drone, {kNoRetarget, kNoSteer, kWander, Mod(16, 1), Mod(16, 14)});
  EXPECT_EQ(drone.heading, 6.0f);
}

TEST_F(ShipsTest, EveryStepDrawsInOrder) {
  // All four steps with a pursuit of a firing ship: retarget, steer, coin, jitter, wander and its
  // two turns.
  Ship& player = AddPlayer(0, -100);
  player.firing = 1;
  DroneShip& drone = AddDrone(0, 0);
  UpdateWith(drone,
             {kRetarget, kSteer, kPursueCoin, Jitter(0), kWander, NotMod(16, 1), NotMod(16, 14)});
  EXPECT_EQ(drone.target, 0);
  EXPECT_EQ(drone.heading, 1.0f);
}

TEST_F(ShipsTest, MovementTruncatesTheSumAndWraps) {
  AddPlayer(0, 0);
  DroneShip& drone = AddDrone(0, -32767);
  drone.heading = 0.0f;
  drone.speed = 1;
  UpdateWith(drone, {kNoRetarget, kNoSteer, kNoWander});
  EXPECT_EQ(drone.y, 32766);
  EXPECT_EQ(drone.x, 0);

  // Heading 2 at speed 1 moves by about (+2.12, -2.12).
  const struct {
    std::int16_t x, y, newX, newY;
  } cases[] = {{-100, 100, -97, 97}, {100, -100, 102, -102}};
  for (const auto& c : cases) {
    drone.x = c.x;
    drone.y = c.y;
    drone.heading = 2.0f;
    drone.speed = 1;
    UpdateWith(drone, {kNoRetarget, kNoSteer, kNoWander});
    EXPECT_EQ(drone.x, c.newX);
    EXPECT_EQ(drone.y, c.newY);
  }
}

TEST_F(ShipsTest, SpriteCells) {
  Ship& player = AddPlayer(0, 0);
  player.heading = 5.0f;
  player.firing = 1;
  player.Update();
  EXPECT_EQ(player.spriteRect, (Rect{155, 31, 185, 61}));
  player.firing = 0;
  player.heading = 0.0f;
  player.Update();
  EXPECT_EQ(player.spriteRect, (Rect{0, 0, 30, 30}));

  DroneShip& drone = AddDrone(0, 0);
  drone.heading = 15.0f;
  UpdateWith(drone, {kNoRetarget, kNoSteer, kNoWander});
  EXPECT_EQ(drone.spriteRect, (Rect{465, 62, 495, 92}));
  EXPECT_EQ(drone.spriteRowOffset, 0);
  drone.firing = 1;
  UpdateWith(drone, {kNoRetarget, kNoSteer, kNoWander});
  EXPECT_EQ(drone.spriteRect, (Rect{465, 93, 495, 123}));
  EXPECT_EQ(drone.spriteRowOffset, 31);
}

}  // namespace
}  // namespace kelmora

namespace kelmora {
namespace {

// Many frames of flight (controls, motion, every ship's Update, the stars and the shield bar):
// the drones keep whole headings and their cells, and the player's ship flies with the camera.
TEST(ShipsInPlay, DronesAndPlayerKeepTheirInvariantsOverManyFrames) {
  testing::ResetEverything();
  rng.Seed(1234);
  PlaceStars();
  NewGame();
  std::vector<std::uint8_t> layer(640 * 480, 0);
  controls.playerThrust = 3;
  inputState.keyHeld[platform::DIK_RIGHT] = 0x80;
  inputState.keyHeld[platform::DIK_SPACE] = 0x80;
  for (int frame = 0; frame < 600; ++frame) {
    ControlsStep();
    MotionStep();
    for (std::int32_t i = 0; i < ShipSlots(); ++i)
      world.shipTable[static_cast<std::size_t>(i)]->Update();
    StepStars(layer.data(), 640);
    DrawShieldBar(layer.data(), 640);
    ASSERT_EQ(PlayerShipRecord().x, controls.cameraX);
    ASSERT_EQ(PlayerShipRecord().y, controls.cameraY);
    for (std::int32_t i = 0; i < ShipSlots(); ++i) {
      const Ship& ship = *world.shipTable[static_cast<std::size_t>(i)];
      ASSERT_GE(ship.heading, 0.0f);
      ASSERT_LE(ship.heading, 15.0f);
      ASSERT_EQ(ship.heading, std::trunc(ship.heading));
      ASSERT_LE(ship.speed, 3);
      const std::int32_t left = 31 * static_cast<std::int32_t>(ship.heading);
      const std::int32_t top = (i == 0 ? 0 : 62) + (ship.firing != 0 ? 31 : 0);
      ASSERT_EQ(ship.spriteRect, (Rect{left, top, left + 30, top + 30}));
    }
    for (const Star& star : effectState.stars) {
      ASSERT_EQ(star.colour + star.speed, 30);
      ASSERT_GE(star.x, -25.0f);
      ASSERT_LE(star.x, 665.0f);
      ASSERT_GE(star.y, -25.0f);
      ASSERT_LE(star.y, 505.0f);
    }
  }
}

}  // namespace
}  // namespace kelmora
