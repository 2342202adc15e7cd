// What a host must provide underneath the platform layer. Two backends exist: SDL2 for the real
// game and a headless one for tests and the headless runner.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/display.h"
#include "platform/input_devices.h"
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

// Device state that a program sets rather than a host reports: what tests and scripts drive on
// the headless backend.
class ScriptedDevices {
 public:
  virtual void SetKey(std::uint8_t code, bool down) = 0;
  virtual void AddMouseMotion(std::int32_t dx, std::int32_t dy) = 0;
  virtual void SetButton(int button, bool down) = 0;

 protected:
  ~ScriptedDevices() = default;
};

// The backend in use. Until a program installs one (and after it installs null) there is no
// host: no window opens, no start-up step succeeds and no device can be read.
Backend& CurrentBackend();
void InstallBackend(Backend* backend);

}  // namespace kelmora::platform
