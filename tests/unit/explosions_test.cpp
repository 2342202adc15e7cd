#include "effects/explosions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <new>
#include <vector>

#include "game/state.h"
#include "platform/faults.h"
#include "support.h"

namespace kelmora {
namespace {

class ExplosionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetEverything();
    settings.explosionJitter = 0;
  }

  void Update() {
    layer_.assign(layer_.size(), 0);
    UpdateExplosions(layer_.data(), 640);
  }
  std::size_t DrawnCount() const {
    std::size_t count = 0;
    for (std::uint8_t value : layer_) count += value != 0 ? 1 : 0;
    return count;
  }
  std::uint8_t At(std::int32_t x, std::int32_t y) const {
    return layer_[static_cast<std::size_t>(y) * 640 + static_cast<std::size_t>(x)];
  }
  ExplosionSystem& Slot(std::size_t k) { return *effects.explosionRing[k]; }

  // One particle standing still at (x, y) with colour 60, in the slot that takes the next
  // explosion.
  ExplosionSystem& StillParticle(float x, float y) {
    settings.explosionParticles = 1;
    const std::int32_t slot = effects.explosionNext;
    SpawnExplosion(0, 0);
    ExplosionSystem& explosion = Slot(static_cast<std::size_t>(slot));
    explosion.x[0] = x;
    explosion.y[0] = y;
    explosion.speed[0] = 0.0f;
    explosion.colour[0] = 60;
    return explosion;
  }

  std::vector<std::uint8_t> layer_ = std::vector<std::uint8_t>(640 * 480, 0);
};

// The values below were worked out by hand from the generator, apart from the game's code.
TEST_F(ExplosionsTest, SpawnAndStepFollowTheWorkedValues) {
  settings.explosionParticles = 4;
  rng.Seed(2024);
  SpawnExplosion(100, -50);
  // Direction, then speed, for each particle in turn.
  const ExplosionSystem& e = Slot(0);
  EXPECT_EQ(e.count, 4);
  EXPECT_EQ(e.active, 1);
  EXPECT_EQ(e.angle, (std::vector<float>{2.48f, 8.49f, 11.37f, 5.1f}));
  EXPECT_EQ(e.speed, (std::vector<float>{4.057142734527588f, 3.885714292526245f,
                                         1.2000000476837158f, 3.4571428298950195f}));
  EXPECT_EQ(e.colour, (std::vector<std::int32_t>{70, 70, 61, 69}));
  EXPECT_EQ(e.x, std::vector<float>(4, 100.0f));
  EXPECT_EQ(e.y, std::vector<float>(4, -50.0f));
  EXPECT_EQ(rng.state, 374955952u);
  EXPECT_EQ(effects.explosionAge[0], 0);
  EXPECT_EQ(effects.explosionNext, 1);

  // With jitter: x's draw, then y's, particle by particle.
  settings.explosionJitter = 1;
  Update();
  EXPECT_EQ(e.x, (std::vector<float>{103.315582f, 97.3769073f, 99.6765366f, 102.979584f}));
  EXPECT_EQ(e.y, (std::vector<float>{-54.080452f, -46.0660019f, -49.6661377f, -50.1126328f}));
  EXPECT_EQ(e.speed, (std::vector<float>{3.95714283f, 3.78571439f, 1.10000002f, 3.35714293f}));
  EXPECT_EQ(rng.state, 3044613240u);

  // Without jitter: no draws at all.
  settings.explosionJitter = 0;
  Update();
  EXPECT_EQ(e.x, (std::vector<float>{106.588455f, 96.6529388f, 98.6100311f, 106.028351f}));
  EXPECT_EQ(e.y, (std::vector<float>{-56.3046951f, -42.3501587f, -49.3967667f, -48.7071304f}));
  EXPECT_EQ(e.speed, (std::vector<float>{3.85714293f, 3.68571448f, 1.0f, 3.25714302f}));
  EXPECT_EQ(e.colour, (std::vector<std::int32_t>{70, 70, 61, 69}));
  EXPECT_EQ(rng.state, 3044613240u);
  EXPECT_EQ(effects.explosionAge[0], 2);
}

TEST_F(ExplosionsTest, BirthColoursAndSpeedsStayInTheirRanges) {
  settings.explosionParticles = 5000;
  rng.Seed(7);
  SpawnExplosion(0, 0);
  const ExplosionSystem& e = Slot(0);
  ASSERT_EQ(e.count, 5000);
  for (std::size_t j = 0; j < 5000; ++j) {
    ASSERT_GE(e.angle[j], 0.0f);
    ASSERT_LE(e.angle[j], 15.99f);
    ASSERT_GE(e.speed[j], 0.0f);
    ASSERT_LE(e.speed[j], 5.6858f);
    ASSERT_GE(e.colour[j], 58);
    ASSERT_LE(e.colour[j], 76);
  }
}

TEST_F(ExplosionsTest, SpentParticleStopsAndGlowsUpTo79) {
  ExplosionSystem& e = StillParticle(50.0f, 50.0f);
  e.angle[0] = 0.0f;
  e.speed[0] = 0.25f;
  e.colour[0] = 75;
  Update();  // the step uses the speed before this frame's decay
  EXPECT_EQ(e.y[0], 49.75f);
  EXPECT_EQ(e.x[0], 50.0f);
  EXPECT_EQ(e.colour[0], 75);
  Update();
  EXPECT_NEAR(e.y[0], 49.6f, 1e-5);
  EXPECT_EQ(e.colour[0], 75);
  Update();
  EXPECT_NEAR(e.y[0], 49.55f, 1e-5);
  EXPECT_EQ(e.speed[0], 0.0f);
  EXPECT_EQ(e.colour[0], 76);
  const float rest = e.y[0];
  for (int frame = 0; frame < 5; ++frame) Update();
  EXPECT_EQ(e.y[0], rest);
  EXPECT_EQ(e.colour[0], 79);
  // Jitter still shakes a spent particle.
  settings.explosionJitter = 1;
  rng.Seed(3);
  Update();
  EXPECT_NE(rng.state, 3u);
  EXPECT_EQ(e.colour[0], 79);
}

TEST_F(ExplosionsTest, ExplosionLivesFiftyOneFramesAndFreesSlotZeroForTheNext) {
  settings.explosionParticles = 700;
  SpawnExplosion(0, 0);
  for (int frame = 1; frame <= 50; ++frame) {
    Update();
    ASSERT_TRUE(effects.explosionRing[0]) << frame;
    ASSERT_GT(DrawnCount(), 0u);
  }
  EXPECT_EQ(effects.explosionAge[0], 50);
  Update();  // the 51st pass still draws, then the explosion ends
  EXPECT_GT(DrawnCount(), 0u);
  EXPECT_FALSE(effects.explosionRing[0]);
  EXPECT_EQ(effects.explosionNext, 0);
  Update();
  EXPECT_EQ(DrawnCount(), 0u);
}

TEST_F(ExplosionsTest, RingWrapsAndAnEndingExplosionSendsTheNextToSlotZero) {
  settings.explosionParticles = 10;
  for (std::int32_t k = 0; k < 10; ++k) {
    EXPECT_EQ(effects.explosionNext, k);
    SpawnExplosion(k, 0);
  }
  EXPECT_EQ(effects.explosionNext, 0);
  for (std::size_t k = 0; k < 10; ++k) EXPECT_EQ(Slot(k).x[0], static_cast<float>(k));

  // The eleventh replaces the live one in slot 0 and starts its own count of frames.
  Update();
  SpawnExplosion(500, 0);
  EXPECT_EQ(Slot(0).x[0], 500.0f);
  EXPECT_EQ(effects.explosionAge[0], 0);
  EXPECT_EQ(effects.explosionAge[1], 1);
  EXPECT_EQ(effects.explosionNext, 1);

  // Slots 1..9 end together on their 51st pass; slot 0 lives on and is written again next.
  for (int frame = 0; frame < 50; ++frame) Update();
  for (std::size_t k = 1; k < 10; ++k) EXPECT_FALSE(effects.explosionRing[k]);
  ASSERT_TRUE(effects.explosionRing[0]);
  EXPECT_EQ(effects.explosionNext, 0);
  SpawnExplosion(600, 0);
  EXPECT_EQ(Slot(0).x[0], 600.0f);
  EXPECT_EQ(effects.explosionNext, 1);
  EXPECT_FALSE(effects.explosionRing[1]);
}

TEST_F(ExplosionsTest, EndingInAHigherSlotAlsoResetsTheNextSlot) {
  settings.explosionParticles = 10;
  SpawnExplosion(0, 0);  // slot 0
  for (int frame = 0; frame < 25; ++frame) Update();
  SpawnExplosion(0, 0);  // slot 1
  SpawnExplosion(0, 0);  // slot 2
  EXPECT_EQ(effects.explosionNext, 3);
  for (int frame = 0; frame < 26; ++frame) Update();
  EXPECT_FALSE(effects.explosionRing[0]);
  EXPECT_TRUE(effects.explosionRing[1]);
  EXPECT_EQ(effects.explosionNext, 0);
  SpawnExplosion(0, 0);
  EXPECT_TRUE(effects.explosionRing[0]);
  EXPECT_EQ(effects.explosionNext, 1);
}

TEST_F(ExplosionsTest, PauseDoesNotStopExplosions) {
  settings.explosionParticles = 50;
  settings.explosionJitter = 1;
  controls.paused = 1;
  SpawnExplosion(0, 0);
  const std::vector<float> before = Slot(0).x;
  const std::uint32_t state = rng.state;
  Update();
  EXPECT_NE(Slot(0).x, before);
  EXPECT_NE(rng.state, state);
  for (int frame = 0; frame < 50; ++frame) Update();
  EXPECT_FALSE(effects.explosionRing[0]);
}

TEST_F(ExplosionsTest, ParticlesAreDrawnRelativeToTheCameraAndClippedAtTheEdges) {
  controls.cameraX = 1000;
  controls.cameraY = -2000;
  StillParticle(681.0f, -2239.0f);                  // screen (1, 1): the first drawable point
  StillParticle(680.9f, -2000.0f);                  // screen x 0: never drawn
  StillParticle(1319.0f, -1761.0f);                 // screen (639, 479)
  StillParticle(1320.0f, -1900.0f);                 // screen x 640: off the screen
  StillParticle(1000.0f, -1760.0f);                 // screen y 480: off the screen
  StillParticle(3.0e9f, -3.0e9f);                   // far beyond the 32-bit range
  ExplosionSystem& e = StillParticle(-0.5f, 0.0f);  // truncates towards zero
  controls.cameraX = 0;
  controls.cameraY = 0;
  Update();
  EXPECT_EQ(At(320, 240), 61);  // a spent particle glows one step each frame
  EXPECT_EQ(DrawnCount(), 1u);
  e.x[0] = 1.0e9f;

  controls.cameraX = 1000;
  controls.cameraY = -2000;
  Update();
  EXPECT_EQ(At(1, 1), 62);
  EXPECT_EQ(At(639, 479), 62);
  EXPECT_EQ(DrawnCount(), 2u);
}

// A particle's direction is looked up once per value; whatever the value, the step is the one the
// sine and cosine of that very direction give.
TEST_F(ExplosionsTest, EveryDirectionStepsExactly) {
  settings.explosionParticles = 1604;
  SpawnExplosion(0, 0);
  ExplosionSystem& e = Slot(0);
  std::vector<float> angles;
  for (std::int32_t i = 0; i < 1600; ++i) angles.push_back(static_cast<float>(i * 0.01));
  for (float odd : {0.005f, 3.14159f, 16.0f, -1.0f}) angles.push_back(odd);
  for (std::size_t j = 0; j < angles.size(); ++j) {
    e.angle[j] = angles[j];
    e.speed[j] = 5.6857142f - static_cast<float>(j % 7);
    e.x[j] = 17.25f;
    e.y[j] = -3.5f;
  }
  const std::vector<float> speeds = e.speed;
  Update();
  for (std::size_t j = 0; j < angles.size(); ++j) {
    const double a = angles[j] / 16.0 * static_cast<double>(6.2831855f);
    const float sx = static_cast<float>(std::sin(a) * speeds[j]);
    const float sy = static_cast<float>(std::cos(a) * speeds[j]);
    ASSERT_EQ(e.x[j], static_cast<float>(17.25 + sx)) << j;
    ASSERT_EQ(e.y[j], static_cast<float>(-3.5 - sy)) << j;
  }
}

TEST_F(ExplosionsTest, NoMemoryForAnExplosionLeavesTheRingAsItWas) {
  settings.explosionParticles = 10;
  SpawnExplosion(7, 7);
  Update();
  const ExplosionSystem* live = effects.explosionRing[0].get();
  const std::uint32_t state = rng.state;
  effects.explosionNext = 0;
  platform::ArmFault(platform::Fault::kAllocation);
  EXPECT_THROW(SpawnExplosion(1, 1), std::bad_alloc);
  EXPECT_EQ(effects.explosionRing[0].get(), live);
  EXPECT_EQ(effects.explosionAge[0], 1);
  EXPECT_EQ(effects.explosionNext, 0);
  EXPECT_EQ(rng.state, state);
  for (std::size_t k = 1; k < 10; ++k) EXPECT_FALSE(effects.explosionRing[k]);
  Update();
  EXPECT_EQ(effects.explosionAge[0], 2);
}

}  // namespace
}  // namespace kelmora
