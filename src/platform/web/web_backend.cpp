#include "platform/web/web_backend.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/faults.h"
#include "platform/web/dom_keys.h"
#include "platform/web/page.h"
#include "platform/window.h"

namespace kelmora::platform {

namespace {

// The relative motion that takes a cursor standing at `cursor`, with `waiting` still to be read,
// to `target`: the read's sum then lands the cursor exactly there (the counts wrap at 32 bits).
std::int32_t MotionTo(std::int32_t target, std::int32_t cursor, std::int32_t waiting) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(target) -
                                   static_cast<std::uint32_t>(cursor) -
                                   static_cast<std::uint32_t>(waiting));
}

bool IsQuitKey(std::string_view code) {
  return code == "Escape" || code == "F12";
}

// The virtual key of a scan code in the page's key table (0 when it has none).
std::uint32_t VkOfDik(std::uint8_t dik) {
  for (const DomKey& entry : DomKeyTable()) {
    if (entry.dik == dik && entry.vk != 0) return static_cast<std::uint32_t>(entry.vk);
  }
  return 0;
}

}  // namespace

bool CanvasFramePixel(double x, double y, double width, double height, std::int32_t* frameX,
                      std::int32_t* frameY) {
  if (!(width > 0.0) || !(height > 0.0)) return false;
  const double scale = std::min(width / kScreenWidth, height / kScreenHeight);
  const double left = (width - kScreenWidth * scale) / 2.0;
  const double top = (height - kScreenHeight * scale) / 2.0;
  const double fx = (x - left) / scale;
  const double fy = (y - top) / scale;
  if (!(fx >= 0.0 && fx < kScreenWidth && fy >= 0.0 && fy < kScreenHeight)) return false;
  *frameX = static_cast<std::int32_t>(fx);
  *frameY = static_cast<std::int32_t>(fy);
  return true;
}

bool WebBackend::OpenWindow(std::string_view caption) {
  PageSetTitle(caption);
  return true;
}

bool WebBackend::StartHostStep(HostStep step) {
  if (step == HostStep::kInput) return PageStartInput(this);
  return true;
}

void WebBackend::ShowMessageBox(std::string_view caption, std::string_view text) {
  boxes_.emplace_back(std::string(caption), std::string(text));
  PageShowDialog(caption, text);
}

std::vector<std::pair<std::string, std::string>> WebBackend::TakeMessageBoxes() {
  auto boxes = std::move(boxes_);
  boxes_.clear();
  return boxes;
}

bool WebBackend::ReadKeyboard(std::uint8_t (&keys)[256]) {
  ReadKeys(keys);
  return true;
}

bool WebBackend::ReadMouse(MouseState* state) {
  TakeMouse(state);
  return true;
}

HRESULT WebBackend::Present(const Surface& frame, const PaletteTable& palette) {
  // Kept until the page draws: at most one frame is drawn per display refresh.
  const int width = std::min(frame.Width(), kScreenWidth);
  const int height = std::min(frame.Height(), kScreenHeight);
  frame_.assign(static_cast<std::size_t>(kScreenWidth) * kScreenHeight, 0);
  for (int y = 0; y < height; ++y) {
    std::memcpy(frame_.data() + static_cast<std::size_t>(y) * kScreenWidth,
                frame.Pixels() + static_cast<std::ptrdiff_t>(y) * frame.Pitch(),
                static_cast<std::size_t>(width));
  }
  palette_ = palette;
  frameWaiting_ = true;
  return DD_OK;
}

void WebBackend::ShowLastFrame() {
  if (!frameWaiting_) return;
  frameWaiting_ = false;
  rgba_.resize(frame_.size() * 4);
  std::uint32_t colours[256];
  for (int i = 0; i < 256; ++i) {
    const PaletteEntry& entry = palette_[static_cast<std::size_t>(i)];
    const std::uint8_t bytes[4] = {entry.red, entry.green, entry.blue, 0xFF};
    std::memcpy(&colours[i], bytes, 4);
  }
  for (std::size_t i = 0; i < frame_.size(); ++i) {
    std::memcpy(rgba_.data() + 4 * i, &colours[frame_[i]], 4);
  }
  PageDrawFrame(rgba_.data(), kScreenWidth, kScreenHeight);
}

void WebBackend::ApplyInput(const InputEvent& input) {
  ApplyInputEvent(*this, CurrentWindow(), input);
}

// ---------------------------------------------------------------------------------------------
// The page's events.

bool WebBackend::OnKey(const PageKey& key) {
  eventArrived_ = true;
  const std::string_view code(key.code);
  if (code == "AltLeft") {
    TakeLeftAlt(key.down, key.repeat);
  } else if (key.down && !key.repeat) {
    leftAltSpoilt_ = true;  // Alt with another key is a shortcut, never a missile
  }
  if (key.down && key.alt && (code == "Enter" || code == "NumpadEnter")) {
    if (!key.repeat) PageToggleFullscreen();
    return true;
  }
  if (IsBrowserDomKey(code)) return false;
  const DomKey* entry = FindDomKey(code);
  const bool ours = entry != nullptr && !key.command;
  if (replaying_) {
    // A replay still ends at once on the quit keys.
    if (key.down && IsQuitKey(code)) {
      pending_.push_back(
          InputEvent{InputOp::kVk, static_cast<std::int32_t>(VkForDomKey(code, key.key))});
    }
    return ours;
  }
  if (entry != nullptr && entry->dik != 0 && entry->dik != DIK_LMENU && !key.repeat) {
    held_.keys[entry->dik] = key.down;
    // A press shorter than a frame still reads as down for one read.
    if (key.down) held_.keyPressed[entry->dik] = true;
  }
  if (key.down && !IsSystemDomKey(code)) {
    // Every press, and every auto-repeat while the key is held, is a key-down message.
    const std::uint32_t vk = VkForDomKey(code, key.key);
    if (vk != 0) pending_.push_back(InputEvent{InputOp::kVk, static_cast<std::int32_t>(vk)});
  }
  return ours;
}

// Left Alt launches a missile when it is let go, and it is the Alt of shortcuts too: the device
// shows it only once it is let go, for one read, and only when nothing else came while it was
// held (another key, a click, a change of focus).
void WebBackend::TakeLeftAlt(bool down, bool repeat) {
  if (repeat) return;
  if (down) {
    leftAltHeld_ = true;
    leftAltSpoilt_ = !Active() || focusGained_;
  } else if (leftAltHeld_) {
    leftAltHeld_ = false;
    if (!leftAltSpoilt_) leftAltTapped_ = true;
  }
}

void WebBackend::OnMouseButton(int button, bool down) {
  eventArrived_ = true;
  // The page numbers them left, middle, right, back; the game left, right, middle, back.
  static constexpr int kGameButton[] = {0, 2, 1, 3};
  if (button < 0 || button > 3) return;
  const int b = kGameButton[button];
  if (replaying_) return;
  held_.buttons[b] = down;
  if (down) {
    // A click shorter than a frame still reads as down for one frame.
    held_.buttonPressed[b] = true;
    leftAltSpoilt_ = true;
  }
}

void WebBackend::OnPointer(double x, double y, double width, double height) {
  eventArrived_ = true;
  if (!Active() || replaying_) return;
  std::int32_t frameX = 0;
  std::int32_t frameY = 0;
  pointerInside_ = CanvasFramePixel(x, y, width, height, &frameX, &frameY);
  if (!pointerInside_) return;
  pointerFrameX_ = frameX;
  pointerFrameY_ = frameY;
  pointerMoved_ = true;
}

void WebBackend::OnRelativeMotion(std::int32_t dx, std::int32_t dy) {
  eventArrived_ = true;
  if (!Active() || replaying_ || !pointerLocked_) return;
  held_.AddRelativeMotion(dx, dy);
}

void WebBackend::OnFocus(bool focused) {
  eventArrived_ = true;
  focused_ = focused;
  PushActivate(&pending_);
}

void WebBackend::OnVisibility(bool visible) {
  eventArrived_ = true;
  visible_ = visible;
  PushActivate(&pending_);
}

// A hidden page, or one without the focus, is an inactive application.
void WebBackend::PushActivate(std::vector<InputEvent>* inputs) {
  const bool active = Active();
  if (active == reportedActive_) return;
  reportedActive_ = active;
  // A Left Alt held across a change of focus (Alt+Tab away or back) is the desktop's.
  leftAltSpoilt_ = true;
  leftAltTapped_ = false;
  if (active) {
    focusGained_ = true;
  } else {
    // Whatever was held when the focus went is let go; the game sees it when it is back.
    held_.LetGo();
    leftAltHeld_ = false;
    pointerInside_ = false;
  }
  if (!replaying_) inputs->push_back(InputEvent{InputOp::kActivate, 0, active ? 1 : 0});
}

// The motion of this tick that brings the menu's cursor under the pointer: when the pointer has
// moved over the picture, or stands there as the menus come up. Held by the page (full screen),
// the mouse moves by its own motion instead.
void WebBackend::PointerMotion(std::int32_t* dx, std::int32_t* dy) {
  const bool follow = pointerMoved_ || !lastMenuUp_;
  pointerMoved_ = false;
  lastMenuUp_ = menuUp_;
  if (pointerLocked_ || !menuUp_ || !Active() || !follow || !pointerInside_) return;
  *dx = AddMotion(*dx, MotionTo(pointerFrameX_, menuCursorX_, WaitingMotionX()));
  *dy = AddMotion(*dy, MotionTo(pointerFrameY_, menuCursorY_, WaitingMotionY()));
}

void WebBackend::TakeHostInput(std::vector<InputEvent>* inputs) {
  inputs->insert(inputs->end(), pending_.begin(), pending_.end());
  pending_.clear();

  // A tap of Left Alt counts only when the page kept the focus.
  if (leftAltTapped_ && Active()) held_.keyPressed[DIK_LMENU] = true;
  leftAltTapped_ = false;
  focusGained_ = false;

  if (replaying_) {
    held_.DropPresses();
    pointerMoved_ = false;
    return;
  }

  // Controllers play only while the page is active, as the keyboard does.
  PadInput pad;
  if (Active()) {
    PageReadPads(&pads_);
    for (const PadState& state : pads_) MapPad(state, menuUp_, &pad);
  }
  // A controller button that goes down is a key press: it gives its key-down message too.
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  TakeHeldInput(*this, pad, VkOfDik, &held_, inputs, &dx, &dy);
  PointerMotion(&dx, &dy);
  if (dx != 0 || dy != 0) inputs->push_back(InputEvent{InputOp::kMouse, 0, 0, dx, dy});
}

}  // namespace kelmora::platform
