#include <SDL.h>

#include "platform/sdl/sdl_backend.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/faults.h"
#include "platform/sdl/quit_signals.h"
#include "platform/window.h"

namespace kelmora::platform {

SdlBackend::SdlBackend(const SdlOptions& options)
    : options_(options), fullscreen_(options.fullscreen), pairs_(kPixelPairCount) {
  // Docks and task switchers group the window under the game's desktop entry by this name (the
  // window class under X, the application id under Wayland), unless the player named another
  // himself. Set here, before SDL starts a thread of its own (the sound's reads the environment
  // as it starts): changing the environment while another thread reads it can crash that one.
  setenv("SDL_VIDEO_X11_WMCLASS", kApplicationId, 0);
  setenv("SDL_VIDEO_WAYLAND_WMCLASS", kApplicationId, 0);
  // SDL's hints are not guarded against a thread that reads them either.
  SDL_SetHint("SDL_APP_NAME", kApplicationId);
  // The backend itself leaves the controllers alone while the window has no focus.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
}

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
