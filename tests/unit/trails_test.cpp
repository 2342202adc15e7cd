#include "effects/trails.h"

#include <gtest/gtest.h>

#include <cmath>
#include <new>
#include <vector>

#include "game/world.h"
#include "platform/faults.h"
#include "state/state.h"
#include "support.h"

namespace kelmora {
namespace {

class TrailsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetEverything();
    NewGame();
  }
  void UpdateBoth() {
    layer_.assign(layer_.size(), 0);
    UpdateExhaustTrails(layer_.data(), 640);
    UpdateMissileTrails(layer_.data(), 640);
  }
  TrailSystem& Exhaust(std::size_t i) { return *effectState.exhaustTrails[i]; }
  TrailSystem& MissileTrail(std::size_t k) { return *effectState.missileTrails[k]; }

  std::vector<std::uint8_t> layer_ = std::vector<std::uint8_t>(640 * 480, 0);
};

// A new game seeds the trails after the drones have drawn their places: every exhaust particle
// slot by slot at its ship, then every missile-trail particle at the origin.
TEST_F(TrailsTest, NewGameSeedsExhaustTrailsThenMissileTrails) {
  rng.Seed(42);
  NewGame();
  RandomGenerator g;
  g.Seed(42);
  for (int draw = 0; draw < 2 * 12; ++draw) g.Draw();
  ASSERT_EQ(effectState.exhaustTrails.size(), 13u);
  bool above65 = false;
  for (std::size_t i = 0; i < 13; ++i) {
    const TrailSystem& t = Exhaust(i);
    EXPECT_EQ(t.count, 25);
    EXPECT_EQ(t.baseColour, 66);
    EXPECT_EQ(t.capColour, 65);
    EXPECT_EQ(t.active, 1);
    for (std::size_t j = 0; j < 25; ++j) {
      const float speed = static_cast<float>((g.Draw() % 200) * 0.05);
      ASSERT_EQ(t.speed[j], speed);
      // 66 + speed * 3.2, and 65 where that would pass 79.
      const auto colour = static_cast<std::int32_t>(speed * 3.2 + 66);
      ASSERT_EQ(t.colour[j], colour > 79 ? 65 : colour);
      ASSERT_EQ(t.x[j], static_cast<float>(world.shipTable[i]->x));
      ASSERT_EQ(t.y[j], static_cast<float>(world.shipTable[i]->y));
      above65 = above65 || t.colour[j] > 65;
    }
  }
  EXPECT_TRUE(above65);
  for (std::size_t k = 0; k < 20; ++k) {
    const TrailSystem& t = MissileTrail(k);
    EXPECT_EQ(t.baseColour, 144);
    EXPECT_EQ(t.capColour, 159);
    EXPECT_EQ(t.active, 0);
    for (std::size_t j = 0; j < 25; ++j) {
      ASSERT_EQ(t.speed[j], static_cast<float>((g.Draw() % 200) * 0.05));
      ASSERT_EQ(t.colour[j], 159);
      ASSERT_EQ(t.x[j], 0.0f);
      ASSERT_EQ(t.age[j], 0);
    }
  }
}

// Worked by hand from the generator: a missile trail at heading 3, missile at (100.9, -50.7).
TEST_F(TrailsTest, EmissionFollowsTheWorkedValues) {
  for (auto& ship : world.shipTable) ship->alive = 0;
  Missile& missile = weapons.missileRing[4];
  missile.active = 1;
  missile.x = 100.9f;
  missile.y = -50.7f;
  TrailSystem& t = MissileTrail(4);
  t.count = 3;
  t.heading = 3.0f;
  t.x = {10.0f, -3.5f, 0.0f};
  t.y = {5.0f, 2.25f, 0.0f};
  t.speed = {1.0f, -0.4f, 4.0f};  // a negative speed drifts back towards the emitter
  t.colour = {150, 150, 150};
  t.age = {0, 4, 9};
  rng.Seed(99);
  UpdateBoth();
  // The first two stay (the test draw alone); the third is ten frames old and always goes.
  EXPECT_EQ(t.x, (std::vector<float>{9.07612038f, -3.1304481f, 102.0f}));
  EXPECT_EQ(t.y, (std::vector<float>{5.38268328f, 2.09692669f, -52.0f}));
  EXPECT_EQ(t.speed, (std::vector<float>{0.899999976f, -0.5f, 3.17499995f}));
  EXPECT_EQ(t.colour, (std::vector<std::int32_t>{150, 150, 154}));
  EXPECT_EQ(t.age, (std::vector<std::int32_t>{1, 5, 0}));
  EXPECT_EQ(rng.state, 480221001u);
}

// Heading 0 (up) streams towards direction -8, down like heading 8; heading 8 streams up.
TEST_F(TrailsTest, ParticlesStreamOppositeTheHeading) {
  for (float heading : {0.0f, 8.0f, 4.0f, 15.0f}) {
    TrailSystem& t = Exhaust(0);
    t.heading = heading;
    t.x.assign(25, 0.0f);
    t.y.assign(25, 0.0f);
    t.speed.assign(25, 3.0f);
    t.age.assign(25, -1000);  // far from re-emission
    UpdateBoth();
    const double a = (heading - 8) / 16.0 * static_cast<double>(6.2831855f);
    EXPECT_EQ(t.x[7], static_cast<float>(std::sin(a) * 3.0)) << heading;
    EXPECT_EQ(t.y[7], static_cast<float>(-std::cos(a) * 3.0)) << heading;
    EXPECT_EQ(t.speed[7], 2.9f);
    if (heading == 0.0f) {
      EXPECT_EQ(t.y[0], 3.0f);
    }
    if (heading == 8.0f) {
      EXPECT_EQ(t.y[0], -3.0f);
    }
  }
}

TEST_F(TrailsTest, OnlyAliveShipsAndActiveMissilesRunTheirTrailsEvenWhilePaused) {
  controls.paused = 1;
  world.shipTable[2]->alive = 0;
  const std::vector<float> deadX = Exhaust(2).x;
  Missile& missile = weapons.missileRing[0];
  missile.active = 1;
  missile.x = 100.7f;
  missile.y = -50.2f;
  for (int frame = 0; frame < 10; ++frame) {
    UpdateBoth();
    for (std::size_t j = 0; j < 25; ++j) {
      // Emitted in play: exhaust always 65; behind a missile 144..159 within two units.
      ASSERT_TRUE(Exhaust(1).age[j] != 0 || Exhaust(1).colour[j] == 65);
      const TrailSystem& t = MissileTrail(0);
      if (t.age[j] != 0) continue;
      ASSERT_TRUE(t.x[j] >= 98.0f && t.x[j] <= 102.0f) << t.x[j];
      ASSERT_TRUE(t.y[j] >= -52.0f && t.y[j] <= -48.0f) << t.y[j];
      ASSERT_TRUE(t.colour[j] >= 144 && t.colour[j] <= 159) << t.colour[j];
    }
  }
  // Ten frames re-emit every particle at least once.
  for (std::size_t j = 0; j < 25; ++j) {
    EXPECT_EQ(Exhaust(0).colour[j], 65);
    EXPECT_NE(MissileTrail(0).x[j], 0.0f);
  }
  EXPECT_EQ(Exhaust(2).x, deadX);
  EXPECT_EQ(MissileTrail(1).x, std::vector<float>(25, 0.0f));
}

TEST_F(TrailsTest, NoMemoryForTrailsLeavesTheGameAsItWas) {
  const TrailSystem* first = effectState.exhaustTrails[0].get();
  const Ship* ship = world.shipTable[1].get();
  const std::vector<float> missileSpeeds = MissileTrail(0).speed;
  const std::uint32_t state = rng.state;
  platform::ArmFault(platform::Fault::kAllocation);
  EXPECT_THROW(ResetTrails(), std::bad_alloc);
  EXPECT_EQ(effectState.exhaustTrails[0].get(), first);
  EXPECT_EQ(MissileTrail(0).speed, missileSpeeds);
  EXPECT_EQ(rng.state, state);
  // A new game that cannot have its ships either keeps the old ones with their trails.
  platform::ArmFault(platform::Fault::kAllocation);
  EXPECT_THROW(NewGame(), std::bad_alloc);
  EXPECT_EQ(world.shipTable[1].get(), ship);
  EXPECT_EQ(effectState.exhaustTrails[0].get(), first);
}

}  // namespace
}  // namespace kelmora
