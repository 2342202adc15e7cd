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
  ApplyInputEvent(*this, CurrentWindow(), input);
}

bool SdlBackend::ReadKeyboard(std::uint8_t (&keys)[256]) {
  ReadKeys(keys);
  return true;
}

bool SdlBackend::ReadMouse(MouseState* state) {
  TakeMouse(state);
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
