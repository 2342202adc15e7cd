// A session of the real game, tick by tick, the same ticks as the headless runner's: before each
// tick the input that arrived since the last one is given to the game (and recorded), then the
// main loop runs until a frame has run, it would wait, or it has ended. A recorded session is
// therefore a script that the headless runner replays exactly, and the state written after each
// tick is the runner's trace line.
#pragma once

#include <cstdint>
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

// What a session needs of the host.
class SessionHost {
 public:
  virtual ~SessionHost() = default;
  // The input that arrived since the last call, in order, not yet given to the game.
  virtual void TakeInput(const GameView& view, std::vector<ScriptCommand>* commands) = 0;
  // Gives one input to the game: device state or a posted message (never a fault).
  virtual void Apply(const ScriptCommand& command) = 0;
  // Sleeps until the host has an event, at most `milliseconds` (negative: no limit).
  virtual void Wait(int milliseconds) = 0;
  // The message boxes shown since the last call, as (caption, text).
  virtual std::vector<std::pair<std::string, std::string>> TakeMessageBoxes() = 0;
};

// Looks at the game after each tick; never changes it.
class TickObserver {
 public:
  virtual ~TickObserver() = default;
  // After start-up (tick 0) and after every tick, once its trace line is written.
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
};

// Runs the game from start-up to its end; returns its exit status.
int RunSession(SessionHost& host, const SessionOptions& options);

}  // namespace kelmora
