#include "platform/backend.h"

#include <cstdio>
#include <cstring>

#include "platform/faults.h"
#include "platform/window.h"

namespace kelmora::platform {

namespace {

// No host at all: every start-up step fails, so a program that forgot to install a backend
// stops at its first step with exit status 1 rather than running blind.
class NoHost final : public Backend {
 public:
  bool OpenWindow(std::string_view) override { return false; }
  void CloseWindow() override {}
  bool StartHostStep(HostStep) override { return false; }
  void PumpEvents() override {}
  void ShowMessageBox(std::string_view caption, std::string_view text) override {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
  }
  bool ReadKeyboard(std::uint8_t (&)[256]) override { return false; }
  bool ReadMouse(MouseState*) override { return false; }
  HRESULT Present(const Surface&, const PaletteTable&) override { return DDERR_GENERIC; }
  std::uint32_t TimeSeconds() override { return 0; }
};

NoHost noHost;
Backend* installed = nullptr;

}  // namespace

Backend& CurrentBackend() {
  return installed != nullptr ? *installed : noHost;
}

void InstallBackend(Backend* backend) {
  installed = backend;
}

void DeviceState::ReadKeys(std::uint8_t (&keys)[256]) const {
  std::memcpy(keys, keys_, sizeof keys_);
}

void DeviceState::TakeMouse(MouseState* state) {
  state->lX = motionX_;
  state->lY = motionY_;
  state->lZ = 0;
  std::memcpy(state->rgbButtons, buttons_, sizeof buttons_);
  motionX_ = 0;
  motionY_ = 0;
}

void TakeHeldInput(const DeviceState& devices, const PadInput& pad,
                   std::uint32_t (*vkForDik)(std::uint8_t), HeldInput* held,
                   std::vector<InputEvent>* inputs, std::int32_t* dx, std::int32_t* dy) {
  for (int k = 0; k < 256; ++k) {
    if (!pad.keys[k] || held->lastPad.keys[k] || k == DIK_LMENU) continue;
    const std::uint32_t vk = vkForDik(static_cast<std::uint8_t>(k));
    if (vk != 0) inputs->push_back(InputEvent{InputOp::kVk, static_cast<std::int32_t>(vk)});
  }
  held->lastPad = pad;
  for (int k = 0; k < 256; ++k) {
    const bool down = held->keys[k] || held->keyPressed[k] || pad.keys[k];
    if (down != (devices.DeviceKeys()[k] != 0)) {
      inputs->push_back(InputEvent{InputOp::kKey, k, down ? 1 : 0});
    }
    held->keyPressed[k] = false;
  }
  for (int b = 0; b < 4; ++b) {
    const bool down = held->buttons[b] || held->buttonPressed[b] || (b < 2 && pad.buttons[b]);
    if (down != (devices.DeviceButton(b) != 0)) {
      inputs->push_back(InputEvent{InputOp::kButton, b, down ? 1 : 0});
    }
    held->buttonPressed[b] = false;
  }
  *dx = AddMotion(held->motionX, pad.dx);
  *dy = AddMotion(held->motionY, pad.dy);
  held->motionX = 0;
  held->motionY = 0;
}

void ApplyInputEvent(DeviceState& devices, WindowHandle window, const InputEvent& input) {
  switch (input.op) {
    case InputOp::kKey:
      devices.SetKey(static_cast<std::uint8_t>(input.code), input.value != 0);
      break;
    case InputOp::kVk:
      PostMessage(window, WM_KEYDOWN, static_cast<WPARAM>(input.code), 0);
      break;
    case InputOp::kMouse:
      devices.AddMouseMotion(input.dx, input.dy);
      break;
    case InputOp::kButton:
      devices.SetButton(input.code, input.value != 0);
      break;
    case InputOp::kActivate:
      PostMessage(window, WM_ACTIVATEAPP, static_cast<WPARAM>(input.value != 0 ? 1 : 0), 0);
      break;
    case InputOp::kClose:
      PostMessage(window, WM_CLOSE, 0, 0);
      break;
    case InputOp::kFail:
      ArmFault(input.fault, input.value);
      break;
  }
}

}  // namespace kelmora::platform
