// Shared set-up for the SDL backend's tests: SDL's dummy video driver (no display, no boxes), the
// game's state as before start-up, and a backend opened through the game's own start-up steps.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <vector>

#include "platform/sdl/sdl_backend.h"
#include "tests/unit/support.h"

namespace kelmora::platform {
inline void PrintTo(const InputEvent& input, std::ostream* out) {
  *out << "{op " << static_cast<int>(input.op) << ", code " << input.code << ", value "
       << input.value << ", motion " << input.dx << "," << input.dy << "}";
}
}  // namespace kelmora::platform

namespace kelmora::testing {

class SdlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    ResetEverything();
  }
  void TearDown() override {
    platform::InstallBackend(nullptr);
    backend_.reset();
    ResetEverything();
  }

  // A backend with its window, display, renderer, screen and input, as start-up makes them.
  platform::SdlBackend& Open(platform::SdlOptions options = WindowOptions()) {
    backend_ = std::make_unique<platform::SdlBackend>(options);
    platform::SdlBackend& backend = *backend_;
    EXPECT_TRUE(backend.OpenWindow("A Game"));
    backend.ShowWindow();
    for (auto step : {platform::HostStep::kVideo, platform::HostStep::kDisplayMode,
                      platform::HostStep::kScreen, platform::HostStep::kInput}) {
      EXPECT_TRUE(backend.StartHostStep(step));
    }
    backend.SetTickedInput(true);
    return backend;
  }

  static platform::SdlOptions WindowOptions() {
    platform::SdlOptions options;
    options.fullscreen = false;
    return options;
  }

  // The input of one tick, given to the game as a session gives it.
  std::vector<platform::InputEvent> Take() {
    std::vector<platform::InputEvent> inputs;
    backend_->TakeHostInput(&inputs);
    for (const platform::InputEvent& input : inputs) backend_->ApplyInput(input);
    return inputs;
  }

  std::unique_ptr<platform::SdlBackend> backend_;
};

inline platform::InputEvent Key(int code, bool down) {
  return platform::InputEvent{platform::InputOp::kKey, code, down ? 1 : 0};
}
inline platform::InputEvent Vk(int code) {
  return platform::InputEvent{platform::InputOp::kVk, code};
}
inline platform::InputEvent Button(int button, bool down) {
  return platform::InputEvent{platform::InputOp::kButton, button, down ? 1 : 0};
}
inline platform::InputEvent Motion(int dx, int dy) {
  return platform::InputEvent{platform::InputOp::kMouse, 0, 0, dx, dy};
}
inline platform::InputEvent Activate(bool active) {
  return platform::InputEvent{platform::InputOp::kActivate, 0, active ? 1 : 0};
}
inline platform::InputEvent Close() {
  return platform::InputEvent{platform::InputOp::kClose};
}

}  // namespace kelmora::testing
