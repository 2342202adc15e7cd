// The browser backend over Emscripten's HTML5 API: the 640x480 frame on a canvas of the page
// (scaled by the page, nearest-neighbour, aspect kept), the keyboard and mouse of the page as the
// game's devices, game controllers through the Gamepad API with the desktop's mapping, message
// boxes as a dialog in the page, and the clock.
//
// Input comes in per tick, as on the desktop: the page's events are gathered as they arrive,
// TakeHostInput turns them into the inputs the game is given (key changes, key-down messages,
// mouse motion and buttons, focus changes), and ApplyInput gives one to the game. A session read
// from a script gives its inputs through ApplyInput alone.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "platform/input_event.h"
#include "platform/pad_mapping.h"

namespace kelmora::platform {

// A key as the page reports it.
struct PageKey {
  const char* code = "";  // KeyboardEvent.code
  const char* key = "";   // KeyboardEvent.key
  bool down = false;
  bool repeat = false;
  bool alt = false;      // an Alt key is held with it
  bool command = false;  // Control or Meta is held: a shortcut of the browser's
};

class WebBackend final : public Backend, public DeviceState {
 public:
  WebBackend() = default;
  WebBackend(const WebBackend&) = delete;
  WebBackend& operator=(const WebBackend&) = delete;

  bool OpenWindow(std::string_view caption) override;
  void CloseWindow() override {}
  bool StartHostStep(HostStep step) override;
  void PumpEvents() override {}
  void ShowMessageBox(std::string_view caption, std::string_view text) override;
  bool ReadKeyboard(std::uint8_t (&keys)[256]) override;
  bool ReadMouse(MouseState* state) override;
  HRESULT Present(const Surface& frame, const PaletteTable& palette) override;
  std::uint32_t TimeSeconds() override { return clock_; }
  void HideCursor() override {}

  // The seed the game's clock hands out.
  void SetClock(std::uint32_t seconds) { clock_ = seconds; }
  // While the menu is up the pads move the cursor and click instead of flying, and the menu's
  // cursor follows the pointer over the picture.
  void SetMenuUp(bool menuUp) { menuUp_ = menuUp; }
  void SetMenuCursor(std::int32_t x, std::int32_t y) {
    menuCursorX_ = x;
    menuCursorY_ = y;
  }
  // Replaying a script: the page's keyboard, mouse and pads no longer reach the game.
  void SetReplaying(bool replaying) { replaying_ = replaying; }
  // The page's events since the last call as the game's inputs, in order, not yet applied.
  void TakeHostInput(std::vector<InputEvent>* inputs);
  void ApplyInput(const InputEvent& input);
  // True once any event of the page arrived since the last call (the game waits for one).
  bool TakeEventArrived() {
    const bool arrived = eventArrived_;
    eventArrived_ = false;
    return arrived;
  }
  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes();
  // Draws the last presented frame on the canvas, if a new one came since the last call.
  void ShowLastFrame();
  bool Active() const { return focused_ && visible_; }

  // The page's events (input.cpp calls these from its callbacks; tests call them directly).
  // Each returns true when the page must not act on the event itself.
  bool OnKey(const PageKey& key);
  void OnMouseButton(int button, bool down);
  // The pointer over the canvas at (x, y) CSS pixels of a canvas shown at width x height.
  void OnPointer(double x, double y, double width, double height);
  void OnRelativeMotion(std::int32_t dx, std::int32_t dy);
  void OnFocus(bool focused);
  void OnVisibility(bool visible);
  void OnPointerLock(bool locked) { pointerLocked_ = locked; }
  void SetPads(const std::vector<PadState>& pads) { pads_ = pads; }

 private:
  void PushActivate(std::vector<InputEvent>* inputs);
  void TakeLeftAlt(bool down, bool repeat);
  void PointerMotion(std::int32_t* dx, std::int32_t* dy);

  std::uint32_t clock_ = 1;
  bool menuUp_ = false;
  bool replaying_ = false;
  bool eventArrived_ = false;

  // The page as the events left it.
  bool focused_ = true;
  bool visible_ = true;
  bool reportedActive_ = true;  // what the game was last told
  bool focusGained_ = false;
  bool pointerLocked_ = false;
  HeldInput held_;  // the keys and buttons down and pressed, the motion, the controllers
  std::vector<InputEvent> pending_;  // key-down messages and focus changes, in order
  bool leftAltHeld_ = false;
  bool leftAltSpoilt_ = false;
  bool leftAltTapped_ = false;
  bool pointerInside_ = false;
  bool pointerMoved_ = false;
  std::int32_t pointerFrameX_ = 0;
  std::int32_t pointerFrameY_ = 0;
  bool lastMenuUp_ = false;
  std::int32_t menuCursorX_ = 0;
  std::int32_t menuCursorY_ = 0;
  std::vector<PadState> pads_;

  // The devices as the game reads them.

  // The last frame presented, and the canvas's colours (RGBA bytes) it is drawn in.
  std::vector<std::uint8_t> frame_;
  PaletteTable palette_{};
  std::vector<std::uint8_t> rgba_;
  bool frameWaiting_ = false;
  std::vector<std::pair<std::string, std::string>> boxes_;
};

// Frame pixel of the point (x, y) of a canvas shown at width x height CSS pixels with the frame
// letterboxed in it; false when the point is off the picture.
bool CanvasFramePixel(double x, double y, double width, double height, std::int32_t* frameX,
                      std::int32_t* frameY);

}  // namespace kelmora::platform
