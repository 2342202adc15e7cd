// The input services the game calls: a keyboard and a mouse read as immediate device state.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/types.h"

namespace kelmora::platform {

enum class DeviceKind { kKeyboard, kMouse };
enum class DataFormat { kKeyboard, kMouse };  // 256 key bytes; X, Y, Z and four buttons

// Relative motion since the previous read and the button bytes (non-zero = down).
struct MouseState {
  std::int32_t lX = 0;
  std::int32_t lY = 0;
  std::int32_t lZ = 0;
  std::uint8_t rgbButtons[4] = {0, 0, 0, 0};
};

// Adds relative motion to what is waiting for the next mouse read. The counts wrap at 32 bits, as
// a device's running total does; the cursor only ever uses the low 16 bits of the sum.
inline std::int32_t AddMotion(std::int32_t waiting, std::int32_t motion) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(waiting) +
                                   static_cast<std::uint32_t>(motion));
}

class InputDevice {
 public:
  explicit InputDevice(DeviceKind kind) : kind_(kind) {}
  HRESULT SetDataFormat(DataFormat format);
  HRESULT SetCooperativeLevel(WindowHandle window, std::uint32_t flags);
  HRESULT Acquire();
  // Keyboard: 256 bytes, bit 7 set for a key that is down. Mouse: sizeof(MouseState) bytes.
  HRESULT GetDeviceState(std::uint32_t size, void* data);
  DeviceKind Kind() const { return kind_; }

 private:
  DeviceKind kind_;
  bool formatSet_ = false;
  bool acquired_ = false;
};

class DirectInput {
 public:
  HRESULT CreateDevice(DeviceKind kind, std::unique_ptr<InputDevice>* out);
};

HRESULT DirectInputCreate(std::uint32_t version, std::unique_ptr<DirectInput>* out);

}  // namespace kelmora::platform
