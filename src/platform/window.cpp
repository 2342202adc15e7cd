#include "platform/window.h"

#include <cstdio>
#include <deque>

#include "platform/backend.h"
#include "platform/faults.h"

namespace kelmora::platform {

namespace {

struct Windowing {
  WindowProcedure procedure = nullptr;
  WindowHandle window = 0;
  WindowHandle nextHandle = 1;
  std::deque<Message> queue;
  bool quitPosted = false;
  int quitCode = 0;
};

Windowing state;

}  // namespace

bool RegisterWindowClass(const WindowClass& windowClass) {
  state.procedure = windowClass.procedure;
  return windowClass.procedure != nullptr;
}

WindowHandle CreateGameWindow(std::string_view caption) {
  if (state.procedure == nullptr || state.window != 0) return 0;
  if (ConsumeFault(Fault::kWindow)) return 0;
  if (!CurrentBackend().OpenWindow(caption)) return 0;
  state.window = state.nextHandle++;
  return state.window;
}

void ShowGameWindow(WindowHandle window) {
  if (window == 0 || window != state.window) return;
  CurrentBackend().ShowWindow();
  // The window opens with the focus: the application is activated at once, as the system tells a
  // window that is shown in front.
  if (state.procedure != nullptr) {
    state.procedure(window, WM_ACTIVATEAPP, 1, 0);
    state.procedure(window, WM_SETFOCUS, 0, 0);
  }
}

bool DestroyGameWindow(WindowHandle window) {
  if (window == 0 || window != state.window) return false;
  if (state.procedure != nullptr) state.procedure(window, WM_DESTROY, 0, 0);
  CurrentBackend().CloseWindow();
  state.window = 0;
  // Whatever was still queued for the window goes with it.
  std::erase_if(state.queue, [window](const Message& m) { return m.window == window; });
  return true;
}

WindowHandle CurrentWindow() {
  return state.window;
}

bool PostMessage(WindowHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
  if (window == 0 || window != state.window) return false;
  state.queue.push_back(Message{window, message, wParam, lParam});
  return true;
}

void PostQuitMessage(int exitCode) {
  state.quitPosted = true;
  state.quitCode = exitCode;
}

bool PeekMessage() {
  CurrentBackend().PumpEvents();
  return !state.queue.empty() || state.quitPosted;
}

bool GetMessage(Message* message) {
  if (!state.queue.empty()) {
    *message = state.queue.front();
    state.queue.pop_front();
    return true;
  }
  if (state.quitPosted) {
    // The quit message comes after every message posted before it has been handled.
    state.quitPosted = false;
    *message = Message{0, WM_QUIT, static_cast<WPARAM>(state.quitCode), 0};
    return false;
  }
  *message = Message{};
  return true;
}

LRESULT DispatchMessage(const Message& message) {
  if (message.window == 0 || message.window != state.window || state.procedure == nullptr) {
    return 0;
  }
  return state.procedure(message.window, message.message, message.wParam, message.lParam);
}

LRESULT DefWindowProc(WindowHandle window, std::uint32_t message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) DestroyGameWindow(window);
  return 0;
}

LRESULT SendMessage(WindowHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
  if (window == 0 || window != state.window || state.procedure == nullptr) return 0;
  return state.procedure(window, message, wParam, lParam);
}

void MessageBox(WindowHandle, std::string_view text, std::string_view caption) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
               static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
  CurrentBackend().ShowMessageBox(caption, text);
}

void DebugOutput(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

void HideCursor() {
  CurrentBackend().HideCursor();
}

std::uint32_t TimeSeconds() {
  return CurrentBackend().TimeSeconds();
}

void ResetWindowing() {
  state = Windowing{};
}

}  // namespace kelmora::platform
