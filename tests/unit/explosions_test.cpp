#include "effects/explosions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <new>
#include <vector>

#include "platform/faults.h"
#include "state/state.h"
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
  ExplosionSystem& Slot(std::size_t k) { return *effectState.explosionRing[k]; }
  // A one-particle explosion at (x, y) pointing up, standing still, colour 60, in the next slot.
  ExplosionSystem& StillParticle(float x, float y) {
    settings.explosionParticles = 1;
    const auto slot = static_cast<std::size_t>(effectState.explosionNext);
    SpawnExplosion(0, 0);
    ExplosionSystem& e = Slot(slot);
    e.x[0] = x;
    e.y[0] = y;
    e.angle[0] = 0.0f;
    e.speed[0] = 0.0f;
    e.colour[0] = 60;
    return e;
  }

  std::vector<std::uint8_t> layer_ = std::vector<std::uint8_t>(640 * 480, 0);
};

// Values worked out by hand from the generator, apart from the game's code.
TEST_F(ExplosionsTest, SpawnAndStepFollowTheWorkedValues) {
  settings.explosionParticles = 4;
  rng.Seed(2024);
  SpawnExplosion(100, -50);
  const ExplosionSystem& e = Slot(0);  // direction, then speed, for each particle in turn
  EXPECT_EQ(e.active, 1);
  EXPECT_EQ(e.angle, (std::vector<float>{2.48f, 8.49f, 11.37f, 5.1f}));
  EXPECT_EQ(e.speed, (std::vector<float>{4.057142734527588f, 3.885714292526245f,
                                         1.2000000476837158f, 3.4571428298950195f}));
  EXPECT_EQ(e.colour, (std::vector<std::int32_t>{70, 70, 61, 69}));
  EXPECT_EQ(e.x, std::vector<float>(4, 100.0f));
  EXPECT_EQ(rng.state, 374955952u);
  EXPECT_EQ(effectState.explosionNext, 1);

  settings.explosionJitter = 1;  // x's draw, then y's, particle by particle
  Update();
  EXPECT_EQ(e.x, (std::vector<float>{103.315582f, 97.3769073f, 99.6765366f, 102.979584f}));
  EXPECT_EQ(e.y, (std::vector<float>{-54.080452f, -46.0660019f, -49.6661377f, -50.1126328f}));
  EXPECT_EQ(e.speed, (std::vector<float>{3.95714283f, 3.78571439f, 1.10000002f, 3.35714293f}));
  EXPECT_EQ(rng.state, 3044613240u);

  settings.explosionJitter = 0;  // no draws at all
  Update();
  EXPECT_EQ(e.x, (std::vector<float>{106.588455f, 96.6529388f, 98.6100311f, 106.028351f}));
  EXPECT_EQ(e.y, (std::vector<float>{-56.3046951f, -42.3501587f, -49.3967667f, -48.7071304f}));
  EXPECT_EQ(rng.state, 3044613240u);
  EXPECT_EQ(effectState.explosionAge[0], 2);
}

// Directions come from a table of the 1600 a particle can be born with; any direction must step
// exactly as its own sine and cosine give.
TEST_F(ExplosionsTest, EveryDirectionStepsExactly) {
  settings.explosionParticles = 1604;
  SpawnExplosion(0, 0);
  ExplosionSystem& e = Slot(0);
  for (std::int32_t i = 0; i < 1600; ++i) e.angle[i] = static_cast<float>(i * 0.01);
  for (std::size_t j = 1600; j < 1604; ++j)
    e.angle[j] = (std::vector{0.005f, 3.14159f, 16.0f, -1.0f})[j - 1600];
  for (std::size_t j = 0; j < 1604; ++j) {
    e.speed[j] = 5.6857142f - static_cast<float>(j % 7);
    e.x[j] = 17.25f;
    e.y[j] = -3.5f;
  }
  const std::vector<float> speeds = e.speed;
  Update();
  for (std::size_t j = 0; j < 1604; ++j) {
    const double a = e.angle[j] / 16.0 * static_cast<double>(6.2831855f);
    ASSERT_EQ(e.x[j], static_cast<float>(17.25 + static_cast<float>(std::sin(a) * speeds[j])));
    ASSERT_EQ(e.y[j], static_cast<float>(-3.5 - static_cast<float>(std::cos(a) * speeds[j])));
  }
}

TEST_F(ExplosionsTest, SpentParticleStopsAndGlowsUpTo79) {
  ExplosionSystem& e = StillParticle(50.0f, 50.0f);
  e.speed[0] = 0.25f;
  e.colour[0] = 75;
  Update();  // each step uses the speed before that frame's decay
  EXPECT_EQ(e.y[0], 49.75f);
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
}

TEST_F(ExplosionsTest, LivesFiftyOneFramesEvenWhilePaused) {
  controls.paused = 1;
  settings.explosionParticles = 700;
  SpawnExplosion(0, 0);
  for (int frame = 1; frame <= 51; ++frame) {
    ASSERT_TRUE(effectState.explosionRing[0]) << frame;
    Update();
    ASSERT_GT(DrawnCount(), 0u) << frame;
  }
  EXPECT_FALSE(effectState.explosionRing[0]);
  Update();
  EXPECT_EQ(DrawnCount(), 0u);
}

TEST_F(ExplosionsTest, RingWrapsAndAnEndingExplosionSendsTheNextToSlotZero) {
  settings.explosionParticles = 10;
  for (std::int32_t k = 0; k < 10; ++k) SpawnExplosion(k, 0);
  EXPECT_EQ(effectState.explosionNext, 0);
  EXPECT_EQ(Slot(9).x[0], 9.0f);
  Update();
  SpawnExplosion(500, 0);  // the eleventh replaces the live one in slot 0
  EXPECT_EQ(Slot(0).x[0], 500.0f);
  EXPECT_EQ(effectState.explosionAge[0], 0);
  EXPECT_EQ(effectState.explosionNext, 1);
  SpawnExplosion(600, 0);  // slot 1
  for (int frame = 0; frame < 25; ++frame) Update();
  SpawnExplosion(700, 0);  // slot 2
  EXPECT_EQ(effectState.explosionNext, 3);
  // Slots 3..9 end first: the next explosion goes to slot 0 although slots 0..2 are live.
  for (int frame = 0; frame < 25; ++frame) Update();
  EXPECT_FALSE(effectState.explosionRing[3]);
  EXPECT_TRUE(effectState.explosionRing[2]);
  EXPECT_EQ(effectState.explosionNext, 0);
  SpawnExplosion(800, 0);
  EXPECT_EQ(Slot(0).x[0], 800.0f);
  EXPECT_EQ(effectState.explosionNext, 1);
}

TEST_F(ExplosionsTest, ParticlesAreDrawnRelativeToTheCameraWithinTheScreen) {
  controls.cameraX = 1000;
  controls.cameraY = -2000;
  StillParticle(681.0f, -2239.0f);   // screen (1, 1): the first drawable point
  StillParticle(680.9f, -2000.0f);   // screen x 0: never drawn
  StillParticle(1319.0f, -1761.0f);  // screen (639, 479)
  StillParticle(1320.0f, -1900.0f);  // screen x 640
  StillParticle(1000.0f, -1760.0f);  // screen y 480
  StillParticle(3.0e9f, -3.0e9f);    // far beyond the 32-bit range
  StillParticle(999.5f, -2000.5f);   // truncated towards zero: screen (319, 240)
  Update();
  // A spent particle glows one step each frame.
  EXPECT_EQ(layer_[1 * 640 + 1], 61);
  EXPECT_EQ(layer_[479 * 640 + 639], 61);
  EXPECT_EQ(layer_[240 * 640 + 319], 61);
  EXPECT_EQ(DrawnCount(), 3u);
}

TEST_F(ExplosionsTest, NoMemoryForAnExplosionLeavesTheRingAsItWas) {
  settings.explosionParticles = 10;
  SpawnExplosion(7, 7);
  effectState.explosionNext = 0;
  const ExplosionSystem* live = effectState.explosionRing[0].get();
  const std::uint32_t state = rng.state;
  platform::ArmFault(platform::Fault::kAllocation);
  EXPECT_THROW(SpawnExplosion(1, 1), std::bad_alloc);
  EXPECT_EQ(effectState.explosionRing[0].get(), live);
  EXPECT_EQ(effectState.explosionNext, 0);
  EXPECT_EQ(rng.state, state);
  EXPECT_FALSE(effectState.explosionRing[1]);
}

}  // namespace
}  // namespace kelmora
