#include <SDL.h>

#include "platform/sdl/sdl_backend.h"

#include <cstring>
#include <ctime>

#include "platform/faults.h"
#include "platform/sdl/quit_signals.h"
#include "platform/window.h"

namespace kelmora::platform {

SdlBackend::SdlBackend(const SdlOptions& options)
    : options_(options), fullscreen_(options.fullscreen), pairs_(kPixelPairCount) {}

SdlBackend::~SdlBackend() {
  CloseWindow();
  ClosePads();
  SetEventsRunning(false);
  SDL_Quit();
}

void SdlBackend::ApplyInput(const InputEvent& input) {
  switch (input.op) {
    case InputOp::kKey:
      deviceKeys_[input.code & 0xFF] = input.value != 0 ? 0x80 : 0;
      break;
    case InputOp::kVk:
      PostMessage(CurrentWindow(), WM_KEYDOWN, static_cast<WPARAM>(input.code), 0);
      break;
    case InputOp::kMouse:
      deviceMotionX_ = AddMotion(deviceMotionX_, input.dx);
      deviceMotionY_ = AddMotion(deviceMotionY_, input.dy);
      break;
    case InputOp::kButton:
      deviceButtons_[input.code & 3] = input.value != 0 ? 0x80 : 0;
      break;
    case InputOp::kActivate:
      PostMessage(CurrentWindow(), WM_ACTIVATEAPP, input.value != 0 ? 1 : 0, 0);
      break;
    case InputOp::kClose:
      PostMessage(CurrentWindow(), WM_CLOSE, 0, 0);
      break;
    case InputOp::kFail:
      ArmFault(input.fault, input.value);
      break;
  }
}

bool SdlBackend::ReadKeyboard(std::uint8_t (&keys)[256]) {
  std::memcpy(keys, deviceKeys_, sizeof deviceKeys_);
  return true;
}

bool SdlBackend::ReadMouse(MouseState* state) {
  state->lX = deviceMotionX_;
  state->lY = deviceMotionY_;
  state->lZ = 0;
  std::memcpy(state->rgbButtons, deviceButtons_, sizeof deviceButtons_);
  deviceMotionX_ = 0;
  deviceMotionY_ = 0;
  return true;
}

std::uint32_t SdlBackend::TimeSeconds() {
  lastTime_ = options_.seed ? *options_.seed : static_cast<std::uint32_t>(std::time(nullptr));
  return lastTime_;
}

HostRequests SdlBackend::TakeHostRequests() {
  HostRequests requests = requests_;
  requests.fullscreen = fullscreen_;
  requests_ = HostRequests{};
  return requests;
}

std::vector<std::pair<std::string, std::string>> SdlBackend::TakeMessageBoxes() {
  auto boxes = std::move(boxes_);
  boxes_.clear();
  return boxes;
}

}  // namespace kelmora::platform
