// The browser backend's own logic, without a browser: the page's events as the game's inputs,
// with a stand-in for the page around the canvas.
#include "platform/web/web_backend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/display.h"
#include "platform/web/dom_keys.h"
#include "platform/web/page.h"
#include "platform/web/tick_pacer.h"

namespace kelmora::platform {

// The page, as the tests see it.
namespace {
struct FakePage {
  int fullscreenToggles = 0;
  std::vector<std::pair<std::string, std::string>> dialogs;
  std::vector<PadState> pads;
  int frames = 0;
  std::vector<std::uint8_t> lastFrame;
} page;
}  // namespace

void PageSetTitle(std::string_view) {}
bool PageStartInput(WebBackend*) {
  return true;
}
void PageDrawFrame(const std::uint8_t* rgba, int width, int height) {
  ++page.frames;
  page.lastFrame.assign(rgba, rgba + static_cast<std::ptrdiff_t>(width) * height * 4);
}
void PageShowDialog(std::string_view caption, std::string_view text) {
  page.dialogs.emplace_back(std::string(caption), std::string(text));
}
void PageToggleFullscreen() {
  ++page.fullscreenToggles;
}
void PageReadPads(std::vector<PadState>* pads) {
  *pads = page.pads;
}

namespace {

using Kind = platform::InputOp;

InputEvent Key(int dik, bool down) {
  return InputEvent{Kind::kKey, dik, down ? 1 : 0};
}
InputEvent Vk(std::uint32_t vk) {
  return InputEvent{Kind::kVk, static_cast<std::int32_t>(vk)};
}
InputEvent Activate(bool active) {
  return InputEvent{Kind::kActivate, 0, active ? 1 : 0};
}
InputEvent Button(int button, bool down) {
  return InputEvent{Kind::kButton, button, down ? 1 : 0};
}
InputEvent Motion(std::int32_t dx, std::int32_t dy) {
  return InputEvent{Kind::kMouse, 0, 0, dx, dy};
}

constexpr int kDikLeftAlt = 0x38;

class WebBackendTest : public ::testing::Test {
 protected:
  void SetUp() override { page = FakePage{}; }

  // The inputs of one tick, applied to the devices as the game's session does.
  std::vector<InputEvent> Take() {
    std::vector<InputEvent> inputs;
    backend_.TakeHostInput(&inputs);
    for (const InputEvent& input : inputs) {
      if (input.op == Kind::kKey || input.op == Kind::kButton || input.op == Kind::kMouse) {
        backend_.ApplyInput(input);
      }
    }
    return inputs;
  }
  bool Press(const char* code, const char* key, bool down, bool alt = false, bool repeat = false) {
    PageKey event;
    event.code = code;
    event.key = key;
    event.down = down;
    event.alt = alt;
    event.repeat = repeat;
    return backend_.OnKey(event);
  }

  WebBackend backend_;
};

TEST(DomKeys, EveryKeyHasItsOwnCodeAndTheGamesKeysTheirScanCodes) {
  std::set<std::string_view> codes;
  for (const DomKey& entry : DomKeyTable()) {
    EXPECT_TRUE(codes.insert(entry.code).second) << entry.code;
    EXPECT_NE(entry.dik, 0) << entry.code;
  }
  EXPECT_EQ(FindDomKey("ArrowUp")->dik, DIK_UP);
  EXPECT_EQ(FindDomKey("ArrowLeft")->dik, DIK_LEFT);
  EXPECT_EQ(FindDomKey("ArrowRight")->dik, DIK_RIGHT);
  EXPECT_EQ(FindDomKey("ArrowDown")->dik, DIK_DOWN);
  EXPECT_EQ(FindDomKey("Space")->dik, DIK_SPACE);
  EXPECT_EQ(FindDomKey("AltLeft")->dik, DIK_LMENU);
  EXPECT_EQ(FindDomKey("KeyP")->dik, DIK_P);
  EXPECT_EQ(FindDomKey("F1")->dik, DIK_F1);
  EXPECT_EQ(FindDomKey("F12")->dik, DIK_F12);
  EXPECT_EQ(FindDomKey("Escape")->dik, DIK_ESCAPE);
  EXPECT_EQ(FindDomKey("OSLeft")->dik, FindDomKey("MetaLeft")->dik);
  EXPECT_EQ(FindDomKey("Unidentified"), nullptr);
  // Letters follow the layout, everything else its position.
  EXPECT_EQ(VkForDomKey("KeyQ", "a"), static_cast<std::uint32_t>('A'));
  EXPECT_EQ(VkForDomKey("KeyQ", "Q"), static_cast<std::uint32_t>('Q'));
  EXPECT_EQ(VkForDomKey("Digit2", "é"), static_cast<std::uint32_t>('2'));
  EXPECT_EQ(VkForDomKey("F12", "F12"), VK_F12);
  EXPECT_EQ(VkForDomKey("Escape", "Escape"), VK_ESCAPE);
}

TEST_F(WebBackendTest, KeysReachTheDeviceAndPressesPostKeyDownMessages) {
  EXPECT_TRUE(Press("Space", " ", true));
  EXPECT_TRUE(Press("F1", "F1", true));
  EXPECT_TRUE(Press("F1", "F1", false));
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(0x20), Vk(VK_F1), Key(DIK_SPACE, true),
                                             Key(DIK_F1, true)}));
  // Auto-repeat posts the message again; the device state stays.
  Press("Space", " ", true, false, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(0x20), Key(DIK_F1, false)}));
  Press("Space", " ", false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(DIK_SPACE, false)}));
  std::uint8_t keys[256];
  ASSERT_TRUE(backend_.ReadKeyboard(keys));
  EXPECT_EQ(keys[DIK_SPACE], 0);
}

TEST_F(WebBackendTest, ThePageKeepsItsOwnKeysAndTheGameItsKeys) {
  // The game's keys do not scroll or act on the page; reloading and the browser's full screen
  // stay the browser's, and so do its Control shortcuts.
  EXPECT_TRUE(Press("ArrowDown", "ArrowDown", true));
  EXPECT_TRUE(Press("Space", " ", true));
  EXPECT_FALSE(Press("F5", "F5", true));
  EXPECT_FALSE(Press("F11", "F11", true));
  PageKey reload;
  reload.code = "KeyR";
  reload.key = "r";
  reload.down = true;
  reload.command = true;
  EXPECT_FALSE(backend_.OnKey(reload));
}

TEST_F(WebBackendTest, LeftAltLaunchesOnlyAsAClearTap) {
  // Alone: down for one read once it is let go, and no key-down message (a system key).
  Press("AltLeft", "Alt", true);
  EXPECT_EQ(Take(), std::vector<InputEvent>{});
  Press("AltLeft", "Alt", false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(kDikLeftAlt, true)}));
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(kDikLeftAlt, false)}));
  // With another key, with a click, or with Enter (full screen): a shortcut, never a missile.
  Press("AltLeft", "Alt", true);
  Press("Tab", "Tab", true, true);
  Press("Tab", "Tab", false, true);
  Press("AltLeft", "Alt", false);
  for (const InputEvent& input : Take()) EXPECT_NE(input, Key(kDikLeftAlt, true));
  Press("AltLeft", "Alt", true);
  backend_.OnMouseButton(0, true);
  backend_.OnMouseButton(0, false);
  Press("AltLeft", "Alt", false);
  for (const InputEvent& input : Take()) EXPECT_NE(input, Key(kDikLeftAlt, true));
  Press("AltLeft", "Alt", true);
  EXPECT_TRUE(Press("Enter", "Enter", true, true));
  Press("Enter", "Enter", false, true);
  Press("AltLeft", "Alt", false);
  EXPECT_EQ(page.fullscreenToggles, 1);
  for (const InputEvent& input : Take()) EXPECT_NE(input, Key(kDikLeftAlt, true));
  // Alt held across a change of focus is the desktop's (Alt+Tab away and back).
  Press("AltLeft", "Alt", true);
  backend_.OnFocus(false);
  backend_.OnFocus(true);
  Press("AltLeft", "Alt", false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Activate(false), Activate(true)}));
}

TEST_F(WebBackendTest, AHiddenOrUnfocusedPageIsAnInactiveApplication) {
  Press("ArrowLeft", "ArrowLeft", true);
  backend_.OnMouseButton(2, true);  // the right button
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(0x25), Key(DIK_LEFT, true), Button(1, true)}));
  // Hidden: inactive once, whatever held is let go; the focus leaving as well changes nothing.
  backend_.OnVisibility(false);
  backend_.OnFocus(false);
  EXPECT_FALSE(backend_.Active());
  EXPECT_EQ(Take(),
            (std::vector<InputEvent>{Activate(false), Key(DIK_LEFT, false), Button(1, false)}));
  // Keys pressed meanwhile do not reach the game's devices... until the page is back.
  backend_.OnFocus(true);
  EXPECT_EQ(Take(), std::vector<InputEvent>{});
  backend_.OnVisibility(true);
  EXPECT_TRUE(backend_.Active());
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Activate(true)}));
  EXPECT_TRUE(backend_.TakeEventArrived());
  EXPECT_FALSE(backend_.TakeEventArrived());
}

TEST_F(WebBackendTest, InTheMenusTheCursorFollowsThePointerOverThePicture) {
  backend_.SetMenuUp(true);
  backend_.SetMenuCursor(320, 240);
  // A canvas of 1280 x 1200 CSS pixels: the picture at twice its size, 120 pixels from the top.
  backend_.OnPointer(2.0 * 100 + 1, 120 + 2.0 * 50 + 1, 1280, 1200);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Motion(100 - 320, 50 - 240)}));
  backend_.SetMenuCursor(100, 50);
  // Over the bars around the picture the cursor stays.
  backend_.OnPointer(600, 10, 1280, 1200);
  EXPECT_EQ(Take(), std::vector<InputEvent>{});
  // In flight the pointer moves nothing; held by the page (full screen) the motion is relative.
  backend_.SetMenuUp(false);
  backend_.OnPointer(300, 500, 1280, 1200);
  backend_.OnRelativeMotion(5, 5);
  EXPECT_EQ(Take(), std::vector<InputEvent>{});
  backend_.OnPointerLock(true);
  backend_.OnRelativeMotion(7, -3);
  backend_.OnRelativeMotion(1, 1);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Motion(8, -2)}));
}

TEST_F(WebBackendTest, APictureLetterboxedInTheCanvasMapsBackToFramePixels) {
  std::int32_t x = -1;
  std::int32_t y = -1;
  ASSERT_TRUE(CanvasFramePixel(0.0, 0.0, 640, 480, &x, &y));
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 0));
  ASSERT_TRUE(CanvasFramePixel(639.9, 479.9, 640, 480, &x, &y));
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(639, 479));
  EXPECT_FALSE(CanvasFramePixel(640.0, 10.0, 640, 480, &x, &y));
  // Wider than 4:3: bars left and right.
  ASSERT_TRUE(CanvasFramePixel(960.0, 540.0, 1920, 1080, &x, &y));
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(320, 240));
  EXPECT_FALSE(CanvasFramePixel(100.0, 540.0, 1920, 1080, &x, &y));
  EXPECT_FALSE(CanvasFramePixel(1.0, 1.0, 0, 0, &x, &y));
}

TEST_F(WebBackendTest, AReplayTakesOnlyTheQuitKeysFromThePage) {
  backend_.SetReplaying(true);
  Press("Space", " ", true);
  backend_.OnMouseButton(0, true);
  backend_.OnFocus(false);
  Press("Escape", "Escape", true);
  Press("F12", "F12", true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(VK_ESCAPE), Vk(VK_F12)}));
}

TEST_F(WebBackendTest, PadsPlayAsTheDesktopsAndOnlyWhileThePageIsActive) {
  PadState pad;
  pad.a = true;
  pad.back = true;
  page.pads = {pad};
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(0x20), Vk(VK_F1), Key(DIK_SPACE, true),
                                             Key(DIK_F1, true)}));
  backend_.OnFocus(false);
  EXPECT_EQ(Take(),
            (std::vector<InputEvent>{Activate(false), Key(DIK_SPACE, false), Key(DIK_F1, false)}));
}

TEST_F(WebBackendTest, FramesAreDrawnOncePerRefreshInThePalettesColours) {
  PaletteTable palette{};
  palette[7] = PaletteEntry{10, 20, 30};
  Surface frame("frame", kScreenWidth, kScreenHeight, DDSCAPS_OFFSCREENPLAIN);
  std::fill(frame.Pixels(), frame.Pixels() + frame.Pitch() * kScreenHeight, std::uint8_t{0});
  frame.Pixels()[1] = 7;
  const std::size_t pixelCount = static_cast<std::size_t>(kScreenWidth) * kScreenHeight;
  EXPECT_EQ(backend_.Present(frame, palette), DD_OK);
  EXPECT_EQ(backend_.Present(frame, palette), DD_OK);
  backend_.ShowLastFrame();
  backend_.ShowLastFrame();
  EXPECT_EQ(page.frames, 1);
  ASSERT_EQ(page.lastFrame.size(), pixelCount * 4);
  EXPECT_EQ(page.lastFrame[4], 10);
  EXPECT_EQ(page.lastFrame[5], 20);
  EXPECT_EQ(page.lastFrame[6], 30);
  EXPECT_EQ(page.lastFrame[7], 255);
  EXPECT_EQ(page.lastFrame[0], 0);
}

TEST_F(WebBackendTest, MessageBoxesAreDialogsAndKeptForTheTrace) {
  backend_.ShowMessageBox("Kelmora", "Out of memory");
  EXPECT_EQ(page.dialogs.size(), 1u);
  EXPECT_EQ(backend_.TakeMessageBoxes(),
            (std::vector<std::pair<std::string, std::string>>{{"Kelmora", "Out of memory"}}));
  EXPECT_TRUE(backend_.TakeMessageBoxes().empty());
}

// Ticks run by refreshes every `interval` ms for `seconds`, starting at `start`; the most at one
// refresh goes to `most`.
int TicksOver(TickPacer& pacer, double start, double interval, double seconds, int* most) {
  int ticks = 0;
  for (double now = start; now < start + seconds * 1000.0; now += interval) {
    const int n = pacer.TicksAt(now);
    ticks += n;
    *most = std::max(*most, n);
  }
  return ticks;
}

TEST(TickPacer, SixtyTicksASecondWhateverTheDisplaysRefresh) {
  for (const double hertz : {60.0, 59.94, 75.0, 120.0, 144.0, 240.0, 50.0, 30.0}) {
    TickPacer pacer;
    int most = 0;
    const int ticks = TicksOver(pacer, 1000.0, 1000.0 / hertz, 10.0, &most);
    EXPECT_NEAR(ticks, 600, 2) << hertz << " Hz";
    EXPECT_LE(most, 2) << hertz << " Hz";
    if (hertz >= 60.0) {
      EXPECT_LE(most, 1) << hertz << " Hz";
    }
  }
  // A refresh that comes a little early or late at 60 Hz still runs one tick each time.
  TickPacer pacer;
  for (int i = 0; i < 600; ++i) {
    const double jitter = (i % 3 == 0) ? -1.5 : (i % 3 == 1 ? 1.5 : 0.0);
    ASSERT_EQ(pacer.TicksAt(i * TickPacer::kTickMilliseconds + jitter), 1) << i;
  }
}

TEST(TickPacer, AStallGivesNoBurstAndThePaceGoesOn) {
  TickPacer pacer;
  int most = 0;
  const double interval = 1000.0 / 60.0;
  EXPECT_NEAR(TicksOver(pacer, 0.0, interval, 1.0, &most), 60, 1);
  // A second with no refresh at all: at most two ticks when it comes, then 60 a second again.
  EXPECT_LE(pacer.TicksAt(2000.0), 2);
  most = 0;
  EXPECT_NEAR(TicksOver(pacer, 2000.0 + interval, interval, 5.0, &most), 300, 2);
  EXPECT_EQ(most, 1);
}

}  // namespace
}  // namespace kelmora::platform
