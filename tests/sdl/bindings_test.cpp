// Keys the player moves, and the program's own keys (sound, screenshot), on the dummy video
// driver: what the game's keyboard reads, and what it never sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sdl/bindings.h"
#include "platform/window.h"
#include "sdl_fixture.h"

namespace kelmora::testing {
namespace {

using platform::BindingWarning;
using platform::DIK_LMENU;
using platform::DIK_SPACE;
using platform::InputEvent;
using platform::KeyBinding;
using platform::KeyBindings;

constexpr std::uint8_t kDikLeft = 0xCB;
constexpr std::uint8_t kDikRight = 0xCD;
constexpr std::uint8_t kDikX = 0x2D;
constexpr std::uint8_t kDikP = 0x19;

// The game's seven actions on their own keys, as the settings file names them.
std::vector<KeyBinding> Own() {
  return {{"key.left", "Left", "Left"},   {"key.right", "Right", "Right"},
          {"key.thrust-up", "Up", "Up"},  {"key.thrust-down", "Down", "Down"},
          {"key.fire", "Space", "Space"}, {"key.missile", "Left Alt", "Left Alt"},
          {"key.pause", "P", "P"}};
}

std::vector<KeyBinding> With(std::initializer_list<std::pair<std::size_t, const char*>> moves) {
  std::vector<KeyBinding> bindings = Own();
  for (const auto& [action, name] : moves) bindings[action].name = name;
  return bindings;
}

constexpr std::size_t kLeft = 0, kRight = 1, kFire = 4, kMissile = 5, kPause = 6;

TEST(KeyBindingsTest, OwnKeysGiveTheirOwnCodes) {
  std::vector<BindingWarning> warnings;
  const KeyBindings own = KeyBindings::From(Own(), &warnings);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(own.Translate(SDL_SCANCODE_LEFT), kDikLeft);
  EXPECT_EQ(own.Translate(SDL_SCANCODE_LALT), DIK_LMENU);
  EXPECT_EQ(own.Translate(SDL_SCANCODE_X), kDikX);
  EXPECT_EQ(own.Translate(SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(own.Translate(static_cast<SDL_Scancode>(SDL_NUM_SCANCODES)), 0);
}

TEST(KeyBindingsTest, AMovedActionTakesItsCodeAlongAndItsOwnKeyGoesQuiet) {
  std::vector<BindingWarning> warnings;
  const KeyBindings moved =
      KeyBindings::From(With({{kMissile, "X"}, {kPause, "Keypad 5"}}), &warnings);
  EXPECT_TRUE(warnings.empty()) << warnings.front().text;
  EXPECT_EQ(moved.Translate(SDL_SCANCODE_X), DIK_LMENU);
  EXPECT_EQ(moved.Translate(SDL_SCANCODE_LALT), 0);
  EXPECT_EQ(moved.Translate(SDL_SCANCODE_KP_5), kDikP);
  EXPECT_EQ(moved.Translate(SDL_SCANCODE_P), 0);
  // Two actions may trade keys.
  const KeyBindings swapped =
      KeyBindings::From(With({{kLeft, "Right"}, {kRight, "Left"}}), &warnings);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(swapped.Translate(SDL_SCANCODE_RIGHT), kDikLeft);
  EXPECT_EQ(swapped.Translate(SDL_SCANCODE_LEFT), kDikRight);
}

TEST(KeyBindingsTest, UnknownReservedAndTwiceBoundKeysWarnAndStayOnTheirOwn) {
  std::vector<BindingWarning> warnings;
  const KeyBindings bad = KeyBindings::From(
      With({{kFire, "Nonsense"}, {kPause, "Escape"}, {kMissile, "Left"}}), &warnings);
  ASSERT_EQ(warnings.size(), 3u);
  EXPECT_EQ(warnings[0].binding, kFire);
  EXPECT_EQ(warnings[0].text, "no key is named 'Nonsense'; key.fire stays on Space");
  EXPECT_EQ(warnings[1].binding, kPause);
  EXPECT_EQ(warnings[1].text, "Escape keeps its own meaning; key.pause stays on P");
  EXPECT_EQ(warnings[2].binding, kMissile);
  EXPECT_EQ(warnings[2].text, "Left is bound twice; key.missile stays on Left Alt");
  EXPECT_EQ(bad.Translate(SDL_SCANCODE_SPACE), DIK_SPACE);
  EXPECT_EQ(bad.Translate(SDL_SCANCODE_P), kDikP);
  EXPECT_EQ(bad.Translate(SDL_SCANCODE_LEFT), kDikLeft);
  EXPECT_EQ(bad.Translate(SDL_SCANCODE_LALT), DIK_LMENU);
  EXPECT_EQ(bad.Translate(SDL_SCANCODE_ESCAPE), 0x01);

  // Two actions moved onto one key: the first keeps it.
  warnings.clear();
  const KeyBindings twice = KeyBindings::From(With({{kFire, "X"}, {kMissile, "X"}}), &warnings);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].binding, kMissile);
  EXPECT_EQ(twice.Translate(SDL_SCANCODE_X), DIK_SPACE);
  EXPECT_EQ(twice.Translate(SDL_SCANCODE_LALT), DIK_LMENU);
  for (const SDL_Scancode reserved :
       {SDL_SCANCODE_ESCAPE, SDL_SCANCODE_F1, SDL_SCANCODE_F12, SDL_SCANCODE_F9, SDL_SCANCODE_M}) {
    EXPECT_TRUE(platform::IsReservedKey(reserved));
  }
  EXPECT_FALSE(platform::IsReservedKey(SDL_SCANCODE_F10));
}

void PushKey(SDL_Window* window, SDL_Scancode scancode, bool down, Uint16 mod = KMOD_NONE) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.windowID = SDL_GetWindowID(window);
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
  event.key.keysym.mod = mod;
  SDL_PushEvent(&event);
}

using SdlBindingsTest = SdlTest;

TEST_F(SdlBindingsTest, AReboundMissileKeyLaunchesAndLeftAltNoLonger) {
  platform::SdlBackend& backend = Open();
  std::vector<BindingWarning> warnings;
  backend.SetKeyBindings(KeyBindings::From(With({{kMissile, "X"}}), &warnings));
  Take();
  // X reads as the game's Left Alt, held while it is held; its key-down message is X's own.
  PushKey(backend.Window(), SDL_SCANCODE_X, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Vk('X'), Key(DIK_LMENU, true)}));
  PushKey(backend.Window(), SDL_SCANCODE_X, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(DIK_LMENU, false)}));
  // Left Alt gives nothing at all, tapped or held.
  PushKey(backend.Window(), SDL_SCANCODE_LALT, true);
  PushKey(backend.Window(), SDL_SCANCODE_LALT, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  EXPECT_EQ(backend.DeviceKeys()[DIK_LMENU], 0);
}

TEST_F(SdlBindingsTest, TheSoundAndScreenshotKeysNeverReachTheGame) {
  platform::SdlBackend& backend = Open();
  Take();
  EXPECT_EQ(backend.TakeHostRequests().soundToggles, 0);
  PushKey(backend.Window(), SDL_SCANCODE_M, true);
  PushKey(backend.Window(), SDL_SCANCODE_M, false);
  PushKey(backend.Window(), SDL_SCANCODE_F9, true);
  PushKey(backend.Window(), SDL_SCANCODE_F9, false);
  PushKey(backend.Window(), SDL_SCANCODE_M, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  platform::HostRequests requests = backend.TakeHostRequests();
  EXPECT_EQ(requests.soundToggles, 2);
  EXPECT_EQ(requests.screenshots, 1);
  EXPECT_FALSE(requests.fullscreenChanged);
  EXPECT_FALSE(requests.fullscreen);
  // Taken once.
  requests = backend.TakeHostRequests();
  EXPECT_EQ(requests.soundToggles + requests.screenshots, 0);
  // In a replay too.
  backend.SetReplaying(true);
  PushKey(backend.Window(), SDL_SCANCODE_F9, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  EXPECT_EQ(backend.TakeHostRequests().screenshots, 1);
  // Alt+Enter is told as a change of the window's mode.
  PushKey(backend.Window(), SDL_SCANCODE_RETURN, true, KMOD_LALT);
  Take();
  requests = backend.TakeHostRequests();
  EXPECT_TRUE(requests.fullscreenChanged);
  EXPECT_EQ(requests.fullscreen, backend.Fullscreen());
}

}  // namespace
}  // namespace kelmora::testing
