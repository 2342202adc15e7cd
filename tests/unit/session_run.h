// The game run through the session as the programs run it, on the headless backend, with a
// script given as its replay.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/script.h"
#include "app/session.h"
#include "tests/unit/support.h"

namespace kelmora::testing {

class ReplayHost final : public SessionHost {
 public:
  void TakeInput(const GameView&, std::vector<InputEvent>*) override {}
  void Apply(const InputEvent& command) override {
    ApplyScriptCommand(platform::Headless(), command);
  }
  void Wait(int) override {}
  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes() override {
    return platform::Headless().TakeMessageBoxes();
  }
};

// Runs `script` (which ends the game itself) with `observer` watching; returns the trace. The
// game's state is reset before, and after unless `keepState`.
inline std::string RunScript(const std::string& script, TickObserver* observer,
                             bool keepState = false) {
  ResetEverything();
  std::istringstream in(script);
  Script parsed;
  std::string error;
  EXPECT_TRUE(ParseScript(in, "session.txt", &parsed, &error)) << error;
  SessionOptions options;
  options.seed = parsed.seed.value_or(1);
  options.replay = &parsed;
  options.settings = parsed.settings;
  options.observer = observer;
  std::ostringstream trace;
  options.trace = &trace;
  platform::Headless().SetClock(options.seed);
  ReplayHost host;
  RunSession(host, options);
  if (!keepState) ResetEverything();
  return trace.str();
}

}  // namespace kelmora::testing
