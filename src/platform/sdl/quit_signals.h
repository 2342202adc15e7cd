// SIGTERM, SIGINT and SIGHUP: the player's desktop, session or terminal asks the game to end. The
// game runs on one thread, and no signal handler ever interrupts it: the three signals are
// blocked, and a watcher thread of their own takes them as they come. It marks the request, which
// the game takes in as a close request at its next tick (as the desktop's close button gives),
// wakes the game should it be waiting for events, and ends a message box that stands in the way
// as if its OK had been pressed (SDL shows a box from a process of its own, which is ended).
#pragma once

namespace kelmora::platform {

// Blocks the three signals in the calling thread, and so in every thread started after it, and
// starts the watcher. Call once, from the game's thread, before anything else starts a thread.
// SIGPIPE is ignored from then on: a write to a pipe nobody reads (a trace on standard output) or
// to an X server that has gone is an error for whoever wrote it, told as such, instead of an end
// with nothing told and the files' last lines lost.
void WatchQuitSignals();

// The signal that asked the game to end, or 0.
int QuitSignal();

// Around a message box on the game's thread: a quit signal that comes meanwhile ends the box.
void BoxShowing();
void BoxShown();

// Whether the host's event queue is there to be woken (SDL's events run).
void SetEventsRunning(bool running);

// For tests: the request forgotten.
void ForgetQuitSignal();

}  // namespace kelmora::platform
