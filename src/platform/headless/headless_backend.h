// The test backend: no window and no screen. Keys, mouse motion and buttons are set by the caller
// (a test or the headless runner's script); message boxes are recorded; the clock is a fixed seed.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend.h"

namespace kelmora::platform {

class HeadlessBackend final : public Backend, public ScriptedDevices {
 public:
  bool OpenWindow(std::string_view caption) override;
  void CloseWindow() override;
  bool StartHostStep(HostStep step) override;
  void PumpEvents() override {}
  void ShowMessageBox(std::string_view caption, std::string_view text) override;
  bool ReadKeyboard(std::uint8_t (&keys)[256]) override;
  bool ReadMouse(MouseState* state) override;
  HRESULT Present(const Surface& frame, const PaletteTable& palette) override;
  std::uint32_t TimeSeconds() override { return clock_; }

  // Device state as a test or script sets it.
  void SetKey(std::uint8_t code, bool down) override { keys_[code] = down ? 0x80 : 0; }
  void AddMouseMotion(std::int32_t dx, std::int32_t dy) override {
    mouseX_ = AddMotion(mouseX_, dx);
    mouseY_ = AddMotion(mouseY_, dy);
  }
  void SetButton(int button, bool down) override { buttons_[button & 3] = down ? 0x80 : 0; }
  // A button's raw byte, as a device may give it (any non-zero value is down).
  void SetButtonByte(int button, std::uint8_t value) { buttons_[button & 3] = value; }
  void SetClock(std::uint32_t seconds) { clock_ = seconds; }
  // Back to its first state: no keys, buttons or motion, no boxes, clock 1.
  void Reset() { *this = HeadlessBackend{}; }

  // Message boxes shown since the last call, as (caption, text).
  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes();
  int PresentCount() const { return presentCount_; }

 private:
  std::uint8_t keys_[256] = {};
  std::uint8_t buttons_[4] = {};
  std::int32_t mouseX_ = 0;
  std::int32_t mouseY_ = 0;
  std::uint32_t clock_ = 1;
  int presentCount_ = 0;
  std::vector<std::pair<std::string, std::string>> boxes_;
};

// The process-wide headless backend.
HeadlessBackend& Headless();

}  // namespace kelmora::platform
