#include "platform/headless/headless_backend.h"

#include <cstring>

namespace kelmora::platform {

HeadlessBackend& Headless() {
  static HeadlessBackend backend;
  return backend;
}

bool HeadlessBackend::OpenWindow(std::string_view) {
  return true;
}

void HeadlessBackend::CloseWindow() {}

bool HeadlessBackend::StartHostStep(HostStep) {
  return true;
}

void HeadlessBackend::ShowMessageBox(std::string_view caption, std::string_view text) {
  boxes_.emplace_back(std::string(caption), std::string(text));
}

bool HeadlessBackend::ReadKeyboard(std::uint8_t (&keys)[256]) {
  std::memcpy(keys, keys_, sizeof keys_);
  return true;
}

bool HeadlessBackend::ReadMouse(MouseState* state) {
  state->lX = mouseX_;
  state->lY = mouseY_;
  state->lZ = 0;
  std::memcpy(state->rgbButtons, buttons_, sizeof buttons_);
  mouseX_ = 0;
  mouseY_ = 0;
  return true;
}

HRESULT HeadlessBackend::Present(const Surface&, const PaletteTable&) {
  ++presentCount_;
  return DD_OK;
}

std::vector<std::pair<std::string, std::string>> HeadlessBackend::TakeMessageBoxes() {
  auto boxes = std::move(boxes_);
  boxes_.clear();
  return boxes;
}

}  // namespace kelmora::platform
