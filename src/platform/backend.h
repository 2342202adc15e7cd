// What a host must provide underneath the platform layer. Two backends exist: SDL2 for the real
// game and a headless one for tests and the headless runner.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/display.h"
#include "platform/input_devices.h"
#include "platform/input_event.h"
#include "platform/pad_mapping.h"
#include "platform/types.h"

namespace kelmora::platform {

// The host operations behind the start-up steps that can really fail.
enum class HostStep {
  kVideo,        // the display object: the host's video system
  kDisplayMode,  // the display mode: the renderer
  kScreen,       // the primary surface: the screen texture
  kInput,        // the input object: the host's event system
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual bool OpenWindow(std::string_view caption) = 0;
  virtual void CloseWindow() = 0;
  virtual void ShowWindow() {}
  virtual bool StartHostStep(HostStep step) = 0;
  // Takes the host's pending events into the message queue and the device state.
  virtual void PumpEvents() = 0;
  virtual void ShowMessageBox(std::string_view caption, std::string_view text) = 0;
  virtual bool ReadKeyboard(std::uint8_t (&keys)[256]) = 0;
  virtual bool ReadMouse(MouseState* state) = 0;
  // Shows a finished frame. DDERR_SURFACELOST when the host lost its screen (a render-device
  // reset); the game then restores its surfaces.
  virtual HRESULT Present(const Surface& frame, const PaletteTable& palette) = 0;
  // Rebuilds whatever the host lost; called by Restore on the primary surface.
  virtual HRESULT RestoreScreen() { return DD_OK; }
  virtual std::uint32_t TimeSeconds() = 0;
  virtual void HideCursor() {}
};

// The keyboard and mouse as the game's next reads find them, kept by every backend: set from the
// host's events, or by a test or a script line. Motion adds up until a mouse read takes it.
class DeviceState {
 public:
  void SetKey(std::uint8_t code, bool down) { keys_[code] = down ? 0x80 : 0; }
  void AddMouseMotion(std::int32_t dx, std::int32_t dy) {
    motionX_ = AddMotion(motionX_, dx);
    motionY_ = AddMotion(motionY_, dy);
  }
  void SetButton(int button, bool down) { buttons_[button & 3] = down ? 0x80 : 0; }
  // A button's raw byte, as a device may give it (any non-zero value is down).
  void SetButtonByte(int button, std::uint8_t value) { buttons_[button & 3] = value; }

  const std::uint8_t* DeviceKeys() const { return keys_; }
  std::uint8_t DeviceButton(int button) const { return buttons_[button & 3]; }
  // The motion waiting for the next mouse read.
  std::int32_t WaitingMotionX() const { return motionX_; }
  std::int32_t WaitingMotionY() const { return motionY_; }

 protected:
  ~DeviceState() = default;
  // A keyboard read: the 256 key bytes.
  void ReadKeys(std::uint8_t (&keys)[256]) const;
  // A mouse read: the motion waiting (which it takes) and the button bytes.
  void TakeMouse(MouseState* state);

 private:
  std::uint8_t keys_[256] = {};
  std::uint8_t buttons_[4] = {};
  std::int32_t motionX_ = 0;
  std::int32_t motionY_ = 0;
};

// Gives one input to the game: to the device state, or posted to `window` as its message; a
// script's fault is armed.
void ApplyInputEvent(DeviceState& devices, WindowHandle window, const InputEvent& input);

// What a real backend's host holds between two takes of its input: the keys and buttons down,
// those that went down since the last take (so that a tap shorter than a tick still counts), the
// relative motion since then, and the controllers as they were last taken.
struct HeldInput {
  bool keys[256] = {};
  bool keyPressed[256] = {};
  bool buttons[4] = {};
  bool buttonPressed[4] = {};
  std::int32_t motionX = 0;
  std::int32_t motionY = 0;
  PadInput lastPad{};

  void AddRelativeMotion(std::int32_t dx, std::int32_t dy) {
    motionX = AddMotion(motionX, dx);
    motionY = AddMotion(motionY, dy);
  }
  // The presses are forgotten, as when a replay's recorded keys stand instead of the host's.
  void DropPresses() {
    for (bool& key : keyPressed) key = false;
  }
  // The host let go of everything, as when the focus goes.
  void LetGo() {
    for (bool& key : keys) key = false;
    DropPresses();
    for (bool& button : buttons) button = false;
  }
};

// The inputs that bring `devices` to what the host and the controllers (`pad`) hold: for each
// controller button that has gone down its key-down message (through `vkForDik`; Left Alt has
// none), then every key and button whose state differs. The presses are cleared and `pad`
// becomes the last one taken. `*dx`, `*dy`: the host's motion and the controllers' together;
// the host's is cleared.
void TakeHeldInput(const DeviceState& devices, const PadInput& pad,
                   std::uint32_t (*vkForDik)(std::uint8_t), HeldInput* held,
                   std::vector<InputEvent>* inputs, std::int32_t* dx, std::int32_t* dy);

// The backend in use. Until a program installs one (and after it installs null) there is no
// host: no window opens, no start-up step succeeds and no device can be read.
Backend& CurrentBackend();
void InstallBackend(Backend* backend);

}  // namespace kelmora::platform
