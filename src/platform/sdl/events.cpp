#include <SDL.h>

#include "platform/sdl/desktop_grab.h"
#include "platform/sdl/keys.h"
#include "platform/sdl/quit_signals.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"

namespace kelmora::platform {

void SdlBackend::PushActivate(bool active, std::vector<InputEvent>* inputs) {
  if (focused_ == active) return;
  focused_ = active;
  CaptureMouse(active);
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

void SdlBackend::PushClose(std::vector<InputEvent>* inputs) {
  leftAltSpoilt_ = true;  // Alt+F4 closes the window, it launches nothing
  if (closePosted_) return;
  closePosted_ = true;
  inputs->push_back(InputEvent{InputOp::kClose});
}

void SdlBackend::HandleWindowEvent(const SDL_WindowEvent& event, std::vector<InputEvent>* inputs) {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      PushActivate(true, inputs);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      PushActivate(false, inputs);
      break;
    case SDL_WINDOWEVENT_CLOSE:
      PushClose(inputs);
      break;
    case SDL_WINDOWEVENT_ENTER:
      SendMessage(CurrentWindow(), WM_SETCURSOR, 0, 0);
      break;
    case SDL_WINDOWEVENT_LEAVE:
      pointerInside_ = false;
      break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      // The last frame again, placed for the new size (the game may be standing still).
      ShowScreen();
      break;
    default:
      break;
  }
}

void SdlBackend::HandleKey(const SDL_KeyboardEvent& event, std::vector<InputEvent>* inputs) {
  const SDL_Scancode scancode = event.keysym.scancode;
  const bool down = event.type == SDL_KEYDOWN;
  if (scancode == SDL_SCANCODE_LALT) {
    // Left Alt moved off the missile launches nothing.
    if (bindings_.Translate(scancode) == DIK_LMENU) TakeLeftAlt(down, event.repeat != 0);
  } else if (down && event.repeat == 0) {
    leftAltSpoilt_ = true;  // Alt with another key is a desktop shortcut
  }
  if (down && (scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER) &&
      (event.keysym.mod & KMOD_ALT) != 0) {
    if (event.repeat == 0) {
      const bool before = fullscreen_;
      ToggleFullscreen();
      CaptureMouse(focused_);
      requests_.fullscreenChanged = requests_.fullscreenChanged || fullscreen_ != before;
    }
    return;
  }
  // The program's own keys, in a replay too: the game never sees them.
  if (scancode == SDL_SCANCODE_M || scancode == SDL_SCANCODE_F9) {
    if (down && event.repeat == 0) {
      (scancode == SDL_SCANCODE_M ? requests_.soundToggles : requests_.screenshots) += 1;
    }
    return;
  }
  if (replaying_) {
    // A replay still ends at once on the quit keys.
    if (down && (scancode == SDL_SCANCODE_ESCAPE || scancode == SDL_SCANCODE_F12)) {
      inputs->push_back(InputEvent{
          InputOp::kVk, static_cast<std::int32_t>(VkForKey(scancode, event.keysym.sym))});
    }
    return;
  }
  // The game's key for it: its own, or the action's the player bound it to. Left Alt on the
  // missile comes as taps (above); any other key on the missile is an ordinary key.
  const std::uint8_t dik = bindings_.Translate(scancode);
  if (dik != 0 && !(dik == DIK_LMENU && scancode == SDL_SCANCODE_LALT) && event.repeat == 0) {
    held_.keys[dik] = down;
    // A press shorter than a frame still reads as down for one read.
    if (down) held_.keyPressed[dik] = true;
  }
  if (!down || IsSystemKey(scancode)) return;
  // Every press, and every auto-repeat while the key is held, is a key-down message.
  const std::uint32_t vk = VkForKey(scancode, event.keysym.sym);
  if (vk != 0) inputs->push_back(InputEvent{InputOp::kVk, static_cast<std::int32_t>(vk)});
}

// Left Alt launches a missile when it is let go, and it is the Alt of the desktop's shortcuts
// too. Nothing reads it as held, so the device shows it only once it is let go: down for one
// read, up at the next, and only when nothing else came while it was held (another key, a click,
// a close, a change of focus). A missile comes one frame later than it would from the key's
// release, and no shortcut ever launches one.
void SdlBackend::TakeLeftAlt(bool down, bool repeat) {
  if (repeat) return;
  if (down) {
    leftAltHeld_ = true;
    // Held as the focus comes back (Alt+Tab back to the game): the desktop's, not a tap.
    leftAltSpoilt_ = !focused_ || focusGained_;
  } else if (leftAltHeld_) {
    leftAltHeld_ = false;
    if (!leftAltSpoilt_) leftAltTapped_ = true;
  }
}

void SdlBackend::TakeHostInput(std::vector<InputEvent>* inputs) {
  closePosted_ = false;
  focusGained_ = false;
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    switch (event.type) {
      case SDL_QUIT:
        PushClose(inputs);
        break;
      case SDL_WINDOWEVENT:
        if (window_ != nullptr && event.window.windowID == SDL_GetWindowID(window_)) {
          HandleWindowEvent(event.window, inputs);
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        HandleKey(event.key, inputs);
        break;
      case SDL_MOUSEMOTION:
        if (!focused_ || replaying_) break;
        if (fullscreen_) {
          held_.AddRelativeMotion(event.motion.xrel, event.motion.yrel);
        } else {
          HandlePointer(event.motion.x, event.motion.y);
        }
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        HandleMouseButton(event.button);
        break;
      case SDL_SYSWMEVENT:
        // Alt held through a desktop shortcut (Alt+Tab) is the desktop's.
        if (IsDesktopGrab(event.syswm.msg)) leftAltSpoilt_ = true;
        break;
      case SDL_CONTROLLERDEVICEADDED:
        OpenPad(event.cdevice.which);
        break;
      case SDL_CONTROLLERDEVICEREMOVED:
        ClosePad(event.cdevice.which);
        break;
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        // The screen's contents are gone: the next flip tells the game its surfaces were lost,
        // and its restore rebuilds the screen.
        screenLost_ = true;
        break;
      default:
        break;
    }
  }

  // A tap of Left Alt counts only when the focus stayed: when it goes, the host lets go of every
  // key first (and a shortcut took it away).
  if (leftAltTapped_ && focused_) held_.keyPressed[DIK_LMENU] = true;
  leftAltTapped_ = false;

  SettleWindow();
  // A quit signal is the desktop asking the game to close, until it has.
  if (QuitSignal() != 0) PushClose(inputs);

  // A replay's keys and buttons are the recorded ones: the host's (none) must not undo them.
  if (replaying_) {
    held_.DropPresses();
    pointerMoved_ = false;
    return;
  }

  // Controllers play only while the window has the focus, as the keyboard does.
  const PadInput pad = !focused_ ? PadInput{} : ReadPads();
  // A controller button that goes down is a key press: it gives its key-down message too.
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  TakeHeldInput(*this, pad, VkForDik, &held_, inputs, &dx, &dy);
  PointerMotion(&dx, &dy);
  if (dx != 0 || dy != 0) inputs->push_back(InputEvent{InputOp::kMouse, 0, 0, dx, dy});
}

void SdlBackend::TakeAllAndApply() {
  std::vector<InputEvent> inputs;
  TakeHostInput(&inputs);
  for (const InputEvent& input : inputs) ApplyInput(input);
}

void SdlBackend::PumpEvents() {
  if (!tickedInput_ && videoStarted_) TakeAllAndApply();
}

void SdlBackend::WaitForHostEvent(int milliseconds) {
  if (!videoStarted_) return;
  if (milliseconds < 0) {
    SDL_WaitEvent(nullptr);
  } else {
    SDL_WaitEventTimeout(nullptr, milliseconds);
  }
}

}  // namespace kelmora::platform
