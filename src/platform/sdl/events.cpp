#include <SDL.h>

#include "platform/sdl/keys.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"

namespace kelmora::platform {

void SdlBackend::PushActivate(bool active, std::vector<HostInput>* inputs) {
  if (focused_ == active) return;
  focused_ = active;
  CaptureMouse(active);
  if (!active) {
    // Whatever was held when the focus went is let go; the game sees it when it is back.
    for (bool& key : hostKeys_) key = false;
    for (bool& button : hostButtons_) button = false;
  }
  if (!replaying_) inputs->push_back(HostInput{HostInput::Kind::kActivate, 0, active ? 1 : 0});
}

void SdlBackend::PushClose(std::vector<HostInput>* inputs) {
  if (closePosted_) return;
  closePosted_ = true;
  inputs->push_back(HostInput{HostInput::Kind::kClose});
}

void SdlBackend::HandleWindowEvent(const SDL_WindowEvent& event, std::vector<HostInput>* inputs) {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      PushActivate(true, inputs);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      PushActivate(false, inputs);
      break;
    case SDL_WINDOWEVENT_CLOSE:
      PushClose(inputs);
      break;
    case SDL_WINDOWEVENT_ENTER:
      SendMessage(CurrentWindow(), WM_SETCURSOR, 0, 0);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      // The last frame again, placed for the new size (the game may be standing still).
      ShowScreen();
      break;
    default:
      break;
  }
}

void SdlBackend::HandleKey(const SDL_KeyboardEvent& event, std::vector<HostInput>* inputs) {
  const SDL_Scancode scancode = event.keysym.scancode;
  const bool down = event.type == SDL_KEYDOWN;
  if (down && (scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER) &&
      (event.keysym.mod & KMOD_ALT) != 0) {
    if (event.repeat == 0) ToggleFullscreen();
    return;
  }
  if (replaying_) {
    // A replay still ends at once on the quit keys.
    if (down && (scancode == SDL_SCANCODE_ESCAPE || scancode == SDL_SCANCODE_F12)) {
      inputs->push_back(HostInput{HostInput::Kind::kVk,
                                  static_cast<std::int32_t>(VkForKey(scancode, event.keysym.sym))});
    }
    return;
  }
  const std::uint8_t dik = DikForScancode(scancode);
  if (dik != 0 && event.repeat == 0) hostKeys_[dik] = down;
  if (!down || IsSystemKey(scancode)) return;
  // Every press, and every auto-repeat while the key is held, is a key-down message.
  const std::uint32_t vk = VkForKey(scancode, event.keysym.sym);
  if (vk != 0) inputs->push_back(HostInput{HostInput::Kind::kVk, static_cast<std::int32_t>(vk)});
}

void SdlBackend::TakeHostInput(std::vector<HostInput>* inputs) {
  closePosted_ = false;
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    switch (event.type) {
      case SDL_QUIT:
        PushClose(inputs);
        break;
      case SDL_WINDOWEVENT:
        if (window_ != nullptr && event.window.windowID == SDL_GetWindowID(window_)) {
          HandleWindowEvent(event.window, inputs);
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        HandleKey(event.key, inputs);
        break;
      case SDL_MOUSEMOTION:
        if (focused_ && !replaying_) {
          hostMotionX_ += event.motion.xrel;
          hostMotionY_ += event.motion.yrel;
        }
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        HandleMouseButton(event.button);
        break;
      case SDL_CONTROLLERDEVICEADDED:
        OpenPad(event.cdevice.which);
        break;
      case SDL_CONTROLLERDEVICEREMOVED:
        ClosePad(event.cdevice.which);
        break;
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        // The screen's contents are gone: the next flip tells the game its surfaces were lost,
        // and its restore rebuilds the screen.
        screenLost_ = true;
        break;
      default:
        break;
    }
  }

  SettleWindow();

  // A replay's keys and buttons are the recorded ones: the host's (none) must not undo them.
  if (replaying_) return;

  // Controllers play only while the window has the focus, as the keyboard does.
  const PadInput pad = !focused_ ? PadInput{} : ReadPads();
  // A controller button that goes down is a key press: it gives its key-down message too.
  for (int k = 0; k < 256; ++k) {
    if (!pad.keys[k] || lastPad_.keys[k] || k == DIK_LMENU) continue;
    const std::uint32_t vk = VkForDik(static_cast<std::uint8_t>(k));
    if (vk != 0) inputs->push_back(HostInput{HostInput::Kind::kVk, static_cast<std::int32_t>(vk)});
  }
  lastPad_ = pad;

  for (int k = 0; k < 256; ++k) {
    const bool down = hostKeys_[k] || pad.keys[k];
    if (down != (deviceKeys_[k] != 0)) {
      inputs->push_back(HostInput{HostInput::Kind::kKey, k, down ? 1 : 0});
    }
  }
  for (int b = 0; b < 4; ++b) {
    const bool down = hostButtons_[b] || buttonPressed_[b] || (b < 2 && pad.buttons[b]);
    if (down != (deviceButtons_[b] != 0)) {
      inputs->push_back(HostInput{HostInput::Kind::kButton, b, down ? 1 : 0});
    }
    buttonPressed_[b] = false;
  }
  const std::int32_t dx = hostMotionX_ + pad.dx;
  const std::int32_t dy = hostMotionY_ + pad.dy;
  hostMotionX_ = 0;
  hostMotionY_ = 0;
  if (dx != 0 || dy != 0) inputs->push_back(HostInput{HostInput::Kind::kMouse, 0, 0, dx, dy});
}

void SdlBackend::TakeAllAndApply() {
  std::vector<HostInput> inputs;
  TakeHostInput(&inputs);
  for (const HostInput& input : inputs) ApplyInput(input);
}

void SdlBackend::PumpEvents() {
  if (!tickedInput_ && videoStarted_) TakeAllAndApply();
}

void SdlBackend::WaitEvents() {
  if (!videoStarted_) return;
  SDL_WaitEvent(nullptr);
  if (!tickedInput_) TakeAllAndApply();
}

void SdlBackend::WaitForHostEvent(int milliseconds) {
  if (!videoStarted_) return;
  if (milliseconds < 0) {
    SDL_WaitEvent(nullptr);
  } else {
    SDL_WaitEventTimeout(nullptr, milliseconds);
  }
}

}  // namespace kelmora::platform
