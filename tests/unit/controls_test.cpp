#include "game/controls.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/hash.h"
#include "display/sprites.h"
#include "game/hud.h"
#include "input/input.h"
#include "support.h"

namespace kelmora {
namespace {

using platform::DIK_DOWN;
using platform::DIK_LEFT;
using platform::DIK_LMENU;
using platform::DIK_RIGHT;
using platform::DIK_SPACE;
using platform::DIK_UP;

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetEverything();
    auto player = std::make_unique<PlayerShip>();
    player->name = kPlayerName;
    player->alive = 1;
    player->missiles = 10;
    player->shield = 100;
    world.shipTable.push_back(std::move(player));
    world.shipCount = 1;
  }

  Ship& Player() { return *world.shipTable[0]; }
  void Hold(std::uint8_t key, bool down) { inputState.keyHeld[key] = down ? 0x80 : 0; }
  // One frame's controls with these keys seen released in it.
  void StepReleasing(std::initializer_list<std::uint8_t> keys) {
    for (std::uint8_t key : keys) inputState.keyReleased[key] = 1;
    ControlsStep();
    for (std::uint8_t key : keys) inputState.keyReleased[key] = 0;
  }
};

TEST_F(ControlsTest, HeldArrowTurnsEveryOtherFrame) {
  Hold(DIK_LEFT, true);
  ControlsStep();
  EXPECT_EQ(controls.playerHeading, 15.0f);  // left from 0 wraps to 15
  ControlsStep();
  EXPECT_EQ(controls.playerHeading, 15.0f);
  ControlsStep();
  EXPECT_EQ(controls.playerHeading, 14.0f);
  for (int frame = 3; frame < 32; ++frame) ControlsStep();
  EXPECT_EQ(controls.playerHeading, 0.0f);  // a full turn in 32 frames

  Hold(DIK_LEFT, false);
  Hold(DIK_RIGHT, true);
  controls.playerHeading = 15.0f;
  controls.turnPhase = 0;
  ControlsStep();
  EXPECT_EQ(controls.playerHeading, 0.0f);  // right from 15 wraps to 0

  Hold(DIK_LEFT, true);
  for (int frame = 0; frame < 4; ++frame) ControlsStep();
  EXPECT_EQ(controls.playerHeading, 0.0f);  // both arrows: no turn
}

TEST_F(ControlsTest, ThrustChangesOnReleaseWithinZeroToThree) {
  Hold(DIK_UP, true);
  ControlsStep();
  ControlsStep();
  EXPECT_EQ(controls.playerThrust, 0);  // held: nothing yet
  Hold(DIK_UP, false);
  StepReleasing({DIK_UP});
  EXPECT_EQ(controls.playerThrust, 1);
  StepReleasing({DIK_UP});
  StepReleasing({DIK_UP});
  StepReleasing({DIK_UP});
  EXPECT_EQ(controls.playerThrust, 3);
  StepReleasing({DIK_UP, DIK_DOWN});  // 3 + 1 - 1
  EXPECT_EQ(controls.playerThrust, 3);
  for (int i = 0; i < 4; ++i) StepReleasing({DIK_DOWN});
  EXPECT_EQ(controls.playerThrust, 0);
}

TEST_F(ControlsTest, HeldSpaceFiresEveryOtherFrameAndReleaseStops) {
  Hold(DIK_SPACE, true);
  std::vector<int> firing;
  for (int frame = 0; frame < 4; ++frame) {
    ControlsStep();
    firing.push_back(Player().firing);
  }
  EXPECT_EQ(firing, (std::vector<int>{1, 0, 1, 0}));
  ControlsStep();
  EXPECT_EQ(Player().firing, 1);
  Hold(DIK_SPACE, false);
  StepReleasing({DIK_SPACE});
  EXPECT_EQ(controls.fireToggle, 0);
  EXPECT_EQ(Player().firing, 0);
}

TEST_F(ControlsTest, MissileLaunchesForOneFrameWhileTheStockLasts) {
  Player().missiles = 1;
  StepReleasing({DIK_LMENU});
  EXPECT_EQ(Player().launchMissile, 1);
  EXPECT_EQ(Player().missiles, 0);
  ControlsStep();
  EXPECT_EQ(Player().launchMissile, 0);
  StepReleasing({DIK_LMENU});
  EXPECT_EQ(Player().launchMissile, 0);
  EXPECT_EQ(Player().missiles, 0);

  // A dead ship's stock still goes down.
  Player().alive = 0;
  Player().missiles = 4;
  StepReleasing({DIK_LMENU});
  EXPECT_EQ(Player().missiles, 3);
}

TEST_F(ControlsTest, MotionCopiesToTheShipAndTheStars) {
  controls.playerHeading = 6.0f;
  controls.playerThrust = 2;
  MotionStep();
  EXPECT_EQ(Player().heading, 6.0f);
  EXPECT_EQ(Player().speed, 2);
  for (std::size_t i = 0; i < effectState.stars.size(); ++i) {
    EXPECT_EQ(effectState.stars[i].heading, 6.0f);
    EXPECT_EQ(effectState.starTails[i].heading, 6.0f);
    EXPECT_EQ(effectState.stars[i].thrust, 2);
    EXPECT_EQ(effectState.starTails[i].thrust, 2);
  }
  EXPECT_EQ(Player().x, controls.cameraX);
  EXPECT_EQ(Player().y, controls.cameraY);
  EXPECT_NE(controls.cameraX, 0);

  // Standing still: the camera stays and every star gets heading -1.
  controls.playerThrust = 0;
  const std::int16_t x = controls.cameraX;
  const std::int16_t y = controls.cameraY;
  MotionStep();
  EXPECT_EQ(controls.cameraX, x);
  EXPECT_EQ(controls.cameraY, y);
  EXPECT_EQ(Player().speed, 0);
  for (std::size_t i = 0; i < effectState.stars.size(); ++i) {
    EXPECT_EQ(effectState.stars[i].heading, -1.0f);
    EXPECT_EQ(effectState.starTails[i].heading, -1.0f);
    EXPECT_EQ(effectState.stars[i].thrust, 0);
  }
}

TEST_F(ControlsTest, ScreenPointsAreCentredOnTheCameraAndNeverWrap) {
  controls.cameraX = 100;
  controls.cameraY = -50;
  EXPECT_EQ(ScreenX(100, 0), 320);
  EXPECT_EQ(ScreenY(-50, 0), 240);
  EXPECT_EQ(ScreenX(90, -15), 295);
  EXPECT_EQ(ScreenY(-41, 9), 258);
  // World points are 16-bit and the screen sum is 32-bit: across the world's seam the answer is
  // far off the screen rather than wrapped back onto it.
  controls.cameraX = 32767;
  controls.cameraY = -32768;
  EXPECT_EQ(ScreenX(-32768, 0), -65215);
  EXPECT_EQ(ScreenY(32767, -15), 65760);
}

TEST_F(ControlsTest, CameraTruncatesTheSumAndWraps) {
  controls.playerThrust = 1;
  controls.playerHeading = 2.0f;  // 3 sin 45 = 2.1213
  std::int16_t x = 0;
  std::int16_t y = 0;
  StepCamera(&x, &y);
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, -2);
  x = -10;
  y = 10;
  StepCamera(&x, &y);
  EXPECT_EQ(x, -7);
  EXPECT_EQ(y, 7);

  // The single-precision 2 pi leaves a tiny sideways drift along the axes.
  controls.playerHeading = 8.0f;
  x = 2;
  y = 0;
  StepCamera(&x, &y);
  EXPECT_EQ(x, 1);
  // cos of the rounded pi is a hair above -1: the 3 units are 2.9999999999999885, so from 0
  // the truncated sum moves the camera by 2.
  EXPECT_EQ(y, 2);
  StepCamera(&x, &y);
  StepCamera(&x, &y);
  EXPECT_EQ(x, 0);
  controls.playerHeading = 4.0f;
  x = 0;
  y = -2;
  StepCamera(&x, &y);
  EXPECT_EQ(y, -1);
  EXPECT_EQ(x, 2);  // 2.999999999999997 units
  StepCamera(&x, &y);
  StepCamera(&x, &y);
  EXPECT_EQ(y, 0);
  controls.playerHeading = 12.0f;
  y = 2;
  StepCamera(&x, &y);
  EXPECT_EQ(y, 1);
  controls.playerHeading = 0.0f;
  x = 5;
  StepCamera(&x, &y);
  EXPECT_EQ(x, 5);

  // Flying up past the top of the world.
  y = -32767;
  StepCamera(&x, &y);
  EXPECT_EQ(y, 32766);
}

class LabelTest : public ControlsTest {
 protected:
  // The blit digest of one call, from the frame record.
  template <typename Draw>
  std::uint64_t Digest(Draw draw) {
    frameRecord.blitCount = 0;
    frameRecord.blitWords.clear();
    draw();
    return BlitDigest();
  }
  void ExpectLabel(const Ship& ship, std::int32_t cx, std::int32_t cy, const char* text) {
    const std::uint64_t expected =
        Digest([&] { DrawText(cx, cy, text, static_cast<std::int32_t>(std::strlen(text))); });
    EXPECT_EQ(Digest([&] { DrawShipLabel(ship); }), expected) << text << " " << cx << "," << cy;
  }
};

TEST_F(LabelTest, LabelsSitAboveShipsAndArePinnedToTheScreen) {
  controls.cameraX = 1000;
  controls.cameraY = -2000;
  DroneShip drone;
  drone.name = kDroneName;
  drone.shield = 10;
  drone.x = 1000;
  drone.y = -2000;
  ExpectLabel(drone, 320, 220, "0:Drone:10");  // half = 35
  drone.x = 2000;
  ExpectLabel(drone, 605, 220, "0:Drone:10");
  drone.x = 0;
  drone.y = -5000;
  ExpectLabel(drone, 35, 4, "0:Drone:10");
  drone.x = 1010;
  drone.y = -1000;
  drone.score = 65535;
  drone.shield = 255;
  ExpectLabel(drone, 330, 476, "65535:Drone:255");  // 15 characters, half = 52
  drone.x = 1000 + 300;
  ExpectLabel(drone, 588, 476, "65535:Drone:255");

  Player().x = 1000;
  Player().y = -2000;
  Player().score = 120;
  ExpectLabel(Player(), 320, 220, "120:Vy:100");

  // A name too long for the label is cut at 63 characters, and the label centred on what shows.
  const std::string name(70, 'x');
  drone.name = name.c_str();
  drone.x = 1000;
  drone.y = -2000;
  drone.score = 7;
  ExpectLabel(drone, 320, 220, ("7:" + name.substr(0, 61)).c_str());
  drone.x = -2000;
  ExpectLabel(drone, 220, 220, ("7:" + name.substr(0, 61)).c_str());  // half = 220
}

TEST_F(ControlsTest, ShieldBarColumnsFadeFromGreenToRed) {
  std::vector<std::uint8_t> layer(640 * 480, 0);
  auto at = [&](std::int32_t x, std::int32_t y) {
    return layer[static_cast<std::size_t>(y * 640 + x)];
  };

  Player().shield = 1;
  DrawShieldBar(layer.data(), 640);
  for (std::int32_t y = 1; y <= 25; ++y) EXPECT_EQ(at(1, y), 224);
  EXPECT_EQ(at(1, 0), 0);
  EXPECT_EQ(at(1, 26), 0);
  EXPECT_EQ(at(2, 1), 0);

  Player().shield = 100;
  Player().alive = 0;  // drawn whether or not the ship flies
  DrawShieldBar(layer.data(), 640);
  for (std::int32_t i = 1; i < 200; ++i) {
    // 224 + floor(0.155 i), worked out in integers.
    EXPECT_EQ(at(i, 13), 224 + (155 * i) / 1000) << i;
    EXPECT_EQ(at(i, 25), at(i, 1));
  }
  EXPECT_EQ(at(6, 5), 224);
  EXPECT_EQ(at(7, 5), 225);
  EXPECT_EQ(at(194, 5), 254);
  EXPECT_EQ(at(200, 5), 0);
  for (std::int32_t y = 0; y < 480; ++y) EXPECT_EQ(at(0, y), 0);
}

// The key and button latches as the polls update them from the devices.
class LatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetEverything();
    ASSERT_TRUE(testing::StartHeadlessGame());
  }
  void TearDown() override { testing::ResetEverything(); }

  // One keyboard poll with `key` down or up; then its (latch, released) pair.
  std::pair<int, int> PollKey(std::uint8_t key, bool down) {
    platform::Headless().SetKey(key, down);
    EXPECT_TRUE(PollKeyboard());
    return {inputState.keyLatch[key], inputState.keyReleased[key]};
  }
  std::pair<int, int> PollButton(int button, std::uint8_t byte) {
    platform::Headless().SetButtonByte(button, byte);
    EXPECT_TRUE(PollMouse());
    return {inputState.buttonLatch[button], inputState.buttonReleased[button]};
  }
  using Pair = std::pair<int, int>;
};

TEST_F(LatchTest, AKeyHeldThenLetGoReportsOneReleasedEdge) {
  EXPECT_EQ(PollKey(DIK_UP, false), Pair(0, 0));  // the first poll reports no edge
  for (int poll = 0; poll < 50; ++poll) ASSERT_EQ(PollKey(DIK_UP, true), Pair(1, 0)) << poll;
  EXPECT_EQ(PollKey(DIK_UP, false), Pair(0, 1));  // the edge, for exactly one poll
  EXPECT_EQ(PollKey(DIK_UP, false), Pair(0, 0));
  EXPECT_EQ(PollKey(DIK_UP, false), Pair(0, 0));
  // The other keys were never down: no latch, no edge.
  for (std::uint8_t other : {DIK_SPACE, DIK_LMENU}) EXPECT_EQ(PollKey(other, false), Pair(0, 0));
}

TEST_F(LatchTest, AKeyDownAgainInThePollAfterItsEdgeKeepsTheEdgeWhileHeld) {
  PollKey(DIK_SPACE, true);
  EXPECT_EQ(PollKey(DIK_SPACE, false), Pair(0, 1));
  // Down again in the poll that would clear the edge: held does not touch it, so the edge stays
  // for every poll the key stays down.
  for (int poll = 0; poll < 5; ++poll) ASSERT_EQ(PollKey(DIK_SPACE, true), Pair(1, 1)) << poll;
  // Let go: the first up-poll only clears the edge; the second reports the new one, a poll late.
  EXPECT_EQ(PollKey(DIK_SPACE, false), Pair(1, 0));
  EXPECT_EQ(PollKey(DIK_SPACE, false), Pair(0, 1));
  EXPECT_EQ(PollKey(DIK_SPACE, false), Pair(0, 0));
}

TEST_F(LatchTest, AnActionOnTheEdgeRepeatsWhileTheKeyIsDownAgain) {
  auto player = std::make_unique<PlayerShip>();
  player->alive = 1;
  world.shipTable.clear();
  world.shipTable.push_back(std::move(player));
  world.shipCount = 1;
  controls.playerThrust = 0;
  PollKey(DIK_UP, true);
  ControlsStep();
  PollKey(DIK_UP, false);
  ControlsStep();
  EXPECT_EQ(controls.playerThrust, 1);
  PollKey(DIK_UP, true);  // down again in the poll after the edge
  ControlsStep();
  EXPECT_EQ(controls.playerThrust, 2);  // the edge acts again while the key is down
  PollKey(DIK_UP, false);
  ControlsStep();
  EXPECT_EQ(controls.playerThrust, 2);  // the first up-poll only clears the edge
  PollKey(DIK_UP, false);
  ControlsStep();
  EXPECT_EQ(controls.playerThrust, 3);  // the new edge, one poll late
}

TEST_F(LatchTest, AKeyPressedAndLetGoBetweenPollsIsNeverSeen) {
  platform::Headless().SetKey(DIK_LMENU, true);
  platform::Headless().SetKey(DIK_LMENU, false);
  ASSERT_TRUE(PollKeyboard());
  EXPECT_EQ(inputState.keyLatch[DIK_LMENU], 0);
  EXPECT_EQ(PollKey(DIK_LMENU, false), Pair(0, 0));
}

TEST_F(LatchTest, ButtonsFollowTheSameRuleForAnyNonZeroByte) {
  EXPECT_EQ(PollButton(0, 0), Pair(0, 0));
  EXPECT_EQ(PollButton(0, 0x01), Pair(1, 0));  // any non-zero byte is down, not only bit 7
  EXPECT_EQ(PollButton(0, 0x40), Pair(1, 0));
  EXPECT_EQ(PollButton(0, 0), Pair(0, 1));
  EXPECT_EQ(PollButton(0, 0), Pair(0, 0));
  // The right and third buttons keep their own latches; the fourth button has none.
  EXPECT_EQ(PollButton(1, 0x80), Pair(1, 0));
  EXPECT_EQ(PollButton(2, 0x02), Pair(1, 0));
  platform::Headless().SetButtonByte(3, 0x80);
  ASSERT_TRUE(PollMouse());
  EXPECT_EQ(inputState.buttonLatch[0], 0);
  EXPECT_EQ(inputState.buttonReleased[0], 0);
  EXPECT_EQ(PollButton(1, 0), Pair(0, 1));
  // Down again in the poll after the edge: as for keys, the edge stays while held.
  EXPECT_EQ(PollButton(1, 0x80), Pair(1, 1));
  EXPECT_EQ(PollButton(1, 0), Pair(1, 0));
  EXPECT_EQ(PollButton(1, 0), Pair(0, 1));
}

}  // namespace
}  // namespace kelmora
