// The test backend: no window and no screen. Keys, mouse motion and buttons are set by the caller
// (a test or the headless runner's script); message boxes are recorded; the clock is a fixed seed.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend.h"

namespace kelmora::platform {

class HeadlessBackend final : public Backend, public DeviceState {
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

  void SetClock(std::uint32_t seconds) { clock_ = seconds; }
  // Back to its first state: no keys, buttons or motion, no boxes, clock 1.
  void Reset() { *this = HeadlessBackend{}; }

  // Message boxes shown since the last call, as (caption, text).
  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes();
  int PresentCount() const { return presentCount_; }

 private:
  std::uint32_t clock_ = 1;
  int presentCount_ = 0;
  std::vector<std::pair<std::string, std::string>> boxes_;
};

// The process-wide headless backend.
HeadlessBackend& Headless();

}  // namespace kelmora::platform
