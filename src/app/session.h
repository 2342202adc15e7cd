// A session of the real game, tick by tick: the one loop of the game, the headless runner and the
// pacing tool. Before each tick the input that arrived since the last one is given to the game
// (and recorded), then the main loop runs until a frame has run, it would wait, or it has ended.
// A recorded session is therefore a script that the headless runner replays exactly, and the
// state written after each tick is the runner's trace line.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/script.h"
#include "app/start_settings.h"

namespace kelmora {

// What the host is told of the game as it takes a tick's input.
struct GameView {
  bool menuUp = false;       // the menus are showing (controllers then move the cursor)
  std::int32_t cursorX = 0;  // where the menus' cursor stands, in frame pixels
  std::int32_t cursorY = 0;
};

// The exit status of a program whose game ended well (0) but which could not write a trace, a
// demo or a screenshot in full. A game that ended with a failure keeps its own status.
inline constexpr int kOutputFailedStatus = 3;

// What a session writes.
enum class SessionOutput {
  kRecord,  // the session as a script
  kTrace,   // the trace lines
};

// What a session needs of the host.
class SessionHost {
 public:
  virtual ~SessionHost() = default;
  // The input that arrived since the last call, in order, not yet given to the game.
  virtual void TakeInput(const GameView& view, std::vector<InputEvent>* commands) = 0;
  // Gives one input to the game: device state or a posted message (never a fault).
  virtual void Apply(const InputEvent& command) = 0;
  // Sleeps until the host has an event, at most `milliseconds` (negative: no limit).
  virtual void Wait(int milliseconds) = 0;
  // The message boxes shown since the last call, as (caption, text).
  virtual std::vector<std::pair<std::string, std::string>> TakeMessageBoxes() = 0;
  // An output could not be written (a full disk, /dev/full): told once per output, as soon as it
  // is seen. The game plays on; what is still written to that output is lost.
  virtual void OutputFailed(SessionOutput output) { static_cast<void>(output); }
};

// Looks at the game after each tick; never changes it.
class TickObserver {
 public:
  virtual ~TickObserver() = default;
  // After start-up (tick 0) and after every tick, once its trace line is written, also in the
  // tick that ended the game; not after the main loop has run to its end at the ticks limit.
  virtual void AfterTick(std::int64_t tick, bool frameRan) = 0;
};

struct SessionOptions {
  std::uint32_t seed = 1;  // what the game seeds its generator with
  // The compiled-in defaults to start from instead (later ones win); a recording keeps those
  // that differ from the game's own.
  std::vector<StartSetting> settings;
  TickObserver* observer = nullptr;
  const Script* replay = nullptr;  // its commands in place of the host's input
  std::ostream* record = nullptr;  // the session as a script
  std::ostream* trace = nullptr;   // one trace line per tick
  // The ticks run after start-up at most (negative: no limit). After the last one the window is
  // closed as Escape closes it and the main loop runs to its end, with no further trace line.
  std::int64_t ticks = -1;
};

enum class TickResult {
  kRan,    // the tick ran; the next one may follow at once
  kIdle,   // the game stands still (inactive, nothing waiting) until the host has an event
  kEnded,  // the game has ended (it quit, or the ticks ran out)
};

// A session one tick at a time, for hosts that cannot block (a browser's animation frames):
// Start once, then Tick while it has not ended, then Finish.
class Session {
 public:
  Session(SessionHost& host, const SessionOptions& options);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Tick 0: the start-up faults armed, then start-up. False when the session has already ended
  // (start-up failed, or no ticks are to run).
  bool Start();
  // The next tick: its input given, then the main loop run until a frame has run, it would wait,
  // or it has returned; then its trace line. Nothing happens once the session has ended.
  TickResult Tick();
  // Ends a session still running as the ticks limit does (the window closed, no trace line),
  // flushes the outputs and returns the exit status. May be called more than once.
  int Finish();

  bool Ended() const { return ended_; }
  // The last tick run: 0 after start-up alone.
  std::int64_t LastTick() const { return tick_; }
  // A replay whose script has lines left to give.
  bool ReplayGoesOn() const;
  // The session ended because its ticks ran out (not because the game quit).
  bool StoppedAtLimit() const { return stoppedAtLimit_; }
  // An output could not be written in full.
  bool OutputsFailed() const { return recordFailed_ || traceFailed_; }

 private:
  void GiveInput(std::int64_t tick);
  void Give(const InputEvent& command);
  void EndTick(std::int64_t tick, bool frameRan, std::optional<int> exitStatus);
  void End(bool frameRan);
  void CloseAtLimit();
  void CheckOutputs();
  bool AtLimit() const { return options_.ticks >= 0 && tick_ >= options_.ticks; }

  SessionHost& host_;
  const SessionOptions& options_;
  std::size_t next_ = 0;  // the next replayed command
  std::int64_t tick_ = 0;
  bool started_ = false;
  bool ended_ = false;
  bool stoppedAtLimit_ = false;
  bool recordFailed_ = false;
  bool traceFailed_ = false;
  int status_ = 0;
};

// Runs the game from start-up to its end, waiting for the host while the game stands still;
// returns its exit status.
int RunSession(SessionHost& host, const SessionOptions& options);

}  // namespace kelmora
