#include <SDL.h>

#include "platform/sdl/gamepad.h"

#include <algorithm>

#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"

namespace kelmora::platform {

// ---------------------------------------------------------------------------------------------
// The controllers plugged in: opened when they arrive, closed when they go.

void SdlBackend::OpenPad(int deviceIndex) {
  if (!SDL_IsGameController(deviceIndex)) return;
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  for (SDL_GameController* pad : pads_) {
    if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id) return;
  }
  SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
  if (pad == nullptr) {
    DebugOutput("A game controller could not be opened: ");
    DebugOutput(SDL_GetError());
    DebugOutput("\n");
    return;
  }
  pads_.push_back(pad);
}

void SdlBackend::ClosePad(std::int32_t id) {
  std::erase_if(pads_, [id](SDL_GameController* pad) {
    if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) != id) return false;
    SDL_GameControllerClose(pad);
    return true;
  });
}

void SdlBackend::ClosePads() {
  for (SDL_GameController* pad : pads_) SDL_GameControllerClose(pad);
  pads_.clear();
}

PadInput SdlBackend::ReadPads() const {
  PadInput input;
  for (SDL_GameController* pad : pads_) {
    auto button = [pad](SDL_GameControllerButton b) {
      return SDL_GameControllerGetButton(pad, b) != 0;
    };
    auto axis = [pad](SDL_GameControllerAxis a) { return SDL_GameControllerGetAxis(pad, a); };
    PadState state;
    state.up = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
    state.down = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    state.left = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    state.right = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    state.a = button(SDL_CONTROLLER_BUTTON_A);
    state.b = button(SDL_CONTROLLER_BUTTON_B);
    state.start = button(SDL_CONTROLLER_BUTTON_START);
    state.back = button(SDL_CONTROLLER_BUTTON_BACK);
    state.leftX = axis(SDL_CONTROLLER_AXIS_LEFTX);
    state.leftY = axis(SDL_CONTROLLER_AXIS_LEFTY);
    state.rightX = axis(SDL_CONTROLLER_AXIS_RIGHTX);
    state.rightY = axis(SDL_CONTROLLER_AXIS_RIGHTY);
    MapPad(state, menuUp_, &input);
  }
  return input;
}

}  // namespace kelmora::platform
