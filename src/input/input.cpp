#include "input/input.h"

#include "display/report.h"
#include "state/state.h"

namespace kelmora {

namespace {

// One step of the latch rules for a key or button: held sets the latch; the first poll that finds
// it up reports the released edge for exactly one poll.
void Latch(bool held, std::uint8_t& latch, std::uint8_t& released) {
  if (held) {
    latch = 1;
  } else if (released != 0) {
    released = 0;
  } else {
    if (latch != 0) released = 1;
    latch = 0;
  }
}

}  // namespace

platform::HRESULT CreateInputDevices() {
  using platform::DeviceKind;
  using platform::HRESULT;
  input.window = appState.mainWindow;
  HRESULT failure = 0;
  // Runs one creation call, remembers its code and reports it when it failed. Steps after a
  // failure are skipped.
  auto step = [&failure](HRESULT code, const char* message) {
    input.lastResult = code;
    if (platform::Failed(code)) {
      ReportInputError(input.window, code, "%s", message);
      failure = code;
      return false;
    }
    return true;
  };
  const std::uint32_t cooperation = platform::DISCL_NONEXCLUSIVE | platform::DISCL_FOREGROUND;
  auto device = [&](DeviceKind kind, std::unique_ptr<platform::InputDevice>& slot,
                    platform::DataFormat format, const char* create, const char* setFormat,
                    const char* setCooperation, const char* acquire) {
    return step(input.directInput->CreateDevice(kind, &slot), create) &&
           step(slot->SetDataFormat(format), setFormat) &&
           step(slot->SetCooperativeLevel(appState.mainWindow, cooperation), setCooperation) &&
           step(slot->Acquire(), acquire);
  };

  if (step(platform::DirectInputCreate(platform::DIRECTINPUT_VERSION, &input.directInput),
           "Direct Input Create Failed")) {
    if (device(DeviceKind::kKeyboard, input.keyboardDevice, platform::DataFormat::kKeyboard,
               "Create Keyboard Device Failed", "Set Keyboard Data Format Failed",
               "Set Keyboard Cooperative Level Failed", "Keyboard acquisition Failed")) {
      device(DeviceKind::kMouse, input.mouseDevice, platform::DataFormat::kMouse,
             "Create Mouse Device Failed", "Set Mouse Data Format Failed",
             "Set Mouse Cooperative Level Failed", "Mouse acquisition Failed");
    }
  }
  if (failure == 0) return 0;
  ReportFatal(appState.mainWindow, failure, "%s", "Direct Input Initialisation FAILED");
  return failure;
}

bool PollKeyboard() {
  const platform::HRESULT code = input.keyboardDevice
                                     ? input.keyboardDevice->GetDeviceState(256, input.keyHeld)
                                     : platform::DIERR_NOTACQUIRED;
  if (platform::Failed(code)) {
    ReportInputError(input.window, code, "%s", "Get KeyBoard State Failed");
    return false;
  }
  for (int k = 0; k < 256; ++k) {
    Latch((input.keyHeld[k] & 0x80) != 0, input.keyLatch[k], input.keyReleased[k]);
  }
  return true;
}

bool PollMouse() {
  const platform::HRESULT code =
      input.mouseDevice
          ? input.mouseDevice->GetDeviceState(sizeof(platform::MouseState), &input.mouseState)
          : platform::DIERR_NOTACQUIRED;
  if (platform::Failed(code)) {
    ReportInputError(input.window, code, "%s", "Get Mouse State Failed");
    return false;
  }
  for (int b = 0; b < 3; ++b) {
    Latch(input.mouseState.rgbButtons[b] != 0, input.buttonLatch[b], input.buttonReleased[b]);
  }
  return true;
}

}  // namespace kelmora
