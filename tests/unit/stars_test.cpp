#include "effects/stars.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "state/state.h"
#include "support.h"

namespace kelmora {
namespace {

using Points = std::set<std::pair<std::int32_t, std::int32_t>>;

class StarsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetEverything();
    // Every star parked at (0, 0), standing still: nothing there is ever stored or wrapped.
    for (std::size_t i = 0; i < effectState.stars.size(); ++i) {
      effectState.stars[i] = Star{0.0f, 0.0f, 2, 28, 0.0f, 0};
      effectState.starTails[i] = effectState.stars[i];
    }
  }

  // Star i at (x, y) with its tail on it, moving with this heading and thrust.
  Star& Put(std::size_t i, float x, float y, std::int32_t speed, float heading,
            std::int32_t thrust) {
    effectState.stars[i] = Star{x, y, speed, 30 - speed, heading, thrust};
    effectState.starTails[i] = effectState.stars[i];
    return effectState.stars[i];
  }
  void Step() { StepStars(layer_.data(), 640); }
  Points Drawn(std::uint8_t colour) const {
    Points points;
    for (std::size_t i = 0; i < layer_.size(); ++i) {
      if (layer_[i] == colour) {
        points.insert({static_cast<std::int32_t>(i % 640), static_cast<std::int32_t>(i / 640)});
      }
    }
    return points;
  }
  std::size_t DrawnCount() const {
    std::size_t count = 0;
    for (std::uint8_t value : layer_) count += value != 0 ? 1 : 0;
    return count;
  }

  std::vector<std::uint8_t> layer_ = std::vector<std::uint8_t>(640 * 480, 0);
};

TEST_F(StarsTest, PlacingDrawsPositionThenSpeedForEachStar) {
  rng.Seed(77);
  PlaceStars();
  RandomGenerator g;
  g.Seed(77);
  for (std::size_t i = 0; i < effectState.stars.size(); ++i) {
    const Star& head = effectState.stars[i];
    const Star& tail = effectState.starTails[i];
    const std::int32_t x = g.Draw() % 640;
    const std::int32_t y = g.Draw() % 480;
    const std::int32_t k = g.Draw() % 14;
    EXPECT_EQ(head.x, static_cast<float>(x));
    EXPECT_EQ(head.y, static_cast<float>(y));
    EXPECT_EQ(head.speed, k + 2);
    EXPECT_EQ(head.colour + head.speed, 30);
    EXPECT_EQ(head.heading, 0.0f);
    EXPECT_EQ(tail.x, head.x);
    EXPECT_EQ(tail.y, head.y);
    EXPECT_EQ(tail.speed, head.speed);
    EXPECT_EQ(tail.colour, head.colour);
  }
  EXPECT_EQ(rng.state, g.state);
}

TEST_F(StarsTest, BroadcastReachesHeadsAndTails) {
  SetStarHeading(9.0f);
  SetStarThrust(3);
  for (std::size_t i = 0; i < effectState.stars.size(); ++i) {
    EXPECT_EQ(effectState.stars[i].heading, 9.0f);
    EXPECT_EQ(effectState.starTails[i].heading, 9.0f);
    EXPECT_EQ(effectState.stars[i].thrust, 3);
    EXPECT_EQ(effectState.starTails[i].thrust, 3);
  }
}

TEST_F(StarsTest, StandingStillStarsArePixels) {
  Put(0, 100.0f, 100.0f, 10, -1.0f, 0);
  Step();
  EXPECT_EQ(effectState.stars[0].x, 100.0f);
  EXPECT_EQ(effectState.stars[0].y, 100.0f);
  EXPECT_EQ(Drawn(20), (Points{{100, 100}}));
  EXPECT_EQ(DrawnCount(), 1u);
}

TEST_F(StarsTest, ThrustOneMovesSinglePixels) {
  controls.playerThrust = 1;
  Put(0, 100.0f, 100.0f, 10, 0.0f, 1);  // (10 * 1) / 2 = 5 pixels down
  Put(1, 200.0f, 100.0f, 15, 0.0f, 1);  // (15 * 1) / 2 = 7
  Step();
  EXPECT_EQ(effectState.stars[0].y, 105.0f);
  EXPECT_EQ(effectState.stars[1].y, 107.0f);
  EXPECT_EQ(Drawn(20), (Points{{100, 105}}));
  EXPECT_EQ(Drawn(15), (Points{{200, 107}}));
  EXPECT_EQ(DrawnCount(), 2u);
  EXPECT_EQ(effectState.starTails[0].y, 105.0f);
}

TEST_F(StarsTest, FastStarsAreStreaksOfTheirPath) {
  controls.playerThrust = 2;
  Put(0, 100.0f, 100.0f, 10, 0.0f, 2);  // flying up: 10 pixels down
  Step();
  Points column;
  for (std::int32_t y = 100; y <= 110; ++y) column.insert({100, y});
  EXPECT_EQ(Drawn(20), column);
  EXPECT_EQ(effectState.stars[0].y, 110.0f);
  EXPECT_EQ(effectState.starTails[0].x, effectState.stars[0].x);
  EXPECT_EQ(effectState.starTails[0].y, effectState.stars[0].y);

  // Flying right at level 3: (15 * 3) / 2 = 22 pixels to the left.
  std::fill(layer_.begin(), layer_.end(), 0);
  controls.playerThrust = 3;
  Put(0, 300.0f, 200.0f, 15, 4.0f, 3);
  Step();
  EXPECT_EQ(effectState.stars[0].x, 278.0f);
  EXPECT_EQ(effectState.stars[0].y, 200.0f);
  Points row;
  for (std::int32_t x = 278; x <= 300; ++x) row.insert({x, 200});
  EXPECT_EQ(Drawn(15), row);
}

TEST_F(StarsTest, PausedStarsStandStillButAreDrawnAndWrapped) {
  controls.paused = 1;
  controls.playerThrust = 3;
  Put(0, 100.0f, 100.0f, 10, 0.0f, 3);
  Put(1, -2.0f, 50.0f, 10, 0.0f, 3);
  rng.Seed(5);
  Step();
  EXPECT_EQ(effectState.stars[0].y, 100.0f);
  EXPECT_EQ(Drawn(20), (Points{{100, 100}}));
  EXPECT_EQ(effectState.stars[1].x, 640.0f);
  EXPECT_NE(rng.state, 5u);
}

TEST_F(StarsTest, WrapsOnlyBeyondTheMargins) {
  rng.Seed(3);
  Put(0, 100.0f, 481.5f, 10, 0.0f, 0);  // 481 is not above 481
  Put(1, -1.9f, 100.0f, 10, 0.0f, 0);   // -1 is not below -1
  Put(2, 641.9f, 100.0f, 10, 0.0f, 0);
  Put(3, 100.0f, -1.5f, 10, 0.0f, 0);
  Step();
  EXPECT_EQ(effectState.stars[0].y, 481.5f);
  EXPECT_EQ(effectState.stars[1].x, -1.9f);
  EXPECT_EQ(effectState.stars[2].x, 641.9f);
  EXPECT_EQ(effectState.stars[3].y, -1.5f);
  EXPECT_EQ(rng.state, 3u);
  EXPECT_EQ(DrawnCount(), 0u);
}

TEST_F(StarsTest, WrappedStarsReenterOnTheOppositeEdgeInStarOrder) {
  rng.Seed(11);
  Put(0, 100.0f, 482.0f, 10, 0.0f, 0);  // below: back at the top
  Put(1, -2.0f, 100.0f, 10, 0.0f, 0);   // left: back at the right
  Put(2, 642.0f, 100.0f, 10, 0.0f, 0);  // right: back at the left
  Put(3, 100.0f, -2.0f, 10, 0.0f, 0);   // above: back at the bottom
  Put(4, -5.0f, -5.0f, 10, 0.0f, 0);    // a corner counts as sideways
  Step();

  RandomGenerator g;
  g.Seed(11);
  auto next = [&](std::int32_t n) { return g.Draw() % n; };
  struct Expected {
    float x, y;
    std::int32_t speed;
  };
  std::vector<Expected> expected;
  {
    const float x = static_cast<float>(next(640));
    expected.push_back({x, 0.0f, next(14) + 2});
  }
  {
    const float y = static_cast<float>(next(480));
    expected.push_back({640.0f, y, next(14) + 2});
  }
  {
    const float y = static_cast<float>(next(480));
    expected.push_back({0.0f, y, next(14) + 2});
  }
  {
    const float x = static_cast<float>(next(640));
    expected.push_back({x, 480.0f, next(14) + 2});
  }
  {
    const float y = static_cast<float>(next(480));
    expected.push_back({640.0f, y, next(14) + 2});
  }
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Star& head = effectState.stars[i];
    const Star& tail = effectState.starTails[i];
    EXPECT_EQ(head.x, expected[i].x) << i;
    EXPECT_EQ(head.y, expected[i].y) << i;
    EXPECT_EQ(head.speed, expected[i].speed) << i;
    EXPECT_EQ(head.colour + head.speed, 30) << i;
    EXPECT_EQ(tail.x, head.x) << i;
    EXPECT_EQ(tail.y, head.y) << i;
    EXPECT_EQ(tail.speed, head.speed) << i;
    EXPECT_EQ(tail.colour, head.colour) << i;
  }
  EXPECT_EQ(rng.state, g.state);
}

}  // namespace
}  // namespace kelmora
