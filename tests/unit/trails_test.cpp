#include "effects/trails.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <new>
#include <vector>

#include "game/state.h"
#include "game/world.h"
#include "platform/faults.h"
#include "support.h"

namespace kelmora {
namespace {

class TrailsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetEverything(); }

  // A table of ships at the given positions (slot 0 the player's), as NewGame leaves it.
  void Ships(const std::vector<std::pair<std::int16_t, std::int16_t>>& positions) {
    world.shipTable.clear();
    for (std::size_t i = 0; i < positions.size(); ++i) {
      std::unique_ptr<Ship> ship;
      if (i == 0) {
        ship = std::make_unique<PlayerShip>();
      } else {
        ship = std::make_unique<DroneShip>();
      }
      ship->x = positions[i].first;
      ship->y = positions[i].second;
      ship->alive = 1;
      ship->index = static_cast<std::uint8_t>(i);
      world.shipTable.push_back(std::move(ship));
    }
    world.shipCount = static_cast<std::int32_t>(positions.size());
  }
  void UpdateBoth() {
    layer_.assign(layer_.size(), 0);
    UpdateExhaustTrails(layer_.data(), 640);
    UpdateMissileTrails(layer_.data(), 640);
  }
  std::size_t DrawnCount() const {
    std::size_t count = 0;
    for (std::uint8_t value : layer_) count += value != 0 ? 1 : 0;
    return count;
  }
  TrailSystem& Exhaust(std::size_t i) { return *effects.exhaustTrails[i]; }
  TrailSystem& MissileTrail(std::size_t k) { return *effects.missileTrails[k]; }

  std::vector<std::uint8_t> layer_ = std::vector<std::uint8_t>(640 * 480, 0);
};

TEST_F(TrailsTest, ResetSeedsExhaustTrailsSlotBySlotThenMissileTrails) {
  Ships({{0, 0}, {-300, 1200}, {32767, -32768}});
  rng.Seed(5);
  ResetTrails();
  RandomGenerator g;
  g.Seed(5);
  ASSERT_EQ(effects.exhaustTrails.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const TrailSystem& t = Exhaust(i);
    ASSERT_EQ(t.count, 25);
    EXPECT_EQ(t.baseColour, 66);
    EXPECT_EQ(t.capColour, 65);
    EXPECT_EQ(t.active, 1);
    EXPECT_EQ(t.heading, 0.0f);
    for (std::size_t j = 0; j < 25; ++j) {
      const std::int32_t r = g.Draw() % 200;
      const float speed = static_cast<float>(r * 0.05);
      EXPECT_EQ(t.speed[j], speed);
      // 66 + speed * 3.2, and 65 where that would pass 79.
      const std::int32_t colour = static_cast<std::int32_t>(speed * 3.2 + 66);
      EXPECT_EQ(t.colour[j], colour > 79 ? 65 : colour);
      EXPECT_EQ(t.x[j], static_cast<float>(world.shipTable[i]->x));
      EXPECT_EQ(t.y[j], static_cast<float>(world.shipTable[i]->y));
      EXPECT_EQ(t.age[j], 0);
    }
  }
  for (std::size_t k = 0; k < 20; ++k) {
    const TrailSystem& t = MissileTrail(k);
    EXPECT_EQ(t.baseColour, 144);
    EXPECT_EQ(t.capColour, 159);
    EXPECT_EQ(t.active, 0);
    for (std::size_t j = 0; j < 25; ++j) {
      EXPECT_EQ(t.speed[j], static_cast<float>((g.Draw() % 200) * 0.05));
      EXPECT_EQ(t.colour[j], 159);
      EXPECT_EQ(t.x[j], 0.0f);
      EXPECT_EQ(t.y[j], 0.0f);
      EXPECT_EQ(t.age[j], 0);
    }
  }
  EXPECT_EQ(rng.state, g.state);
  // Some seeded exhaust particles show 66 to 79; the capped ones 65.
  bool above65 = false;
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::int32_t c : Exhaust(i).colour) above65 = above65 || c >= 66;
  }
  EXPECT_TRUE(above65);
}

// A new game seeds the trails after the drones have drawn their places, each trail on its ship.
TEST_F(TrailsTest, NewGameSeedsTrailsAfterTheDronesAtTheirShips) {
  rng.Seed(42);
  NewGame();
  RandomGenerator g;
  g.Seed(42);
  for (int draw = 0; draw < 2 * 12; ++draw) g.Draw();
  ASSERT_EQ(effects.exhaustTrails.size(), 13u);
  for (std::size_t i = 0; i < 13; ++i) {
    const Ship& ship = *world.shipTable[i];
    for (std::size_t j = 0; j < 25; ++j) {
      ASSERT_EQ(Exhaust(i).speed[j], static_cast<float>((g.Draw() % 200) * 0.05));
      ASSERT_EQ(Exhaust(i).x[j], static_cast<float>(ship.x));
      ASSERT_EQ(Exhaust(i).y[j], static_cast<float>(ship.y));
    }
  }
  for (std::size_t k = 0; k < 20; ++k) {
    EXPECT_EQ(MissileTrail(k).active, 0);
    for (std::size_t j = 0; j < 25; ++j) {
      ASSERT_EQ(MissileTrail(k).speed[j], static_cast<float>((g.Draw() % 200) * 0.05));
      ASSERT_EQ(MissileTrail(k).colour[j], 159);
    }
  }
}

TEST_F(TrailsTest, ResetReplacesTheExhaustTrailsAndKeepsTheMissileTrails) {
  Ships({{0, 0}, {5, 5}});
  ResetTrails();
  const TrailSystem* missileTrail = effects.missileTrails[3].get();
  MissileTrail(3).active = 1;
  MissileTrail(3).heading = 7.0f;
  Ships({{0, 0}, {5, 5}, {9, 9}, {1, 1}});
  settings.trailParticles = 30;
  ResetTrails();
  EXPECT_EQ(effects.exhaustTrails.size(), 4u);
  EXPECT_EQ(Exhaust(3).count, 30);
  EXPECT_EQ(effects.missileTrails[3].get(), missileTrail);
  EXPECT_EQ(MissileTrail(3).count, 25);  // built once, before any setting could change
  EXPECT_EQ(MissileTrail(3).active, 0);
  EXPECT_EQ(MissileTrail(3).heading, 7.0f);
}

// Worked by hand from the generator: a missile trail at heading 3, emitter at (100, -50).
TEST_F(TrailsTest, EmissionFollowsTheWorkedValues) {
  Ships({{0, 0}});
  ResetTrails();
  PlayerShipRecord().alive = 0;
  Missile& missile = weapons.missileRing[4];
  missile.active = 1;
  missile.x = 100.9f;
  missile.y = -50.7f;
  TrailSystem& t = MissileTrail(4);
  t.count = 3;  // only the first three particles
  t.heading = 3.0f;
  t.x = {10.0f, -3.5f, 0.0f};
  t.y = {5.0f, 2.25f, 0.0f};
  t.speed = {1.0f, -0.4f, 4.0f};
  t.colour = {150, 150, 150};
  t.age = {0, 4, 9};
  rng.Seed(99);
  UpdateBoth();
  // The first two stay (the test draw alone), the third is ten frames old and always goes.
  EXPECT_EQ(t.x, (std::vector<float>{9.07612038f, -3.1304481f, 102.0f}));
  EXPECT_EQ(t.y, (std::vector<float>{5.38268328f, 2.09692669f, -52.0f}));
  EXPECT_EQ(t.speed, (std::vector<float>{0.899999976f, -0.5f, 3.17499995f}));
  EXPECT_EQ(t.colour, (std::vector<std::int32_t>{150, 150, 154}));
  EXPECT_EQ(t.age, (std::vector<std::int32_t>{1, 5, 0}));
  EXPECT_EQ(rng.state, 480221001u);
}

TEST_F(TrailsTest, MissileTrailParticlesGatherAroundTheMissile) {
  Ships({{0, 0}});
  ResetTrails();
  PlayerShipRecord().alive = 0;
  Missile& missile = weapons.missileRing[0];
  missile.active = 1;
  missile.x = 100.7f;
  missile.y = -50.2f;
  MissileTrail(0).active = 1;
  MissileTrail(0).heading = 5.0f;
  rng.Seed(11);
  for (int frame = 0; frame < 10; ++frame) {
    UpdateBoth();
    for (std::size_t j = 0; j < 25; ++j) {
      const TrailSystem& t = MissileTrail(0);
      if (t.age[j] != 0) continue;
      ASSERT_GE(t.x[j], 98.0f);
      ASSERT_LE(t.x[j], 102.0f);
      ASSERT_GE(t.y[j], -52.0f);
      ASSERT_LE(t.y[j], -48.0f);
      ASSERT_GE(t.colour[j], 144);
      ASSERT_LE(t.colour[j], 159);
    }
  }
  // Within ten frames every particle has left the origin for the missile.
  for (std::size_t j = 0; j < 25; ++j) EXPECT_GT(MissileTrail(0).x[j], 50.0f);
  // Trails of inactive missiles stay at the origin.
  for (std::size_t j = 0; j < 25; ++j) EXPECT_EQ(MissileTrail(1).x[j], 0.0f);
}

TEST_F(TrailsTest, ExhaustOfAliveShipsOnlyAndEveryEmittedParticleIs65) {
  Ships({{0, 0}, {100, 50}, {-100, -50}});
  rng.Seed(21);
  ResetTrails();
  world.shipTable[2]->alive = 0;
  const std::vector<float> deadX = Exhaust(2).x;
  const std::vector<float> deadSpeed = Exhaust(2).speed;
  for (int frame = 0; frame < 12; ++frame) UpdateBoth();
  for (std::size_t i = 0; i < 2; ++i) {
    for (std::size_t j = 0; j < 25; ++j) EXPECT_EQ(Exhaust(i).colour[j], 65) << i << " " << j;
  }
  EXPECT_EQ(Exhaust(2).x, deadX);
  EXPECT_EQ(Exhaust(2).speed, deadSpeed);
}

// Particles stream out opposite the emitter: heading 0 (up) gives direction -8, which points
// down like heading 8; heading 8 gives direction 0, up.
TEST_F(TrailsTest, ParticlesStreamOppositeTheHeading) {
  Ships({{0, 0}});
  ResetTrails();
  for (float heading : {0.0f, 8.0f, 4.0f, 15.0f}) {
    TrailSystem& t = Exhaust(0);
    t.heading = heading;
    t.x.assign(25, 0.0f);
    t.y.assign(25, 0.0f);
    t.speed.assign(25, 3.0f);
    t.age.assign(25, -1000);  // far from re-emission
    UpdateBoth();
    const double a = (heading - 8) / 16.0 * 6.2831854820251465;
    for (std::size_t j = 0; j < 25; ++j) {
      EXPECT_EQ(t.x[j], static_cast<float>(std::sin(a) * 3.0)) << heading;
      EXPECT_EQ(t.y[j], static_cast<float>(-std::cos(a) * 3.0)) << heading;
      EXPECT_EQ(t.speed[j], 2.9f);
    }
    if (heading == 0.0f) {
      EXPECT_EQ(t.y[0], 3.0f);
    }
    if (heading == 8.0f) {
      EXPECT_EQ(t.y[0], -3.0f);
    }
  }
}

TEST_F(TrailsTest, PauseDoesNotStopTrails) {
  Ships({{0, 0}});
  ResetTrails();
  controls.paused = 1;
  const std::vector<float> before = Exhaust(0).y;
  Exhaust(0).heading = 0.0f;
  UpdateBoth();
  EXPECT_NE(Exhaust(0).y, before);
  EXPECT_GT(DrawnCount(), 0u);
}

TEST_F(TrailsTest, ParticlesOffTheScreenAreNotDrawn) {
  Ships({{0, 0}});
  ResetTrails();
  controls.cameraX = -32768;
  controls.cameraY = 32767;
  TrailSystem& t = Exhaust(0);
  t.speed.assign(25, 0.0f);
  t.age.assign(25, -1000);
  t.x.assign(25, -32768.0f - 320.0f);  // screen x 0
  t.y.assign(25, 32767.0f);
  t.x[1] = -32768.0f + 319.0f;  // screen (639, 240)
  t.colour[1] = 70;
  t.x[2] = 4.0e9f;
  UpdateBoth();
  EXPECT_EQ(layer_[240 * 640 + 639], 70);
  EXPECT_EQ(DrawnCount(), 1u);
}

TEST_F(TrailsTest, NoMemoryForTrailsLeavesTheOldOnesInPlace) {
  Ships({{0, 0}, {5, 5}});
  ResetTrails();
  const TrailSystem* first = effects.exhaustTrails[0].get();
  const std::vector<float> missileSpeeds = MissileTrail(0).speed;
  Ships({{0, 0}, {5, 5}, {6, 6}});
  const std::uint32_t state = rng.state;
  platform::ArmFault(platform::Fault::kAllocation);
  EXPECT_THROW(ResetTrails(), std::bad_alloc);
  ASSERT_EQ(effects.exhaustTrails.size(), 2u);
  EXPECT_EQ(effects.exhaustTrails[0].get(), first);
  EXPECT_EQ(MissileTrail(0).speed, missileSpeeds);
  EXPECT_EQ(rng.state, state);
}

}  // namespace
}  // namespace kelmora
