#include "display/sprites.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/hash.h"
#include "game/hud.h"
#include "support.h"

namespace kelmora {
namespace {

using platform::Fault;

using Blit = testing::RecordedBlit;
using testing::DigestOf;

// The sheet's pixel (x, y) in these tests: never the key colour 0.
std::uint8_t SheetValue(std::int32_t x, std::int32_t y) {
  return static_cast<std::uint8_t>(1 + (x + 3 * y) % 250);
}

class SpritesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetEverything();
    backBuffer_ = std::make_unique<platform::Surface>("backBuffer", 640, 480, 0);
    displayObjects.backBuffer = backBuffer_.get();
    displayObjects.clipper = std::make_unique<platform::Clipper>();
    backBuffer_->SetClipper(displayObjects.clipper.get());
    displayObjects.sheetSurface = std::make_unique<platform::Surface>("sheetSurface", 640, 480, 0);
    displayObjects.sheetSurface->SetColorKey(platform::DDCKEY_SRCBLT, platform::ColorKey{0, 0});
    platform::Surface& sheet = *displayObjects.sheetSurface;
    for (std::int32_t y = 0; y < 480; ++y) {
      for (std::int32_t x = 0; x < 640; ++x) {
        sheet.Pixels()[y * sheet.Pitch() + x] = SheetValue(x, y);
      }
    }
    displayObjects.guiSurface = std::make_unique<platform::Surface>("guiSurface", 640, 480, 0);
    displayObjects.pixelLayer = std::make_unique<platform::Surface>("pixelLayer", 640, 480, 0);
    frameRecord.blitCount = 0;
    frameRecord.blitWords.clear();
  }
  // The surfaces go before the test's back buffer, and none outlives the test.
  void TearDown() override { testing::ResetEverything(); }

  std::uint8_t Back(std::int32_t x, std::int32_t y) const {
    return backBuffer_->Pixels()[y * backBuffer_->Pitch() + x];
  }
  // Whether Blt was reached: an armed busy report is used up only by a call to it.
  bool ReachesDisplay(const Rect& destination) {
    platform::ClearFaults();
    platform::ArmFault(Fault::kBlitBusy, 1);
    BlitSprite(Rect{0, 0, 30, 30}, destination, displayObjects.sheetSurface.get(),
               kSpriteBlitFlags);
    return platform::PendingFaults(Fault::kBlitBusy) == 0;
  }
  Ship& AddPlayer() {
    world.shipTable.push_back(std::make_unique<PlayerShip>());
    return *world.shipTable.back();
  }

  std::unique_ptr<platform::Surface> backBuffer_;
};

TEST_F(SpritesTest, OffScreenTestHasInclusiveLimits) {
  EXPECT_TRUE(ReachesDisplay(Rect{640, 100, 670, 130}));
  EXPECT_FALSE(ReachesDisplay(Rect{641, 100, 671, 130}));
  EXPECT_TRUE(ReachesDisplay(Rect{-30, 100, 0, 130}));
  EXPECT_FALSE(ReachesDisplay(Rect{-31, 100, -1, 130}));
  EXPECT_TRUE(ReachesDisplay(Rect{100, 480, 130, 510}));
  EXPECT_FALSE(ReachesDisplay(Rect{100, 481, 130, 511}));
  EXPECT_TRUE(ReachesDisplay(Rect{100, -30, 130, 0}));
  EXPECT_FALSE(ReachesDisplay(Rect{100, -31, 130, -1}));
  // Reaching the display at the edge draws nothing: the clipper leaves nothing of it.
  for (std::int32_t y = 0; y < 480; ++y) EXPECT_EQ(Back(639, y), 0);
}

TEST_F(SpritesTest, PartlyVisibleSpriteIsClipped) {
  // From (-29, 10) to (1, 40): only the sprite's rightmost column shows, in screen column 0.
  BlitSprite(Rect{0, 0, 30, 30}, Rect{-29, 10, 1, 40}, displayObjects.sheetSurface.get(),
             kSpriteBlitFlags);
  for (std::int32_t row = 0; row < 30; ++row) {
    EXPECT_EQ(Back(0, 10 + row), SheetValue(29, row)) << row;
    EXPECT_EQ(Back(1, 10 + row), 0);
  }
  EXPECT_EQ(Back(0, 9), 0);
  EXPECT_EQ(Back(0, 40), 0);
}

TEST_F(SpritesTest, RetriesWhileBusyAndDropsOtherFailures) {
  platform::ArmFault(Fault::kBlitBusy, 3);
  BlitSprite(Rect{31, 0, 61, 30}, Rect{100, 100, 130, 130}, displayObjects.sheetSurface.get(),
             kSpriteBlitFlags);
  EXPECT_EQ(platform::PendingFaults(Fault::kBlitBusy), 0);
  EXPECT_EQ(Back(100, 100), SheetValue(31, 0));
  EXPECT_EQ(Back(129, 129), SheetValue(60, 29));

  // A lost source refuses the blit: it is dropped, not retried, and nothing is drawn.
  displayObjects.sheetSurface->MarkLost();
  BlitSprite(Rect{0, 0, 30, 30}, Rect{200, 200, 230, 230}, displayObjects.sheetSurface.get(),
             kSpriteBlitFlags);
  EXPECT_EQ(Back(200, 200), 0);

  // Without a back buffer nothing is drawn, but the call is still recorded.
  displayObjects.backBuffer = nullptr;
  BlitSprite(Rect{0, 0, 30, 30}, Rect{300, 200, 330, 230}, displayObjects.sheetSurface.get(),
             kSpriteBlitFlags);
  EXPECT_EQ(frameRecord.blitCount, 3u);
}

TEST_F(SpritesTest, RecordsEveryCallBeforeTheOffScreenTest) {
  BlitSprite(Rect{0, 0, 640, 480}, Rect{0, 0, 640, 480}, displayObjects.pixelLayer.get(),
             kCopyBlitFlags);
  BlitSprite(Rect{1, 2, 3, 4}, Rect{700, 5, 730, 35}, displayObjects.sheetSurface.get(),
             kSpriteBlitFlags);  // off the screen
  BlitSprite(Rect{10, 20, 30, 40}, Rect{-5, -6, 7, 8}, displayObjects.guiSurface.get(),
             kSpriteBlitFlags);
  EXPECT_EQ(frameRecord.blitCount, 3u);
  EXPECT_EQ(BlitDigest(), DigestOf({{2, {0, 0, 640, 480}, {0, 0, 640, 480}, 0x1000000},
                                    {0, {1, 2, 3, 4}, {700, 5, 730, 35}, 0x1008000},
                                    {1, {10, 20, 30, 40}, {-5, -6, 7, 8}, 0x1008000}}));
}

TEST_F(SpritesTest, TextPlacesGlyphCellsOnASevenPixelAdvance) {
  DrawText(320, 100, "0:Drone:10", 10);
  // x0 = 320 - 70 / 2 = 285; rows 96..102.
  const Rect zero{63, 140, 69, 147};
  const Rect colon{84, 140, 90, 147};
  std::vector<Blit> expected = {
      {0, zero, {285, 96, 291, 103}, 0x1008000},
      {0, colon, {292, 96, 298, 103}, 0x1008000},
      {0, {21, 124, 27, 131}, {299, 96, 305, 103}, 0x1008000},    // D
      {0, {119, 132, 125, 139}, {306, 96, 312, 103}, 0x1008000},  // r
      {0, {98, 132, 104, 139}, {313, 96, 319, 103}, 0x1008000},   // o
      {0, {91, 132, 97, 139}, {320, 96, 326, 103}, 0x1008000},    // n
      {0, {28, 132, 34, 139}, {327, 96, 333, 103}, 0x1008000},    // e
      {0, colon, {334, 96, 340, 103}, 0x1008000},
      {0, {0, 140, 6, 147}, {341, 96, 347, 103}, 0x1008000},  // 1
      {0, zero, {348, 96, 354, 103}, 0x1008000},              // last box: columns 348..353
  };
  EXPECT_EQ(frameRecord.blitCount, 10u);
  EXPECT_EQ(BlitDigest(), DigestOf(expected));
}

TEST_F(SpritesTest, TextCoversTheWholeGlyphTable) {
  // Odd length: x0 = 10 - 63 / 2 = -21.
  DrawText(10, 50, "Zz9-=_ ?\xC9", 9);
  const std::vector<Rect> cells = {
      {175, 124, 181, 131}, {175, 132, 181, 139}, {56, 140, 62, 147},
      {70, 140, 76, 147},   {77, 140, 83, 147},   {91, 140, 97, 147},
      {0, 0, 1, 1},         {0, 0, 1, 1},         {0, 0, 1, 1},  // space, and two unknowns
  };
  std::vector<Blit> expected;
  for (std::int32_t i = 0; i < 9; ++i) {
    expected.push_back(
        {0, cells[static_cast<std::size_t>(i)], {-21 + 7 * i, 46, -15 + 7 * i, 53}, 0x1008000});
  }
  EXPECT_EQ(BlitDigest(), DigestOf(expected));

  // Nothing at all for an empty text.
  frameRecord.blitCount = 0;
  DrawText(320, 240, "abc", 0);
  EXPECT_EQ(frameRecord.blitCount, 0u);
}

TEST_F(SpritesTest, ScoreShowsFiveLargeDigits) {
  Ship& player = AddPlayer();
  player.score = 7;
  DrawScore();
  const Rect zero{160, 148, 175, 182};
  EXPECT_EQ(BlitDigest(), DigestOf({{0, zero, {555, 0, 570, 33}, 0x1008000},
                                    {0, zero, {571, 0, 586, 33}, 0x1008000},
                                    {0, zero, {587, 0, 602, 33}, 0x1008000},
                                    {0, zero, {603, 0, 618, 33}, 0x1008000},
                                    {0, {112, 148, 127, 182}, {619, 0, 634, 33}, 0x1008000}}));

  frameRecord.blitWords.clear();
  player.score = 65535;
  player.alive = 0;  // shown whether or not the ship flies
  DrawScore();
  EXPECT_EQ(BlitDigest(), DigestOf({{0, {96, 148, 111, 182}, {555, 0, 570, 33}, 0x1008000},
                                    {0, {80, 148, 95, 182}, {571, 0, 586, 33}, 0x1008000},
                                    {0, {80, 148, 95, 182}, {587, 0, 602, 33}, 0x1008000},
                                    {0, {48, 148, 63, 182}, {603, 0, 618, 33}, 0x1008000},
                                    {0, {80, 148, 95, 182}, {619, 0, 634, 33}, 0x1008000}}));
}

TEST_F(SpritesTest, MissileIconsRunLeftFromTheRightEdge) {
  Ship& player = AddPlayer();
  player.missiles = 0;
  DrawMissileIcons();
  EXPECT_EQ(frameRecord.blitCount, 0u);

  player.missiles = 15;
  DrawMissileIcons();
  std::vector<Blit> expected;
  for (std::int32_t i = 0; i < 15; ++i) {
    expected.push_back({0, {0, 185, 12, 197}, {628 - 12 * i, 35, 640 - 12 * i, 47}, 0x1008000});
  }
  EXPECT_EQ(frameRecord.blitCount, 15u);
  EXPECT_EQ(BlitDigest(), DigestOf(expected));
  // The last icon's left column is 460, and the icons touch.
  EXPECT_EQ(Back(460, 35), SheetValue(0, 185));
  EXPECT_EQ(Back(639, 46), SheetValue(11, 196));
  EXPECT_EQ(Back(459, 35), 0);
}

}  // namespace
}  // namespace kelmora
