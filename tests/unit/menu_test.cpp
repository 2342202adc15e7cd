#include "menu/menu.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/hash.h"
#include "display/sprites.h"
#include "input/input.h"
#include "support.h"

namespace kelmora {
namespace {

using platform::Fault;

using Blit = testing::RecordedBlit;
using testing::DigestOf;

// The screen's panels and the cursor as the menus draw them.
const Blit kMainMenu{1, {0, 0, 79, 64}, {280, 208, 360, 272}};
const Blit kOptions{1, {81, 0, 258, 104}, {232, 188, 409, 292}};
const Blit kCheckOn{1, {260, 0, 277, 17}, {380, 192, 397, 209}};
const Blit kCheckOff{1, {279, 0, 296, 17}, {380, 192, 397, 209}};
const Blit kExit{1, {0, 106, 248, 151}, {196, 218, 444, 262}};

Blit CursorBlit(std::int32_t x, std::int32_t y, bool firing) {
  const Rect cell = firing ? Rect{434, 31, 464, 61} : Rect{434, 0, 464, 30};
  return Blit{0, cell, {x, y, x + 30, y + 30}};
}

// A number in the small font, centred on (cx, cy).
void AddNumber(std::vector<Blit>& blits, std::int32_t cx, std::int32_t cy, int value) {
  const std::string text = std::to_string(value);
  const std::int32_t n = static_cast<std::int32_t>(text.size());
  const std::int32_t x0 = cx - (7 * n) / 2;
  for (std::int32_t i = 0; i < n; ++i) {
    const int digit = text[static_cast<std::size_t>(i)] - '0';
    const std::int32_t k = digit == 0 ? 9 : digit - 1;
    blits.push_back(
        Blit{0, {7 * k, 140, 7 * k + 6, 147}, {x0 + 7 * i, cy - 4, x0 + 7 * i + 6, cy + 3}});
  }
}

// The options panel with its check box and the three values of the settings now.
void AddOptions(std::vector<Blit>& blits) {
  blits.push_back(kOptions);
  blits.push_back(settings.explosionJitter != 0 ? kCheckOn : kCheckOff);
  AddNumber(blits, 389, 220, settings.droneCount);
  AddNumber(blits, 389, 239, settings.explosionParticles);
  AddNumber(blits, 389, 258, settings.pickupSetting);
}

class MenuTest : public ::testing::Test {
 public:
  void SetUp() override {
    testing::ResetEverything();
    platform::WindowClass windowClass;
    windowClass.procedure = WindowProc;
    platform::RegisterWindowClass(windowClass);
    appState.mainWindow = platform::CreateGameWindow(kWindowCaption);
    ASSERT_NE(appState.mainWindow, 0);
    ASSERT_EQ(CreateInputDevices(), 0);
    displayObjects.sheetSurface = std::make_unique<platform::Surface>("sheetSurface", 640, 480, 0);
    displayObjects.guiSurface = std::make_unique<platform::Surface>("guiSurface", 640, 480, 0);
    // The player's ship out of play, as after start-up.
    world.shipTable.push_back(std::make_unique<PlayerShip>());
  }
  void TearDown() override { testing::ResetEverything(); }

  static platform::HeadlessBackend& Mouse() { return platform::Headless(); }

  // One menu frame, with the frame record cleared as the game's frame clears it.
  void Frame() {
    frameRecord.blitCount = 0;
    frameRecord.blitWords.clear();
    MenuFrame();
  }
  // Moves the cursor to (x, y) with the button states left as they are.
  void MoveTo(std::int32_t x, std::int32_t y) {
    Mouse().AddMouseMotion(x - menuState.cursorX, y - menuState.cursorY);
    Frame();
  }
  // Moves to (x, y) with the button up, presses the left button there and lets it go: the click
  // acts in the third frame. (The frame with the button up ends any earlier click's released
  // edge, which a press in the very next frame would otherwise keep.)
  void ClickAt(std::int32_t x, std::int32_t y) {
    Mouse().SetButton(0, false);
    MoveTo(x, y);
    Mouse().SetButton(0, true);
    Frame();
    Mouse().SetButton(0, false);
    Frame();
  }
  // Holds `button` over (x, y) for `frames` frames, then lets it go (one more frame).
  void HoldAt(std::int32_t x, std::int32_t y, int button, int frames) {
    Mouse().AddMouseMotion(x - menuState.cursorX, y - menuState.cursorY);
    Mouse().SetButton(button, true);
    for (int i = 0; i < frames; ++i) Frame();
    Mouse().SetButton(button, false);
    Frame();
  }
  void OpenOptions() {
    ClickAt(300, 240);
    ASSERT_EQ(menuState.optionsVisible, 1);
  }
  void OpenExitDialog() {
    ClickAt(300, 260);
    ASSERT_EQ(menuState.exitDialogVisible, 1);
  }
  // Takes every message posted to the window.
  static std::vector<platform::Message> TakeMessages() {
    std::vector<platform::Message> messages;
    while (platform::PeekMessage()) {
      platform::Message message;
      if (!platform::GetMessage(&message)) break;
      messages.push_back(message);
    }
    return messages;
  }
  void ExpectBlits(const std::vector<Blit>& blits) {
    EXPECT_EQ(frameRecord.blitCount, blits.size());
    EXPECT_EQ(BlitDigest(), DigestOf(blits));
  }
  std::uint8_t Flags() const {
    return static_cast<std::uint8_t>(menuState.mainMenuVisible * 4 + menuState.optionsVisible * 2 +
                                     menuState.exitDialogVisible);
  }
};

// ---- When the menus run ----------------------------------------------------------------------

TEST_F(MenuTest, NothingIsReadOrDrawnWhileThePlayerLives) {
  PlayerShipRecord().alive = 1;
  Mouse().AddMouseMotion(25, -17);
  Mouse().SetButton(0, true);
  platform::ArmFault(Fault::kMouseRead);  // would end the game if the mouse were read
  for (int i = 0; i < 3; ++i) Frame();
  EXPECT_EQ(platform::PendingFaults(Fault::kMouseRead), 1);
  EXPECT_EQ(frameRecord.blitCount, 0u);
  EXPECT_EQ(menuState.cursorX, 320);
  EXPECT_EQ(menuState.cursorY, 240);
  EXPECT_EQ(inputState.buttonLatch[0], 0);
  EXPECT_TRUE(Mouse().TakeMessageBoxes().empty());

  // Once the player is out of play again, the first read takes the motion made meanwhile.
  platform::ClearFaults();
  PlayerShipRecord().alive = 0;
  Frame();
  EXPECT_EQ(menuState.cursorX, 345);
  EXPECT_EQ(menuState.cursorY, 223);
  EXPECT_EQ(inputState.buttonLatch[0], 1);
  ExpectBlits({kMainMenu, CursorBlit(345, 223, true)});
}

TEST_F(MenuTest, FailedMouseReadEndsTheGameWithoutDrawing) {
  Mouse().AddMouseMotion(10, 10);
  platform::ArmFault(Fault::kMouseRead);
  Frame();
  EXPECT_EQ(frameRecord.blitCount, 0u);
  EXPECT_EQ(menuState.cursorX, 320);
  EXPECT_EQ(menuState.cursorY, 240);
  const auto boxes = Mouse().TakeMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, "An Error has Occurred");
  EXPECT_EQ(boxes[0].second, "Get Mouse State Failed");
  // The window is gone and the quit message waits; the program ends with status 1.
  EXPECT_EQ(platform::CurrentWindow(), 0);
  EXPECT_EQ(MainLoopPass(), LoopPass::kQuit);
  EXPECT_EQ(ExitStatus(), 1);
}

// ---- The cursor --------------------------------------------------------------------------------

TEST_F(MenuTest, CursorFollowsTheMouseAndStaysOnTheScreen) {
  MoveTo(100, 50);
  EXPECT_EQ(menuState.cursorX, 100);
  EXPECT_EQ(menuState.cursorY, 50);
  Mouse().AddMouseMotion(-101, -51);
  Frame();
  EXPECT_EQ(menuState.cursorX, 0);
  EXPECT_EQ(menuState.cursorY, 0);
  // The far limits are one past the last pixel; the cursor is drawn there all the same.
  Mouse().AddMouseMotion(5000, 3000);
  Frame();
  EXPECT_EQ(menuState.cursorX, 640);
  EXPECT_EQ(menuState.cursorY, 480);
  ExpectBlits({kMainMenu, CursorBlit(640, 480, false)});
  // The motion is added as a 16-bit sum: 65536 counts bring the cursor back where it was, and
  // a sum past 32767 turns negative and stops at 0.
  MoveTo(320, 240);
  Mouse().AddMouseMotion(65536, -65536);
  Frame();
  EXPECT_EQ(menuState.cursorX, 320);
  EXPECT_EQ(menuState.cursorY, 240);
  Mouse().AddMouseMotion(40000, 0);
  Frame();
  EXPECT_EQ(menuState.cursorX, 0);
  // Motion waiting for the read adds up past 32 bits as the device's total wraps: two of the
  // largest steps right make 2^32 - 2 counts, two to the left on the screen.
  MoveTo(320, 240);
  Mouse().AddMouseMotion(2147483647, -2147483647 - 1);
  Mouse().AddMouseMotion(2147483647, -2147483647 - 1);
  Frame();
  EXPECT_EQ(menuState.cursorX, 318);
  EXPECT_EQ(menuState.cursorY, 240);
}

TEST_F(MenuTest, CursorFiresWhileTheButtonIsHeldAndTheClickActsOnRelease) {
  MoveTo(300, 260);  // over Exit
  Mouse().SetButton(0, true);
  Frame();
  ExpectBlits({kMainMenu, CursorBlit(300, 260, true)});
  Frame();
  EXPECT_EQ(menuState.mainMenuVisible, 1);
  EXPECT_EQ(menuState.exitDialogVisible, 0);
  Mouse().SetButton(0, false);
  Frame();
  EXPECT_EQ(menuState.exitDialogVisible, 1);
  ExpectBlits({kMainMenu, kExit, CursorBlit(300, 260, false)});
  // Any non-zero button byte counts as held; the right button alone does not change the image.
  Mouse().SetButton(1, true);
  Frame();
  ExpectBlits({kExit, CursorBlit(300, 260, false)});
}

// ---- Hot areas -------------------------------------------------------------------------------

struct Area {
  const char* name;
  std::int32_t left, top, right, bottom;
  std::function<void(MenuTest&)> open;  // brings up the area's panel
  std::function<bool()> acted;          // whether the click did the area's work
};

TEST_F(MenuTest, HotAreasAreStrictlyInsideTheirBounds) {
  const auto none = [](MenuTest&) {};
  const auto options = [](MenuTest& t) { t.OpenOptions(); };
  const auto exitDialog = [](MenuTest& t) { t.OpenExitDialog(); };
  const auto posted = [](std::uint32_t message) {
    return [message] {
      const auto messages = TakeMessages();
      return messages.size() == 1 && messages[0].message == message;
    };
  };
  const auto mainMenuBack = [] {
    return menuState.mainMenuVisible == 1 && menuState.optionsVisible == 0;
  };
  const std::vector<Area> areas{
      {"New Game", 284, 212, 355, 229, none, posted(platform::WM_KEYDOWN)},
      {"Options", 284, 231, 355, 248, none, [] { return menuState.optionsVisible == 1; }},
      {"Exit", 284, 250, 355, 267, none, [] { return menuState.exitDialogVisible == 1; }},
      {"check box", 380, 192, 397, 209, options, [] { return settings.explosionJitter == 0; }},
      {"Ok", 236, 271, 307, 288, options, mainMenuBack},
      {"Cancel", 334, 271, 405, 288, options, mainMenuBack},
      {"Yes", 200, 241, 271, 258, exitDialog, posted(platform::WM_CLOSE)},
      {"No", 368, 241, 439, 258, exitDialog,
       [] { return menuState.mainMenuVisible == 1 && menuState.exitDialogVisible == 0; }},
  };
  for (const Area& area : areas) {
    const std::int32_t midX = (area.left + area.right) / 2;
    const std::int32_t midY = (area.top + area.bottom) / 2;
    struct Probe {
      std::int32_t x, y;
      bool inside;
    };
    const std::vector<Probe> probes{
        {area.left, midY, false},
        {area.left + 1, midY, true},
        {area.right, midY, false},
        {area.right - 1, midY, true},
        {midX, area.top, false},
        {midX, area.top + 1, true},
        {midX, area.bottom, false},
        {midX, area.bottom - 1, true},
        {area.left + 1, area.top + 1, true},
        {area.right - 1, area.bottom - 1, true},
    };
    for (const Probe& probe : probes) {
      TearDown();
      SetUp();
      area.open(*this);
      TakeMessages();
      ClickAt(probe.x, probe.y);
      EXPECT_EQ(area.acted(), probe.inside) << area.name << " at " << probe.x << "," << probe.y;
    }
  }
}

TEST_F(MenuTest, ValuesAnswerHeldButtonsOnlyInsideTheirRows) {
  OpenOptions();
  // Enemy Number's row: 372 < x < 405, 211 < y < 228.
  HoldAt(372, 220, 0, 3);
  HoldAt(405, 220, 0, 3);
  HoldAt(390, 211, 0, 3);
  HoldAt(390, 228, 0, 3);
  EXPECT_EQ(settings.droneCount, 12);
  HoldAt(373, 212, 0, 3);
  EXPECT_EQ(settings.droneCount, 15);
  HoldAt(404, 227, 1, 5);
  EXPECT_EQ(settings.droneCount, 10);
  // Particle Number: 230 < y < 247; Power Up Number: 249 < y < 266.
  HoldAt(390, 230, 0, 2);
  HoldAt(390, 247, 0, 2);
  EXPECT_EQ(settings.explosionParticles, 700);
  HoldAt(390, 231, 0, 2);
  HoldAt(390, 246, 1, 5);
  EXPECT_EQ(settings.explosionParticles, 697);
  HoldAt(390, 249, 1, 2);
  HoldAt(390, 266, 1, 2);
  EXPECT_EQ(settings.pickupSetting, 250);
  HoldAt(390, 250, 1, 2);
  HoldAt(390, 265, 0, 1);
  EXPECT_EQ(settings.pickupSetting, 249);
}

// ---- Values ----------------------------------------------------------------------------------

TEST_F(MenuTest, ValuesStayWithinTheirLimits) {
  OpenOptions();
  struct Row {
    std::int32_t y;
    std::function<std::int32_t()> value;
    std::function<void(std::int32_t)> set;
    std::int32_t minimum, maximum;
  };
  const std::vector<Row> rows{
      {220, [] { return settings.droneCount; },
       [](std::int32_t v) { settings.droneCount = static_cast<std::int8_t>(v); }, 1, 125},
      {239, [] { return settings.explosionParticles; },
       [](std::int32_t v) { settings.explosionParticles = v; }, 10, 5000},
      {258, [] { return settings.pickupSetting; },
       [](std::int32_t v) { settings.pickupSetting = v; }, 100, 1500},
  };
  for (const Row& row : rows) {
    row.set(row.maximum - 1);
    HoldAt(390, row.y, 0, 4);
    EXPECT_EQ(row.value(), row.maximum) << row.y;
    row.set(row.minimum + 1);
    HoldAt(390, row.y, 1, 4);
    EXPECT_EQ(row.value(), row.minimum) << row.y;
  }
  // Both buttons held: the left one wins and the value rises, one step a frame.
  settings.droneCount = 40;
  MoveTo(390, 220);
  Mouse().SetButton(0, true);
  Mouse().SetButton(1, true);
  for (int i = 0; i < 3; ++i) Frame();
  EXPECT_EQ(settings.droneCount, 43);
  Mouse().SetButton(0, false);
  Frame();  // the right button alone now
  EXPECT_EQ(settings.droneCount, 42);
}

TEST_F(MenuTest, CancelRestoresAllFourAndOkKeepsAllFour) {
  const auto editAll = [this] {
    ClickAt(390, 200);       // the check box: jitter off
    HoldAt(390, 220, 0, 5);  // 12 drones -> 17
    HoldAt(390, 239, 1, 3);  // 700 particles -> 697
    HoldAt(390, 258, 0, 2);  // 250 pickups -> 252
  };
  OpenOptions();
  EXPECT_EQ(menuState.savedJitter, 1);
  EXPECT_EQ(menuState.savedDroneCount, 12);
  EXPECT_EQ(menuState.savedExplosionParticles, 700);
  EXPECT_EQ(menuState.savedPickupSetting, 250);
  editAll();
  EXPECT_EQ(settings.explosionJitter, 0);
  EXPECT_EQ(settings.droneCount, 17);
  EXPECT_EQ(settings.explosionParticles, 697);
  EXPECT_EQ(settings.pickupSetting, 252);
  ClickAt(350, 280);  // Cancel
  EXPECT_EQ(Flags(), 4);
  EXPECT_EQ(settings.explosionJitter, 1);
  EXPECT_EQ(settings.droneCount, 12);
  EXPECT_EQ(settings.explosionParticles, 700);
  EXPECT_EQ(settings.pickupSetting, 250);

  OpenOptions();
  editAll();
  ClickAt(260, 280);  // Ok
  EXPECT_EQ(Flags(), 4);
  EXPECT_EQ(settings.explosionJitter, 0);
  EXPECT_EQ(settings.droneCount, 17);
  EXPECT_EQ(settings.explosionParticles, 697);
  EXPECT_EQ(settings.pickupSetting, 252);
  // The options panel only edits the settings; the running game's counts wait for New Game.
  EXPECT_EQ(world.shipCount, 13);
  EXPECT_EQ(world.pickupCount, 250);

  // Opening the panel again takes the kept values as the ones Cancel goes back to.
  OpenOptions();
  EXPECT_EQ(menuState.savedJitter, 0);
  EXPECT_EQ(menuState.savedDroneCount, 17);
  EXPECT_EQ(menuState.savedExplosionParticles, 697);
  EXPECT_EQ(menuState.savedPickupSetting, 252);
}

// ---- Panels ------------------------------------------------------------------------------------

TEST_F(MenuTest, PanelsOpenedFromTheMainMenuShowInTheSameFrame) {
  Frame();
  ExpectBlits({kMainMenu, CursorBlit(320, 240, false)});

  // Options: the main menu and then the options panel, with its numbers, in the click's frame.
  ClickAt(300, 240);
  std::vector<Blit> expected{kMainMenu};
  AddOptions(expected);
  expected.push_back(CursorBlit(300, 240, false));
  ExpectBlits(expected);

  // Ok: the options panel is still drawn in its frame; the main menu comes back in the next.
  ClickAt(260, 280);
  expected.clear();
  AddOptions(expected);
  expected.push_back(CursorBlit(260, 280, false));
  ExpectBlits(expected);
  Frame();
  ExpectBlits({kMainMenu, CursorBlit(260, 280, false)});

  // Exit and No likewise.
  ClickAt(300, 260);
  ExpectBlits({kMainMenu, kExit, CursorBlit(300, 260, false)});
  ClickAt(400, 250);
  ExpectBlits({kExit, CursorBlit(400, 250, false)});
  Frame();
  ExpectBlits({kMainMenu, CursorBlit(400, 250, false)});
}

TEST_F(MenuTest, OptionsPanelShowsTheCheckBoxAndValuesAsTheyAre) {
  settings.droneCount = 7;
  settings.explosionParticles = 5000;
  settings.pickupSetting = 1234;
  OpenOptions();
  // The toggle shows from the next frame: the panel was drawn before the click was looked at.
  ClickAt(390, 200);
  EXPECT_EQ(settings.explosionJitter, 0);
  std::vector<Blit> expected{kOptions, kCheckOn};
  AddNumber(expected, 389, 220, 7);
  AddNumber(expected, 389, 239, 5000);
  AddNumber(expected, 389, 258, 1234);
  expected.push_back(CursorBlit(390, 200, false));
  ExpectBlits(expected);
  Frame();
  expected[1] = kCheckOff;
  ExpectBlits(expected);
}

// ---- New Game and Yes --------------------------------------------------------------------------

TEST_F(MenuTest, NewGameUsesTheEditedCountsWhileTheF1KeyKeepsTheOldOnes) {
  // A keyboard F1 after an edit: the ship count computed earlier stays.
  OpenOptions();
  HoldAt(390, 220, 0, 3);  // 15 drones
  HoldAt(390, 258, 0, 4);  // 254 pickups
  ClickAt(260, 280);       // Ok
  WindowProc(appState.mainWindow, platform::WM_KEYDOWN, platform::VK_F1, 0);
  EXPECT_EQ(world.shipCount, 13);
  EXPECT_EQ(world.shipTable.size(), 13u);

  // The New Game button sets both counts before its F1 is handled.
  PlayerShipRecord().alive = 0;
  ClickAt(300, 220);
  EXPECT_EQ(world.shipCount, 16);
  EXPECT_EQ(world.pickupCount, 254);
  EXPECT_EQ(world.shipTable.size(), 13u);
  EXPECT_EQ(Flags(), 4);
  const auto messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].window, appState.mainWindow);
  EXPECT_EQ(messages[0].message, platform::WM_KEYDOWN);
  EXPECT_EQ(messages[0].wParam, platform::VK_F1);
  EXPECT_EQ(messages[0].lParam, 0);
  platform::DispatchMessage(messages[0]);
  EXPECT_EQ(world.shipTable.size(), 16u);
  EXPECT_EQ(PlayerShipRecord().alive, 1);

  // The player lives: the menus are gone, and come back as they were when the player is out.
  Frame();
  EXPECT_EQ(frameRecord.blitCount, 0u);
  PlayerShipRecord().alive = 0;
  Frame();
  ExpectBlits({kMainMenu, CursorBlit(300, 220, false)});
}

TEST_F(MenuTest, YesClosesTheWindowAndTheStateSurvivesAGame) {
  OpenExitDialog();
  // F1 from the dialog starts a game; the dialog is back once the player is out of play.
  WindowProc(appState.mainWindow, platform::WM_KEYDOWN, platform::VK_F1, 0);
  Frame();
  EXPECT_EQ(frameRecord.blitCount, 0u);
  PlayerShipRecord().alive = 0;
  Frame();
  ExpectBlits({kExit, CursorBlit(300, 260, false)});

  ClickAt(230, 250);
  EXPECT_EQ(Flags(), 1);
  const auto messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, platform::WM_CLOSE);
  EXPECT_EQ(messages[0].wParam, 0u);
  EXPECT_EQ(messages[0].lParam, 0);
  platform::DispatchMessage(messages[0]);
  EXPECT_EQ(platform::CurrentWindow(), 0);
  EXPECT_EQ(MainLoopPass(), LoopPass::kQuit);
  EXPECT_EQ(ExitStatus(), 0);
}

}  // namespace
}  // namespace kelmora
