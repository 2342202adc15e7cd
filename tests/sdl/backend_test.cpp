// The SDL backend on the dummy video driver: its start-up steps, what host events become for the
// game, the frame on the screen and a lost screen that the game restores.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/display.h"
#include "platform/sdl/audio.h"
#include "platform/sdl/quit_signals.h"
#include "platform/sdl/timer.h"
#include "platform/window.h"
#include "sdl_fixture.h"

namespace kelmora::testing {
namespace {

using platform::DIK_LMENU;
using platform::DIK_SPACE;
using platform::InputEvent;

void PushKey(SDL_Window* window, SDL_Scancode scancode, bool down, bool repeat = false,
             Uint16 mod = KMOD_NONE) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.windowID = SDL_GetWindowID(window);
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
  event.key.keysym.mod = mod;
  SDL_PushEvent(&event);
}

void PushWindowEvent(SDL_Window* window, SDL_WindowEventID id) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = SDL_GetWindowID(window);
  event.window.event = static_cast<Uint8>(id);
  SDL_PushEvent(&event);
}

void PushButton(SDL_Window* window, Uint8 button, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.windowID = SDL_GetWindowID(window);
  event.button.button = button;
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  SDL_PushEvent(&event);
}

void PushMotion(SDL_Window* window, int dx, int dy) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.windowID = SDL_GetWindowID(window);
  event.motion.xrel = dx;
  event.motion.yrel = dy;
  SDL_PushEvent(&event);
}

// The pointer moved to (x, y) of the window, by (dx, dy).
void PushPointer(SDL_Window* window, int x, int y, int dx = 0, int dy = 0) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.windowID = SDL_GetWindowID(window);
  event.motion.x = x;
  event.motion.y = y;
  event.motion.xrel = dx;
  event.motion.yrel = dy;
  SDL_PushEvent(&event);
}

void PushType(Uint32 type) {
  SDL_Event event{};
  event.type = type;
  SDL_PushEvent(&event);
}

using SdlBackendTest = SdlTest;

TEST_F(SdlBackendTest, KeysReachTheDeviceAndPressesPostKeyDownMessages) {
  platform::SdlBackend& backend = Open();
  Take();  // whatever the window's opening brought
  PushKey(backend.Window(), SDL_SCANCODE_SPACE, true);
  PushKey(backend.Window(), SDL_SCANCODE_F1, true);
  PushKey(backend.Window(), SDL_SCANCODE_F1, false);
  // Messages in the order they came, then the device state that has changed: F1 went down and
  // up within the tick, so the device shows it down for this read and up at the next.
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(0x20), Vk(platform::VK_F1), Key(DIK_SPACE, true),
                                             Key(platform::DIK_F1, true)}));
  // Auto-repeat posts the message again, the device state stays.
  PushKey(backend.Window(), SDL_SCANCODE_SPACE, true, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(0x20), Key(platform::DIK_F1, false)}));
  PushKey(backend.Window(), SDL_SCANCODE_SPACE, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(DIK_SPACE, false)}));
}

TEST_F(SdlBackendTest, AppliedInputIsWhatTheDevicesReadAndTheQueueHolds) {
  platform::SdlBackend& backend = Open();
  platform::RegisterWindowClass(platform::WindowClass{WindowProc});
  platform::InstallBackend(&backend);
  ASSERT_NE(platform::CreateGameWindow("A Game"), 0);
  backend.ApplyInput(Key(DIK_SPACE, true));
  backend.ApplyInput(Motion(3, -4));
  backend.ApplyInput(Motion(1, 1));
  backend.ApplyInput(Button(1, true));
  backend.ApplyInput(Vk(platform::VK_F1));
  std::uint8_t keys[256];
  ASSERT_TRUE(backend.ReadKeyboard(keys));
  EXPECT_EQ(keys[DIK_SPACE], 0x80);
  EXPECT_EQ(keys[DIK_LMENU], 0);
  platform::MouseState mouse;
  ASSERT_TRUE(backend.ReadMouse(&mouse));
  EXPECT_EQ(mouse.lX, 4);
  EXPECT_EQ(mouse.lY, -3);
  EXPECT_EQ(mouse.rgbButtons[1], 0x80);
  ASSERT_TRUE(backend.ReadMouse(&mouse));
  EXPECT_EQ(mouse.lX, 0);  // the motion is taken by the read
  ASSERT_TRUE(platform::PeekMessage());
  platform::Message message;
  ASSERT_TRUE(platform::GetMessage(&message));
  EXPECT_EQ(message.message, platform::WM_KEYDOWN);
  EXPECT_EQ(message.wParam, platform::VK_F1);
}

TEST_F(SdlBackendTest, TapsShorterThanAFrameReadAsDownForOneRead) {
  platform::SdlBackend& backend = Open();
  Take();
  // Down and up between two reads, several keys at once; a key pressed again while its tap is
  // pending reads as held.
  PushKey(backend.Window(), SDL_SCANCODE_UP, true);
  PushKey(backend.Window(), SDL_SCANCODE_UP, false);
  PushKey(backend.Window(), SDL_SCANCODE_P, true);
  PushKey(backend.Window(), SDL_SCANCODE_P, false);
  PushKey(backend.Window(), SDL_SCANCODE_DOWN, true);
  PushKey(backend.Window(), SDL_SCANCODE_DOWN, false);
  PushKey(backend.Window(), SDL_SCANCODE_DOWN, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{
                        Vk(0x26), Vk('P'), Vk(0x28), Vk(0x28), Key(platform::DIK_P, true),
                        Key(platform::DIK_UP, true), Key(platform::DIK_DOWN, true)}));
  EXPECT_EQ(Take(),
            (std::vector<InputEvent>{Key(platform::DIK_P, false), Key(platform::DIK_UP, false)}));
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  // An auto-repeat is no new press: a key let go reads as up at once.
  PushKey(backend.Window(), SDL_SCANCODE_DOWN, true, true);
  PushKey(backend.Window(), SDL_SCANCODE_DOWN, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(0x28), Key(platform::DIK_DOWN, false)}));
  // A tap cut by the focus going is let go with everything else.
  PushKey(backend.Window(), SDL_SCANCODE_SPACE, true);
  PushKey(backend.Window(), SDL_SCANCODE_SPACE, false);
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_LOST);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(0x20), Activate(false)}));
}

// Ten Left Alt taps, each as short as a key can be, give ten reads of the key down, each followed
// by one of it up.
TEST_F(SdlBackendTest, EveryPlainTapOfLeftAltReadsAsOnePress) {
  platform::SdlBackend& backend = Open();
  Take();
  for (int tap = 0; tap < 10; ++tap) {
    PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
    PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
    EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(DIK_LMENU, true)})) << "tap " << tap;
    EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(DIK_LMENU, false)})) << "tap " << tap;
  }
  // Held over many reads (auto-repeat included), the key shows only once it is let go. Alt is a
  // system key: it gives no key-down message.
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  EXPECT_EQ(backend.DeviceKeys()[DIK_LMENU], 0);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(DIK_LMENU, true)}));
  EXPECT_EQ(backend.DeviceKeys()[DIK_LMENU], 0x80);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(DIK_LMENU, false)}));
  // Keys already held when Alt went down leave the tap alone.
  PushKey(backend.Window(), SDL_SCANCODE_SPACE, true);
  Take();
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  PushKey(backend.Window(), SDL_SCANCODE_SPACE, true, true);
  PushKey(backend.Window(), SDL_SCANCODE_SPACE, false);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(),
            (std::vector<InputEvent>{Vk(0x20), Key(DIK_LMENU, true), Key(DIK_SPACE, false)}));
}

TEST_F(SdlBackendTest, NoDesktopShortcutWithAltReadsAsLeftAlt) {
  platform::SdlBackend& backend = Open();
  Take();
  // Alt+Enter switches to full screen and back; the Alt of it is never seen.
  ASSERT_FALSE(backend.Fullscreen());
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  PushKey(backend.Window(), SDL_SCANCODE_RETURN, true, false, KMOD_LALT);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  EXPECT_TRUE(backend.Fullscreen());
  EXPECT_NE(SDL_GetWindowFlags(backend.Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);
  PushKey(backend.Window(), SDL_SCANCODE_RETURN, false, false, KMOD_LALT);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  PushKey(backend.Window(), SDL_SCANCODE_RETURN, true, false, KMOD_LALT);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  EXPECT_FALSE(backend.Fullscreen());
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));

  // Alt with another key: that key is the game's as ever, the Alt is not.
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  Take();
  PushKey(backend.Window(), SDL_SCANCODE_TAB, true, false, KMOD_LALT);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(0x09), Key(0x0F, true)}));
  PushKey(backend.Window(), SDL_SCANCODE_TAB, false, false, KMOD_LALT);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(0x0F, false)}));
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));

  // Alt with a click (the desktop moves the window), and Alt+F4 (the desktop closes it).
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  PushButton(backend.Window(), SDL_BUTTON_LEFT, true);
  PushButton(backend.Window(), SDL_BUTTON_LEFT, false);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Button(0, true)}));
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Button(0, false)}));
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_CLOSE);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Close()}));
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));

  // Alt+Tab away: the host lets go of Alt just before the focus goes.
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  Take();
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_LOST);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Activate(false)}));
  // ... and back: Alt is still held as the focus returns, and let go after.
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_GAINED);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Activate(true)}));
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  // A host that tells of the held key before the focus comes back, the same.
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_LOST);
  Take();
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_GAINED);
  Take();
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  // The next plain tap launches again.
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(DIK_LMENU, true)}));
}

TEST_F(SdlBackendTest, FocusChangesAndClosingReachTheGameOnce) {
  platform::SdlBackend& backend = Open();
  Take();
  // The window opened with the focus: gaining it again tells the game nothing new.
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  PushKey(backend.Window(), SDL_SCANCODE_UP, true);
  Take();
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_LOST);
  PushMotion(backend.Window(), 5, 5);  // the mouse is not the game's without the focus
  // What was held is let go with the focus.
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Activate(false), Key(platform::DIK_UP, false)}));
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Activate(true)}));
  // Full screen, the mouse is read as relative motion.
  PushKey(backend.Window(), SDL_SCANCODE_RETURN, true, false, KMOD_LALT);
  Take();
  ASSERT_TRUE(backend.Fullscreen());
  PushMotion(backend.Window(), 2, -1);
  PushMotion(backend.Window(), 1, 0);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Motion(3, -1)}));
  // Motion however large adds up as a device's running count does, wrapping at 32 bits.
  PushMotion(backend.Window(), 0x7FFFFFFF, -0x7FFFFFFF);
  PushMotion(backend.Window(), 0x7FFFFFFF, -0x7FFFFFFF);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Motion(-2, 2)}));
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_CLOSE);
  PushType(SDL_QUIT);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Close()}));
}

// A quit signal is taken by the watcher, wakes a game that waits for events and is a close request
// at every tick until the game has closed; a box that would come after it is not shown.
TEST_F(SdlBackendTest, AQuitSignalIsACloseRequestAndWakesTheGame) {
  platform::WatchQuitSignals();
  platform::SdlBackend& backend = Open();
  Take();
  ASSERT_EQ(kill(getpid(), SIGHUP), 0);
  for (int wait = 0; wait < 400 && platform::QuitSignal() == 0; ++wait) SDL_Delay(5);
  ASSERT_EQ(platform::QuitSignal(), SIGHUP);
  SDL_PumpEvents();
  EXPECT_GE(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_USEREVENT, SDL_USEREVENT), 1);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Close()}));
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Close()}));
  backend.ShowMessageBox("A Game", "DDLoadBitmap FAILED");
  EXPECT_EQ(backend.TakeMessageBoxes().size(), 1u);
  platform::ForgetQuitSignal();
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
}

bool PointerHeld(SDL_Window* window) {
  return SDL_GetRelativeMouseMode() == SDL_TRUE || SDL_GetWindowGrab(window) == SDL_TRUE;
}

TEST_F(SdlBackendTest, AWindowNeverHoldsThePointerAndFullScreenDoes) {
  platform::SdlBackend& backend = Open();
  Take();
  EXPECT_FALSE(PointerHeld(backend.Window()));
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_LOST);
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_GAINED);
  Take();
  EXPECT_FALSE(PointerHeld(backend.Window()));
  PushKey(backend.Window(), SDL_SCANCODE_RETURN, true, false, KMOD_LALT);
  Take();
  ASSERT_TRUE(backend.Fullscreen());
  EXPECT_TRUE(PointerHeld(backend.Window()));
  // Without the focus it is free, full screen too.
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_LOST);
  Take();
  EXPECT_FALSE(PointerHeld(backend.Window()));
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_GAINED);
  Take();
  EXPECT_TRUE(PointerHeld(backend.Window()));
  PushKey(backend.Window(), SDL_SCANCODE_RETURN, true, false, KMOD_LALT);
  Take();
  ASSERT_FALSE(backend.Fullscreen());
  EXPECT_FALSE(PointerHeld(backend.Window()));
}

// The window is 640x480, the picture fills it: a point of the window is the frame's pixel.
TEST_F(SdlBackendTest, InAWindowTheMenuCursorComesUnderThePointer) {
  platform::SdlBackend& backend = Open();
  backend.SetMenuUp(true);
  backend.SetMenuCursor(320, 240);
  Take();
  // The relative counts of the host do not matter, only where the pointer is.
  PushPointer(backend.Window(), 100, 50, 7, 7);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Motion(-220, -190)}));
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);  // the game's cursor stands under it
  platform::MouseState mouse{};
  ASSERT_TRUE(backend.ReadMouse(&mouse));
  backend.SetMenuCursor(100, 50);  // where the game's read put it
  PushPointer(backend.Window(), 101, 50);
  PushPointer(backend.Window(), 104, 52);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Motion(4, 2)}));
  // Not read yet (the game stood still): the next motion counts from what waits.
  PushPointer(backend.Window(), 0, 479);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Motion(-104, 427)}));
  ASSERT_TRUE(backend.ReadMouse(&mouse));
  EXPECT_EQ(mouse.lX, -100);
  EXPECT_EQ(mouse.lY, 429);
  backend.SetMenuCursor(0, 479);
  // A still pointer leaves the cursor to the pads.
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));

  // In flight the pointer moves nothing; as the menus come back the cursor comes under it.
  backend.SetMenuUp(false);
  PushPointer(backend.Window(), 600, 10, 50, 50);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  PushPointer(backend.Window(), 610, 20);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  backend.SetMenuUp(true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Motion(610, -459)}));
  backend.SetMenuCursor(610, 20);
  ASSERT_TRUE(backend.ReadMouse(&mouse));

  // Once the pointer has left the window the cursor stays where it was.
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_LEAVE);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  backend.SetMenuUp(false);
  Take();
  backend.SetMenuUp(true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  // Without the focus the pointer is not the game's.
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_LOST);
  Take();
  PushPointer(backend.Window(), 5, 5);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
}

// Over the picture the game's cursor stands in for the desktop's pointer; over the bars beside it
// the pointer shows, and there it moves no cursor.
TEST_F(SdlBackendTest, ThePointerShowsOnlyOffThePicture) {
  platform::SdlBackend& backend = Open();
  SDL_SetWindowSize(backend.Window(), 800, 480);  // the picture from 80 to 720
  backend.SetMenuUp(true);
  backend.SetMenuCursor(320, 240);
  Take();
  PushPointer(backend.Window(), 79, 100);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
  PushPointer(backend.Window(), 80, 100);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Motion(-320, -140)}));
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  PushPointer(backend.Window(), 720, 100);
  Take();
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

TEST_F(SdlBackendTest, AClickShorterThanAFrameIsStillSeen) {
  platform::SdlBackend& backend = Open();
  Take();
  PushButton(backend.Window(), SDL_BUTTON_LEFT, true);
  PushButton(backend.Window(), SDL_BUTTON_LEFT, false);
  PushButton(backend.Window(), SDL_BUTTON_RIGHT, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Button(0, true), Button(1, true)}));
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Button(0, false)}));
}

TEST_F(SdlBackendTest, ReplayingLetsOnlyTheQuitKeysAndClosingThrough) {
  platform::SdlBackend& backend = Open();
  Take();
  backend.SetReplaying(true);
  PushKey(backend.Window(), SDL_SCANCODE_SPACE, true);
  PushButton(backend.Window(), SDL_BUTTON_LEFT, true);
  PushMotion(backend.Window(), 7, 7);
  PushWindowEvent(backend.Window(), SDL_WINDOWEVENT_FOCUS_LOST);
  PushKey(backend.Window(), SDL_SCANCODE_ESCAPE, true);
  PushType(SDL_QUIT);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk(platform::VK_ESCAPE), Close()}));
}

TEST_F(SdlBackendTest, AReplayKeepsItsKeysAndButtonsHeld) {
  platform::SdlBackend& backend = Open();
  Take();
  backend.SetReplaying(true);
  backend.ApplyInput(Key(DIK_SPACE, true));
  backend.ApplyInput(Button(1, true));
  // No key or button of the host is down, yet nothing lets go of the replayed ones.
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  EXPECT_EQ(backend.DeviceKeys()[DIK_SPACE], 0x80);
  platform::MouseState mouse{};
  ASSERT_TRUE(backend.ReadMouse(&mouse));
  EXPECT_EQ(mouse.rgbButtons[1], 0x80);
}

TEST_F(SdlBackendTest, AFrameIsShownWithItsPalette) {
  platform::SdlBackend& backend = Open();
  platform::Surface frame("frontBuffer", platform::kScreenWidth, platform::kScreenHeight, 0);
  for (int y = 0; y < platform::kScreenHeight; ++y) {
    for (int x = 0; x < platform::kScreenWidth; ++x) {
      frame.Pixels()[y * frame.Pitch() + x] = static_cast<std::uint8_t>(x < 320 ? 1 : 2);
    }
  }
  platform::PaletteTable palette{};
  palette[1] = platform::PaletteEntry{255, 0, 0, 0};
  palette[2] = platform::PaletteEntry{0, 0, 255, 0};
  ASSERT_EQ(backend.Present(frame, palette), platform::DD_OK);
  // What the screen shows: the window is 640x480, so the frame fills it pixel for pixel.
  int width = 0;
  int height = 0;
  ASSERT_EQ(SDL_GetRendererOutputSize(backend.Renderer(), &width, &height), 0);
  ASSERT_EQ(width, 640);
  ASSERT_EQ(height, 480);
  std::vector<std::uint32_t> shown(640 * 480);
  ASSERT_EQ(SDL_RenderReadPixels(backend.Renderer(), nullptr, SDL_PIXELFORMAT_ARGB8888,
                                 shown.data(), 640 * 4),
            0)
      << SDL_GetError();
  EXPECT_EQ(shown[10 * 640 + 0] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(shown[10 * 640 + 319] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(shown[479 * 640 + 320] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(shown[0 * 640 + 639] & 0xFFFFFF, 0x0000FFu);
}

TEST_F(SdlBackendTest, AResetRenderDeviceIsALostScreenThatTheRestoreRebuilds) {
  platform::SdlBackend& backend = Open();
  platform::Surface frame("frontBuffer", platform::kScreenWidth, platform::kScreenHeight, 0);
  platform::PaletteTable palette{};
  ASSERT_EQ(backend.Present(frame, palette), platform::DD_OK);
  PushType(SDL_RENDER_DEVICE_RESET);
  Take();
  EXPECT_TRUE(backend.ScreenLost());
  EXPECT_EQ(backend.Present(frame, palette), platform::DDERR_SURFACELOST);
  EXPECT_EQ(backend.Present(frame, palette), platform::DDERR_SURFACELOST);
  EXPECT_EQ(backend.RestoreScreen(), platform::DD_OK);
  EXPECT_FALSE(backend.ScreenLost());
  EXPECT_EQ(backend.Present(frame, palette), platform::DD_OK);
  // Render targets lost count the same.
  PushType(SDL_RENDER_TARGETS_RESET);
  Take();
  EXPECT_EQ(backend.Present(frame, palette), platform::DDERR_SURFACELOST);
}

TEST_F(SdlBackendTest, TheFlipOfTheDisplayReportsTheLossAndTheRestoreBringsItBack) {
  platform::SdlBackend& backend = Open();
  platform::InstallBackend(&backend);
  std::unique_ptr<platform::DirectDraw> directDraw;
  ASSERT_EQ(platform::DirectDrawCreate(&directDraw), platform::DD_OK);
  platform::SurfaceDesc desc;
  desc.flags = platform::DDSD_CAPS | platform::DDSD_BACKBUFFERCOUNT;
  desc.caps = platform::DDSCAPS_PRIMARYSURFACE | platform::DDSCAPS_FLIP | platform::DDSCAPS_COMPLEX;
  desc.backBufferCount = 1;
  std::unique_ptr<platform::Surface> front;
  ASSERT_EQ(directDraw->CreateSurface(desc, &front, "frontBuffer"), platform::DD_OK);
  ASSERT_EQ(front->Flip(nullptr, 0), platform::DD_OK);
  PushType(SDL_RENDER_DEVICE_RESET);
  Take();
  EXPECT_EQ(front->Flip(nullptr, 0), platform::DDERR_SURFACELOST);
  EXPECT_EQ(front->IsLost(), platform::DDERR_SURFACELOST);
  EXPECT_EQ(front->Restore(), platform::DD_OK);
  EXPECT_EQ(front->Flip(nullptr, 0), platform::DD_OK);
}

TEST_F(SdlBackendTest, NoVideoDriverMeansNoWindow) {
  setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  platform::SdlBackend backend(WindowOptions());
  EXPECT_FALSE(backend.OpenWindow("A Game"));
  EXPECT_EQ(backend.Window(), nullptr);
}

TEST_F(SdlBackendTest, TheClockIsTheSeedWhenOneIsGiven) {
  platform::SdlOptions options = WindowOptions();
  options.seed = 1234;
  platform::SdlBackend backend(options);
  EXPECT_EQ(backend.TimeSeconds(), 1234u);
  EXPECT_EQ(backend.LastTime(), 1234u);
}

// The sound device's thread reads SDL's hints as it starts, which the game's thread changes as it
// opens its window: Open comes back only once the device has started pulling.
TEST_F(SdlBackendTest, TheSoundIsPulledBeforeItsDeviceIsHandedOver) {
  struct Counting : platform::AudioSource {
    void Render(std::int16_t* out, int frames) override {
      std::fill(out, out + frames * platform::kAudioChannels, std::int16_t{0});
      pulls.fetch_add(1);
    }
    std::atomic<int> pulls{0};
  } source;
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::string why;
  const std::unique_ptr<platform::SdlAudio> audio = platform::SdlAudio::Open(source, &why);
  unsetenv("SDL_AUDIODRIVER");
  ASSERT_NE(audio, nullptr) << why;
  EXPECT_TRUE(audio->Pulled());
  EXPECT_GE(source.pulls.load(), 1);
  EXPECT_GT(audio->BufferFrames(), 0);
}

// The pacer's plan on a clock of our own: flips seen at chosen moments, sleeps read back.
class FramePacerPlan : public ::testing::Test {
 protected:
  using Clock = platform::FramePacer::Clock;
  static constexpr Clock::duration kPeriod = platform::FramePacer::kPeriod;
  static constexpr Clock::duration Ms(double ms) {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(ms));
  }
  // A flip seen at `at` after the first one; the sleep the pacer plans after it.
  Clock::duration FlipAt(Clock::duration at) { return pacer.Plan(start + at); }

  platform::FramePacer pacer;
  const Clock::time_point start = Clock::time_point{} + std::chrono::hours(1);
};

TEST_F(FramePacerPlan, TimerKeepsEverySlotWithoutDrift) {
  EXPECT_EQ(FlipAt(Clock::duration::zero()), Clock::duration::zero());  // the first flip
  // Flips that come early sleep out the rest of their slot, measured from the first flip, not
  // from the flip before: 100 frames later the slots still fall on whole periods.
  EXPECT_EQ(FlipAt(Ms(3)), kPeriod - Ms(3));
  EXPECT_EQ(FlipAt(kPeriod + Ms(0.5)), kPeriod - Ms(0.5));
  for (int frame = 3; frame <= 100; ++frame) {
    EXPECT_EQ(FlipAt((frame - 1) * kPeriod + Ms(1)), kPeriod - Ms(1)) << frame;
  }
  // A flip right on its slot's end does not sleep.
  EXPECT_EQ(FlipAt(101 * kPeriod), Clock::duration::zero());
}

TEST_F(FramePacerPlan, ALateFrameCatchesUpItsSlotButNeverBursts) {
  FlipAt(Clock::duration::zero());
  // Late by less than a frame: no sleep, and the next slot stays on the old rhythm, so the next
  // flip sleeps only what is left of it.
  EXPECT_EQ(FlipAt(kPeriod + Ms(6)), Clock::duration::zero());
  EXPECT_EQ(FlipAt(kPeriod + Ms(7)), kPeriod - Ms(7));
  // Held up for five frames: the pace starts again from that flip. The frames after it are
  // paced a whole period apart again, none of them let through at once to catch up.
  const Clock::duration late = 8 * kPeriod + Ms(2);
  EXPECT_EQ(FlipAt(late), Clock::duration::zero());
  EXPECT_EQ(FlipAt(late + Ms(1)), kPeriod - Ms(1));
  EXPECT_EQ(FlipAt(late + kPeriod + Ms(1)), kPeriod - Ms(1));
  // Exactly one frame late still keeps the rhythm: the slot it is behind is let through once,
  // and the pace stays on whole periods from the first flip.
  pacer.Reset();
  FlipAt(Clock::duration::zero());
  EXPECT_EQ(FlipAt(2 * kPeriod), Clock::duration::zero());
  EXPECT_EQ(FlipAt(2 * kPeriod), Clock::duration::zero());
  EXPECT_EQ(FlipAt(2 * kPeriod + Ms(1)), kPeriod - Ms(1));
  // A moment more than a frame late restarts it from that flip.
  pacer.Reset();
  FlipAt(Clock::duration::zero());
  EXPECT_EQ(FlipAt(2 * kPeriod + Ms(1)), Clock::duration::zero());
  EXPECT_EQ(FlipAt(2 * kPeriod + Ms(2)), kPeriod - Ms(1));
}

TEST_F(FramePacerPlan, VerticalBlankSetsThePaceWithinItsSlack) {
  pacer.SetVsync(true);
  FlipAt(Clock::duration::zero());
  // A flip that waited for the blank ends near its slot: up to 4 ms early is the display's own
  // rhythm and is not slept on.
  EXPECT_EQ(FlipAt(kPeriod - Ms(3.5)), Clock::duration::zero());
  EXPECT_EQ(FlipAt(2 * kPeriod - Ms(4)), Clock::duration::zero());
  // More than 4 ms early, the flip did not really wait (a display faster than 60 Hz): the timer
  // sleeps out the slot.
  EXPECT_EQ(FlipAt(2 * kPeriod + Ms(1)), kPeriod - Ms(1));
  // A late blank moves the rhythm to the display's: the next slot counts from that flip.
  EXPECT_EQ(FlipAt(4 * kPeriod + Ms(2)), Clock::duration::zero());
  EXPECT_EQ(FlipAt(4 * kPeriod + Ms(7)), kPeriod - Ms(5));
}

TEST_F(FramePacerPlan, AfterAResetTheNextFlipIsNotHeldBack) {
  FlipAt(Clock::duration::zero());
  EXPECT_EQ(FlipAt(Ms(1)), kPeriod - Ms(1));
  pacer.Reset();  // as after a pause
  EXPECT_EQ(FlipAt(Ms(2)), Clock::duration::zero());
  EXPECT_EQ(FlipAt(Ms(3)), kPeriod - Ms(1));  // the new rhythm counts from the flip after it
}

}  // namespace
}  // namespace kelmora::testing
