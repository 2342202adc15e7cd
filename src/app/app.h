// The process shell: start-up in its fixed order, the window procedure and the main loop.
#pragma once

#include "display/report.h"
#include "platform/types.h"

namespace kelmora {

// Start-up up to the first pass of the main loop (input record, InitApplication, seed, stars,
// first game, the player's ship taken out of play). False when start-up failed; the exit status
// is then 1.
bool StartUp();

enum class LoopPass {
  kMessage,  // a message was handled
  kFrame,    // the keyboard was polled and a frame ran (or the poll failed and ended the game)
  kWait,     // nothing to do: the application is inactive and no message is waiting
  kQuit,     // the quit message arrived: the loop has returned
};
// One pass of the main loop.
LoopPass MainLoopPass();
// One tick: passes of the main loop until a frame has run, the loop would wait, or it has
// returned. Returns the last pass; `frameRan` says whether a frame ran.
LoopPass RunTickPasses(bool* frameRan);
// The program is over: a window still open (start-up stopped at a step that reports nothing) is
// closed, which gives the display back. Harmless when the window is already gone.
void EndProgram();
// The program's exit status once the loop has returned (or start-up failed).
int ExitStatus();

platform::HRESULT InitApplication();
platform::LRESULT WindowProc(platform::WindowHandle window, std::uint32_t message,
                             platform::WPARAM wParam, platform::LPARAM lParam);

}  // namespace kelmora
