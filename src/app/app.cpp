#include "app/app.h"

#include <new>

#include "app/frame.h"
#include "display/report.h"
#include "display/surfaces.h"
#include "effects/stars.h"
#include "game/world.h"
#include "input/input.h"
#include "platform/window.h"
#include "state/state.h"

namespace kelmora {

namespace {

constexpr const char* kOutOfMemoryText = "Out of memory: the game cannot go on";

int quitCode = 0;

// A game record could not be made: stop cleanly, with the display given back first.
void ReportOutOfMemory() {
  if (platform::CurrentWindow() != 0) {
    ReportFatal(appState.mainWindow, platform::E_OUTOFMEMORY, "%s", kOutOfMemoryText);
  } else {
    appState.exitStatus = 1;
    platform::DebugOutput(kOutOfMemoryText);
    platform::DebugOutput("\n");
  }
}

}  // namespace

platform::LRESULT WindowProc(platform::WindowHandle window, std::uint32_t message,
                             platform::WPARAM wParam, platform::LPARAM lParam) {
  switch (message) {
    case platform::WM_DESTROY:
      ReleaseDisplay();
      platform::PostQuitMessage(0);
      return 0;
    case platform::WM_SETFOCUS:
    case platform::WM_KILLFOCUS:
      return 0;
    case platform::WM_ACTIVATEAPP:
      appState.appActive = wParam != 0 ? 1 : 0;
      return 0;
    case platform::WM_SETCURSOR:
      platform::HideCursor();
      return 1;
    case platform::WM_KEYDOWN:
      if (wParam == platform::VK_ESCAPE || wParam == platform::VK_F12) {
        platform::PostMessage(window, platform::WM_CLOSE, 0, 0);
        return 0;
      }
      if (wParam == platform::VK_F1) {
        NewGame();
        return 0;
      }
      break;
    default:
      break;
  }
  return platform::DefWindowProc(window, message, wParam, lParam);
}

platform::HRESULT InitApplication() {
  platform::WindowClass windowClass;
  windowClass.procedure = WindowProc;
  platform::RegisterWindowClass(windowClass);

  appState.mainWindow = platform::CreateGameWindow(kWindowCaption);
  if (appState.mainWindow == 0) {
    platform::DebugOutput("The game's window could not be created\n");
    return platform::E_FAIL;
  }
  platform::ShowGameWindow(appState.mainWindow);

  platform::HRESULT code = CreateDisplay();
  if (code != 0) return code;
  code = CreateInputDevices();
  if (code != 0) return code;
  CreateClipper();
  return 0;
}

bool StartUp() {
  quitCode = 0;
  try {
    if (InitApplication() != 0) {
      appState.exitStatus = 1;
      // A step that failed without a report of its own leaves the window and whatever part of
      // the display it made as they are, until the program ends.
      return false;
    }
    rng.Seed(platform::TimeSeconds());
    PlaceStars();
    FirstSetup();
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory();
    return false;
  }
  return true;
}

LoopPass MainLoopPass() {
  try {
    if (platform::PeekMessage()) {
      platform::Message message;
      if (!platform::GetMessage(&message)) {
        quitCode = static_cast<int>(message.wParam);
        return LoopPass::kQuit;
      }
      platform::DispatchMessage(message);
      return LoopPass::kMessage;
    }
    if (appState.appActive != 0) {
      // A failed read has ended the game with its report; no frame may follow it.
      if (!PollKeyboard()) return LoopPass::kMessage;
      GameFrame();
      return LoopPass::kFrame;
    }
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory();
    return LoopPass::kMessage;
  }
  return LoopPass::kWait;
}

LoopPass RunTickPasses(bool* frameRan) {
  const std::uint64_t framesBefore = frameRecord.frames;
  LoopPass pass = LoopPass::kMessage;
  for (;;) {
    pass = MainLoopPass();
    if (pass == LoopPass::kQuit || pass == LoopPass::kWait) break;
    if (pass == LoopPass::kFrame && frameRecord.frames != framesBefore) break;
  }
  *frameRan = frameRecord.frames != framesBefore;
  return pass;
}

void EndProgram() {
  if (platform::CurrentWindow() != 0) platform::DestroyGameWindow(appState.mainWindow);
}

int ExitStatus() {
  return appState.exitStatus != 0 ? appState.exitStatus : quitCode;
}

}  // namespace kelmora
