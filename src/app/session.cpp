#include "app/session.h"

#include "app/app.h"
#include "app/trace.h"
#include "platform/faults.h"
#include "platform/window.h"
#include "state/state.h"

namespace kelmora {

namespace {

// How long a replay waits in a tick in which the game stood still, so it keeps its pace.
constexpr int kReplayIdleMilliseconds = 16;

// The menus show while the player's ship is out of play.
GameView View() {
  const Ship* player = PlayerOrNull();
  GameView view;
  view.menuUp = player == nullptr || player->alive == 0;
  view.cursorX = menuState.cursorX;
  view.cursorY = menuState.cursorY;
  return view;
}

}  // namespace

Session::Session(SessionHost& host, const SessionOptions& options)
    : host_(host), options_(options) {}

bool Session::Start() {
  // The blit digest is for the trace alone.
  frameRecord.hashBlits = options_.trace != nullptr;
  started_ = true;
  ApplyStartSettings(options_.settings);
  if (options_.record != nullptr) {
    WriteScriptSeed(*options_.record, options_.seed);
    for (const StartSetting& setting :
         ChangedStartSettings(settings.droneCount, settings.explosionJitter,
                              settings.explosionParticles, settings.pickupSetting)) {
      WriteStartSetting(*options_.record, setting);
    }
  }
  tick_ = 0;
  GiveInput(0);
  if (!StartUp()) {
    End(false);
    return false;
  }
  EndTick(0, false, std::nullopt);
  if (AtLimit()) CloseAtLimit();
  return !ended_;
}

TickResult Session::Tick() {
  if (ended_) return TickResult::kEnded;
  ++tick_;
  GiveInput(tick_);
  bool frameRan = false;
  const LoopPass pass = RunTickPasses(&frameRan);
  if (pass == LoopPass::kQuit) {
    End(frameRan);
    return TickResult::kEnded;
  }
  EndTick(tick_, frameRan, std::nullopt);
  if (AtLimit()) {
    CloseAtLimit();
    return TickResult::kEnded;
  }
  return pass == LoopPass::kWait ? TickResult::kIdle : TickResult::kRan;
}

int Session::Finish() {
  if (started_ && !ended_) CloseAtLimit();
  if (options_.trace != nullptr) options_.trace->flush();
  if (options_.record != nullptr) options_.record->flush();
  CheckOutputs();
  return status_;
}

bool Session::ReplayGoesOn() const {
  return options_.replay != nullptr && next_ < options_.replay->commands.size();
}

// The input of `tick`: the replayed script's lines of that tick, then what the host has.
void Session::GiveInput(std::int64_t tick) {
  if (options_.replay != nullptr) {
    const auto& commands = options_.replay->commands;
    while (next_ < commands.size() && commands[next_].tick <= tick) {
      if (commands[next_].tick == tick) Give(commands[next_]);
      ++next_;
    }
  }
  if (tick == 0) return;
  std::vector<InputEvent> taken;
  host_.TakeInput(View(), &taken);
  for (InputEvent& command : taken) {
    command.tick = tick;
    Give(command);
  }
  if (options_.record != nullptr) options_.record->flush();
}

void Session::Give(const InputEvent& command) {
  if (options_.record != nullptr) WriteScriptCommand(*options_.record, command);
  if (command.op == InputOp::kFail) {
    platform::ArmFault(command.fault, command.value);
  } else {
    host_.Apply(command);
  }
}

void Session::EndTick(std::int64_t tick, bool frameRan, std::optional<int> exitStatus) {
  const auto boxes = host_.TakeMessageBoxes();
  if (options_.trace != nullptr) {
    *options_.trace << TraceLine(tick, frameRan, boxes, exitStatus) << '\n';
  }
  if (options_.observer != nullptr) options_.observer->AfterTick(tick, frameRan);
  CheckOutputs();
}

void Session::CheckOutputs() {
  if (options_.record != nullptr && !recordFailed_ && !options_.record->good()) {
    recordFailed_ = true;
    host_.OutputFailed(SessionOutput::kRecord);
  }
  if (options_.trace != nullptr && !traceFailed_ && !options_.trace->good()) {
    traceFailed_ = true;
    host_.OutputFailed(SessionOutput::kTrace);
  }
}

// The main loop has returned (or start-up failed): the last trace line carries the exit status.
void Session::End(bool frameRan) {
  ended_ = true;
  status_ = ExitStatus();
  EndTick(tick_, frameRan, status_);
  EndProgram();
}

// Out of ticks: the window is closed as Escape closes it, and the loop runs to its end.
void Session::CloseAtLimit() {
  ended_ = true;
  stoppedAtLimit_ = true;
  platform::PostMessage(appState.mainWindow, platform::WM_CLOSE, 0, 0);
  for (;;) {
    const LoopPass pass = MainLoopPass();
    if (pass == LoopPass::kQuit || pass == LoopPass::kWait) break;
  }
  status_ = ExitStatus();
  EndProgram();
}

int RunSession(SessionHost& host, const SessionOptions& options) {
  Session session(host, options);
  if (session.Start()) {
    for (;;) {
      const TickResult result = session.Tick();
      if (result == TickResult::kEnded) break;
      // The game stands still until something arrives (a replay goes on with its script).
      if (result == TickResult::kIdle) {
        host.Wait(session.ReplayGoesOn() ? kReplayIdleMilliseconds : -1);
      }
    }
  }
  return session.Finish();
}

}  // namespace kelmora
