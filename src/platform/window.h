// The operating-system services the game's shell calls: one window, its message queue, message
// boxes, debug output, the cursor and the clock. The queue is shared by both backends; the backend
// feeds it with the host's events (key presses, focus changes, close requests).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/types.h"

namespace kelmora::platform {

// The window class: of all it may say, the game's window needs only its procedure.
struct WindowClass {
  WindowProcedure procedure = nullptr;
};

// Registers the window class; false without a procedure.
bool RegisterWindowClass(const WindowClass& windowClass);

// Creates the game's one window with the registered procedure: a top-most pop-up the size of the
// screen. Returns 0 when it cannot be created (Fault::kWindow, or the host refuses).
WindowHandle CreateGameWindow(std::string_view caption);
// Shows the window, brings it up to date and gives it the keyboard focus.
void ShowGameWindow(WindowHandle window);
// Destroys the window: delivers WM_DESTROY to its procedure synchronously, before returning, then
// closes the host window. Messages still queued for it, or posted to it later, are discarded.
bool DestroyGameWindow(WindowHandle window);
// The window that exists now, or 0.
WindowHandle CurrentWindow();

// Message queue.
bool PostMessage(WindowHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// True when a message is waiting (the host's events are taken in first). Removes nothing.
bool PeekMessage();
// Takes the next message; returns false when it is WM_QUIT. Call only after PeekMessage said yes.
bool GetMessage(Message* message);
LRESULT DispatchMessage(const Message& message);
// Default handling: WM_CLOSE destroys the window; everything else gives 0.
LRESULT DefWindowProc(WindowHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam);
// Messages delivered synchronously to the window procedure (not queued), e.g. WM_SETCURSOR.
LRESULT SendMessage(WindowHandle window, std::uint32_t message, WPARAM wParam, LPARAM lParam);

// Shows a message box with one OK button and waits until it is closed. The text also goes to
// standard error, so a player who started the game from a terminal sees it too.
void MessageBox(WindowHandle owner, std::string_view text, std::string_view caption);
// Debugger output: standard error.
void DebugOutput(std::string_view text);
// Hides the system cursor over the window (the cursor set to none).
void HideCursor();
// The current time in seconds, for the random seed.
std::uint32_t TimeSeconds();

// Returns the platform to its first state (no window, empty queue, no class registered); used
// between tests and runs.
void ResetWindowing();

}  // namespace kelmora::platform
