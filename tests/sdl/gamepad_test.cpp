// Controllers as the keyboard and mouse: the mapping itself, and a virtual controller plugged in
// and out of the real backend.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sdl/gamepad.h"
#include "sdl_fixture.h"

namespace kelmora::testing {
namespace {

using platform::InputEvent;
using platform::MapPad;
using platform::PadInput;
using platform::PadState;

std::vector<int> HeldKeys(const PadInput& input) {
  std::vector<int> held;
  for (int k = 0; k < 256; ++k) {
    if (input.keys[k]) held.push_back(k);
  }
  return held;
}

TEST(SdlGamepadMapping, InFlightThePadIsTheGamesKeys) {
  PadState pad;
  pad.up = true;
  pad.a = true;
  pad.b = true;
  pad.start = true;
  pad.back = true;
  pad.leftX = -20000;  // left stick pushed left: the left arrow
  pad.rightX = 32767;  // the right stick does nothing in flight
  PadInput input;
  MapPad(pad, false, &input);
  EXPECT_EQ(HeldKeys(input),
            (std::vector<int>{platform::DIK_P, platform::DIK_LMENU, platform::DIK_SPACE,
                              platform::DIK_F1, platform::DIK_UP, platform::DIK_LEFT}));
  EXPECT_FALSE(input.buttons[0]);
  EXPECT_FALSE(input.buttons[1]);
  EXPECT_EQ(input.dx, 0);
  EXPECT_EQ(input.dy, 0);
  // Short of the threshold a stick is no key; two pads add up.
  PadState other;
  other.leftY = platform::kStickKeyThreshold;
  other.leftX = platform::kStickKeyThreshold - 1;
  MapPad(other, false, &input);
  EXPECT_TRUE(input.keys[platform::DIK_DOWN]);
  EXPECT_FALSE(input.keys[platform::DIK_RIGHT]);
}

TEST(SdlGamepadMapping, InTheMenuTheSticksMoveTheCursorAndAAndBClick) {
  PadState pad;
  pad.a = true;
  pad.b = true;
  pad.leftX = 32767;
  pad.rightY = -32768;
  pad.down = true;
  PadInput input;
  MapPad(pad, true, &input);
  EXPECT_TRUE(input.buttons[0]);
  EXPECT_TRUE(input.buttons[1]);
  EXPECT_EQ(HeldKeys(input), (std::vector<int>{platform::DIK_DOWN}));
  EXPECT_EQ(input.dx, platform::kStickCursorSpeed);
  EXPECT_EQ(input.dy, -platform::kStickCursorSpeed);
  EXPECT_EQ(platform::StickMotion(platform::kStickDeadZone), 0);
  EXPECT_EQ(platform::StickMotion(-platform::kStickDeadZone - 1), -1);
  EXPECT_EQ(platform::StickMotion(0), 0);
}

// A virtual controller with every standard button and axis, plugged into the backend.
class SdlGamepadTest : public SdlTest {
 protected:
  SDL_Joystick* Plug(platform::SdlBackend& backend) {
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    EXPECT_GE(index, 0) << SDL_GetError();
    deviceIndex_ = index;
    Take();  // the controller arrives and is opened
    EXPECT_EQ(backend.PadCount(), 1);
    return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index));
  }
  void Press(SDL_Joystick* joystick, SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
  }
  void Unplug() { SDL_JoystickDetachVirtual(deviceIndex_); }

  int deviceIndex_ = -1;
};

TEST_F(SdlGamepadTest, ButtonsAreKeyPressesWithTheirMessages) {
  platform::SdlBackend& backend = Open();
  Take();
  SDL_Joystick* joystick = Plug(backend);
  ASSERT_NE(joystick, nullptr);
  Press(joystick, SDL_CONTROLLER_BUTTON_A, true);
  Press(joystick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  Press(joystick, SDL_CONTROLLER_BUTTON_BACK, true);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{
                        Vk(0x20), Vk(platform::VK_F1), Vk(0x25), Key(platform::DIK_SPACE, true),
                        Key(platform::DIK_F1, true), Key(platform::DIK_LEFT, true)}));
  // Held: no new message, no change.
  EXPECT_EQ(Take(), (std::vector<InputEvent>{}));
  // B is the missile key: a system key, no message.
  Press(joystick, SDL_CONTROLLER_BUTTON_B, true);
  Press(joystick, SDL_CONTROLLER_BUTTON_A, false);
  EXPECT_EQ(Take(), (std::vector<InputEvent>{Key(platform::DIK_LMENU, true),
                                             Key(platform::DIK_SPACE, false)}));
  // Pulled out: everything it held is let go.
  Unplug();
  EXPECT_EQ(Take(),
            (std::vector<InputEvent>{Key(platform::DIK_LMENU, false), Key(platform::DIK_F1, false),
                                     Key(platform::DIK_LEFT, false)}));
  EXPECT_EQ(backend.PadCount(), 0);
}

TEST_F(SdlGamepadTest, InTheMenuTheStickIsTheMouse) {
  platform::SdlBackend& backend = Open();
  Take();
  SDL_Joystick* joystick = Plug(backend);
  ASSERT_NE(joystick, nullptr);
  backend.SetMenuUp(true);
  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_RIGHTX, -32768);
  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, 32767);
  Press(joystick, SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(Take(),
            (std::vector<InputEvent>{Button(0, true), Motion(-platform::kStickCursorSpeed,
                                                             platform::kStickCursorSpeed)}));
  // Each frame the stick is held moves the cursor again.
  EXPECT_EQ(
      Take(),
      (std::vector<InputEvent>{Motion(-platform::kStickCursorSpeed, platform::kStickCursorSpeed)}));
  Unplug();
  Take();
}

}  // namespace
}  // namespace kelmora::testing
