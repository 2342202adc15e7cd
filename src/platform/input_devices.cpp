#include "platform/input_devices.h"

#include <cstring>

#include "platform/backend.h"
#include "platform/faults.h"

namespace kelmora::platform {

namespace {

Fault StepFault(DeviceKind kind, Fault keyboard, Fault mouse) {
  return kind == DeviceKind::kKeyboard ? keyboard : mouse;
}

}  // namespace

HRESULT InputDevice::SetDataFormat(DataFormat format) {
  if (ConsumeFault(StepFault(kind_, Fault::kKeyboardFormat, Fault::kMouseFormat))) return E_FAIL;
  const bool matches = (kind_ == DeviceKind::kKeyboard) == (format == DataFormat::kKeyboard);
  if (!matches) return DDERR_INVALIDPARAMS;
  formatSet_ = true;
  return DI_OK;
}

HRESULT InputDevice::SetCooperativeLevel(WindowHandle window, std::uint32_t) {
  if (ConsumeFault(StepFault(kind_, Fault::kKeyboardCooperative, Fault::kMouseCooperative))) {
    return E_FAIL;
  }
  return window != 0 ? DI_OK : E_FAIL;
}

HRESULT InputDevice::Acquire() {
  if (ConsumeFault(StepFault(kind_, Fault::kKeyboardAcquire, Fault::kMouseAcquire))) {
    return E_FAIL;
  }
  if (!formatSet_) return E_FAIL;
  acquired_ = true;
  return DI_OK;
}

HRESULT InputDevice::GetDeviceState(std::uint32_t size, void* data) {
  if (kind_ == DeviceKind::kKeyboard) {
    if (ConsumeFault(Fault::kKeyboardRead)) return DIERR_INPUTLOST;
    if (!acquired_) return DIERR_NOTACQUIRED;
    if (size != 256) return DDERR_INVALIDPARAMS;
    std::uint8_t keys[256];
    if (!CurrentBackend().ReadKeyboard(keys)) return DIERR_INPUTLOST;
    std::memcpy(data, keys, sizeof keys);
    return DI_OK;
  }
  if (ConsumeFault(Fault::kMouseRead)) return DIERR_INPUTLOST;
  if (!acquired_) return DIERR_NOTACQUIRED;
  if (size != sizeof(MouseState)) return DDERR_INVALIDPARAMS;
  MouseState state;
  if (!CurrentBackend().ReadMouse(&state)) return DIERR_INPUTLOST;
  std::memcpy(data, &state, sizeof state);
  return DI_OK;
}

HRESULT DirectInput::CreateDevice(DeviceKind kind, std::unique_ptr<InputDevice>* out) {
  if (ConsumeFault(StepFault(kind, Fault::kKeyboardCreate, Fault::kMouseCreate))) return E_FAIL;
  *out = std::make_unique<InputDevice>(kind);
  return DI_OK;
}

HRESULT DirectInputCreate(std::uint32_t, std::unique_ptr<DirectInput>* out) {
  if (ConsumeFault(Fault::kInputCreate)) return E_FAIL;
  if (!CurrentBackend().StartHostStep(HostStep::kInput)) return E_FAIL;
  *out = std::make_unique<DirectInput>();
  return DI_OK;
}

}  // namespace kelmora::platform
