#include "platform/headless/headless_backend.h"

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
  ReadKeys(keys);
  return true;
}

bool HeadlessBackend::ReadMouse(MouseState* state) {
  TakeMouse(state);
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
