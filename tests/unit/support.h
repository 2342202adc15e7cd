// Shared set-up for the unit tests: every test starts from the state before start-up, on the
// headless backend, with no fault armed.
#pragma once

#include "app/app.h"
#include "game/state.h"
#include "platform/backend.h"
#include "platform/display.h"
#include "platform/faults.h"
#include "platform/headless/headless_backend.h"
#include "platform/window.h"

namespace kelmora::testing {

inline void ResetEverything() {
  platform::InstallBackend(nullptr);
  platform::ClearFaults();
  platform::ResetWindowing();
  ResetGameState();
  platform::Headless().Reset();
  platform::ResetDisplayLog();
}

// Starts the real game on the headless backend with `seed` as the clock; true when start-up
// succeeded.
inline bool StartHeadlessGame(std::uint32_t seed = 1) {
  platform::Headless().SetClock(seed);
  return StartUp();
}

}  // namespace kelmora::testing
