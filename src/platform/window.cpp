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

Windowing windowing;

}  // namespace

bool RegisterWindowClass(const WindowClass& windowClass) {
  windowing.procedure = windowClass.procedure;
  return windowClass.procedure != nullptr;
}

WindowHandle CreateGameWindow(std::string_view caption) {
  if (windowing.procedure == nullptr || windowing.window != 0) return 0;
  if (ConsumeFault(Fault::kWindow)) return 0;
  if (!CurrentBackend().OpenWindow(caption)) return 0;
  windowing.window = windowing.nextHandle++;
  return windowing.window;
}

void ShowGameWindow(WindowHandle window) {
  if (window == 0 || window != windowing.window) return;
  CurrentBackend().ShowWindow();
  // The window opens with the focus: the application is activated at once, as the system tells a
  // window that is shown in front.
  if (windowing.procedure != nullptr) {
    windowing.procedure(window, WM_ACTIVATEAPP, 1, 0);
    windowing.procedure(window, WM_SETFOCUS, 0, 0);
  }
}

bool DestroyGameWindow(WindowHandle window) {
  if (window == 0 || window != windowing.window) return false;
  if (windowing.procedure != nullptr) windowing.procedure(window, WM_DESTROY, 0, 0);
  CurrentBackend().CloseWindow();
  windowing.window = 0;
  // Whatever was still queued for the window goes with it.
  std::erase_if(windowing.queue, [window](const Message& m) { return m.window == window; });
  return true;
}

WindowHandle CurrentWindow() {
  return windowing.window;
}

bool PostMessage(WindowHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
  if (window == 0 || window != windowing.window) return false;
  windowing.queue.push_back(Message{window, message, wParam, lParam});
  return true;
}

void PostQuitMessage(int exitCode) {
  windowing.quitPosted = true;
  windowing.quitCode = exitCode;
}

bool PeekMessage() {
  CurrentBackend().PumpEvents();
  return !windowing.queue.empty() || windowing.quitPosted;
}

bool GetMessage(Message* message) {
  if (!windowing.queue.empty()) {
    *message = windowing.queue.front();
    windowing.queue.pop_front();
    return true;
  }
  if (windowing.quitPosted) {
    // The quit message comes after every message posted before it has been handled.
    windowing.quitPosted = false;
    *message = Message{0, WM_QUIT, static_cast<WPARAM>(windowing.quitCode), 0};
    return false;
  }
  *message = Message{};
  return true;
}

LRESULT DispatchMessage(const Message& message) {
  if (message.window == 0 || message.window != windowing.window || windowing.procedure == nullptr) {
    return 0;
  }
  return windowing.procedure(message.window, message.message, message.wParam, message.lParam);
}

LRESULT DefWindowProc(WindowHandle window, std::uint32_t message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) DestroyGameWindow(window);
  return 0;
}

LRESULT SendMessage(WindowHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
  if (window == 0 || window != windowing.window || windowing.procedure == nullptr) return 0;
  return windowing.procedure(window, message, wParam, lParam);
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
  windowing = Windowing{};
}

}  // namespace kelmora::platform
