// The real backend over SDL2: one window (full screen or not) showing the 640x480 frame scaled
// with its aspect ratio kept, the keyboard and mouse as the game's devices, game controllers
// mapped onto them, message boxes, the clock, and the 60 Hz pace of the flips.
//
// Input comes in per tick: TakeHostInput turns the host's pending events into the inputs the
// game is given (key changes, key-down messages, mouse motion and buttons, focus changes, close
// requests), and ApplyInput gives one to the game. Between the two the caller may record them;
// a recorded session replays through ApplyInput alone.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "platform/extras.h"
#include "platform/input_event.h"
#include "platform/sdl/bindings.h"
#include "platform/sdl/gamepad.h"
#include "platform/sdl/present_convert.h"
#include "platform/sdl/timer.h"

// The host's types, declared here so that the game's shell need not see the host's headers.
struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct _SDL_GameController;
struct SDL_WindowEvent;
struct SDL_KeyboardEvent;
struct SDL_MouseButtonEvent;

namespace kelmora::platform {

// The name that desktops know the game by (its desktop entry's window class).
inline constexpr const char* kApplicationId = "kelmora";

struct SdlOptions {
  bool fullscreen = true;
  int display = 0;  // the display the window opens on
  ScaleMode scale = ScaleMode::kFit;
  std::optional<std::uint32_t> seed;  // the clock the game seeds its generator from
};

class SdlBackend final : public Backend, public DeviceState {
 public:
  explicit SdlBackend(const SdlOptions& options);
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  // Backend: the window and the start-up steps (video.cpp).
  bool OpenWindow(std::string_view caption) override;
  void CloseWindow() override;
  void ShowWindow() override;
  bool StartHostStep(HostStep step) override;
  HRESULT Present(const Surface& frame, const PaletteTable& palette) override;
  HRESULT RestoreScreen() override;
  // Events (events.cpp).
  void PumpEvents() override;
  bool ReadKeyboard(std::uint8_t (&keys)[256]) override;
  bool ReadMouse(MouseState* state) override;
  void HideCursor() override;
  // Message boxes (message_box.cpp).
  void ShowMessageBox(std::string_view caption, std::string_view text) override;
  std::uint32_t TimeSeconds() override;

  // Per-tick input. With ticked input on, PumpEvents leaves the host's events to
  // TakeHostInput, so that everything the game receives arrives between two ticks.
  void SetTickedInput(bool ticked) { tickedInput_ = ticked; }
  // While the menu is up the pads move the cursor and click instead of flying, and in a window
  // the menu's cursor follows the pointer.
  void SetMenuUp(bool menuUp) { menuUp_ = menuUp; }
  // Where the menu's cursor stands now, in frame pixels: the motion that brings it under the
  // pointer is measured from there.
  void SetMenuCursor(std::int32_t x, std::int32_t y) {
    menuCursorX_ = x;
    menuCursorY_ = y;
  }
  // Replaying: the keyboard, mouse and pads no longer reach the game; Escape, F12 and closing
  // the window still do.
  void SetReplaying(bool replaying) { replaying_ = replaying; }
  // Handles the host's pending events: window, screen and pad events at once; the game's
  // inputs are appended to `inputs` in the order they happened, not yet applied.
  void TakeHostInput(std::vector<InputEvent>* inputs);
  void ApplyInput(const InputEvent& input);
  // Sleeps until the host has an event, at most `milliseconds` (negative: no limit).
  void WaitForHostEvent(int milliseconds);

  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes();
  // What to finish (the session's files) should the display be lost; set before the window opens.
  void WhenDisplayLost(std::function<void()> flush) { whenDisplayLost_ = std::move(flush); }
  // The keys the player moved the game's actions to.
  void SetKeyBindings(const KeyBindings& bindings) { bindings_ = bindings; }
  // The sound and screenshot keys pressed and the window's mode changed since the last call.
  HostRequests TakeHostRequests();
  // The seed handed out by the last TimeSeconds.
  std::uint32_t LastTime() const { return lastTime_; }

  // For tests.
  SDL_Window* Window() const { return window_; }
  SDL_Renderer* Renderer() const { return renderer_; }
  bool Fullscreen() const { return fullscreen_; }
  bool ScreenLost() const { return screenLost_; }
  int PadCount() const { return static_cast<int>(pads_.size()); }
  void ToggleFullscreen();

 private:
  // video.cpp
  bool CreateRenderer();
  bool CreateScreenTexture();
  void ShowScreen();
  int WindowDisplay() const;
  // Full screen as the desktop does it, or by the window itself where the desktop does not.
  bool EnterFullscreen();
  void LeaveFullscreen();
  bool CoverScreen();
  // Out of full screen: the window placed on its display, whole, title bar included.
  void PlaceWindow();
  bool WindowFitsScreen() const;
  int TitleBarHeight() const;
  // Once a tick: the window placed again while the desktop may still be moving it.
  void SettleWindow();
  // mouse.cpp
  void CaptureMouse(bool capture);
  // events.cpp
  void HandleWindowEvent(const SDL_WindowEvent& event, std::vector<InputEvent>* inputs);
  void HandleKey(const SDL_KeyboardEvent& event, std::vector<InputEvent>* inputs);
  void HandleMouseButton(const SDL_MouseButtonEvent& event);
  void HandlePointer(std::int32_t x, std::int32_t y);
  void TakeLeftAlt(bool down, bool repeat);
  void PointerMotion(std::int32_t* dx, std::int32_t* dy);
  void PushActivate(bool active, std::vector<InputEvent>* inputs);
  void PushClose(std::vector<InputEvent>* inputs);
  void TakeAllAndApply();
  // gamepad.cpp
  void OpenPad(int deviceIndex);
  void ClosePad(std::int32_t joystickId);
  void ClosePads();
  PadInput ReadPads() const;

  SdlOptions options_;
  bool fullscreen_ = true;
  bool ownFullscreen_ = false;             // full screen made by the window itself
  std::optional<Rect> windowedPlace_;      // where it was before
  static constexpr int kSettleTicks = 90;  // ticks a window is watched after it was placed
  int settleTicks_ = 0;
  int placedBelow_ = 0;  // the title bar's height the window was placed for
  std::function<void()> whenDisplayLost_;
  bool tickedInput_ = false;
  bool menuUp_ = false;
  bool replaying_ = false;

  bool videoStarted_ = false;
  bool inputStarted_ = false;
  bool padsStarted_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int refreshRate_ = 0;
  bool screenLost_ = false;
  bool framePresented_ = false;
  FramePacer pacer_;

  PaletteTable pairPalette_{};
  bool pairsBuilt_ = false;
  std::vector<std::uint64_t> pairs_;

  // The host's devices as the events left them.
  bool focused_ = true;  // the window opens with the focus
  bool closePosted_ = false;
  // The keys and buttons down and pressed, the motion since the last TakeHostInput, and the
  // controllers.
  HeldInput held_;
  // Left Alt is also the desktop's Alt: the device shows it only once it has been let go, for
  // one read, and only when nothing else happened while it was held.
  bool leftAltHeld_ = false;
  bool leftAltSpoilt_ = false;  // a key, a click, a close or a focus change came while held
  bool leftAltTapped_ = false;  // let go cleanly in this batch of events
  bool focusGained_ = false;    // in this batch of events
  // The pointer in a window, in the window's coordinates, as the last motion left it.
  bool pointerInside_ = false;
  bool pointerMoved_ = false;  // since the last TakeHostInput
  bool pointerShown_ = false;
  std::int32_t pointerX_ = 0;
  std::int32_t pointerY_ = 0;
  bool lastMenuUp_ = false;
  std::int32_t menuCursorX_ = 0;
  std::int32_t menuCursorY_ = 0;
  std::vector<_SDL_GameController*> pads_;

  // The devices as the game reads them.

  std::uint32_t lastTime_ = 0;
  std::vector<std::pair<std::string, std::string>> boxes_;
  KeyBindings bindings_;
  HostRequests requests_;
};

}  // namespace kelmora::platform
