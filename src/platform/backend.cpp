#include "platform/backend.h"

#include <cstdio>

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

}  // namespace kelmora::platform
