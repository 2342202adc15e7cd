#include "app/session.h"

#include <optional>

#include "app/app.h"
#include "app/trace.h"
#include "platform/faults.h"
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
  view.cursorX = menu.cursorX;
  view.cursorY = menu.cursorY;
  return view;
}

class Session {
 public:
  Session(SessionHost& host, const SessionOptions& options) : host_(host), options_(options) {}

  int Run() {
    // The blit digest is for the trace alone.
    frameRecord.hashBlits = options_.trace != nullptr;
    ApplyStartSettings(options_.settings);
    if (options_.record != nullptr) {
      WriteScriptSeed(*options_.record, options_.seed);
      for (const StartSetting& setting :
           ChangedStartSettings(settings.droneCount, settings.explosionJitter,
                                settings.explosionParticles, settings.pickupSetting)) {
        WriteStartSetting(*options_.record, setting);
      }
    }
    GiveInput(0);
    if (!StartUp()) return End(0, false);
    EndTick(0, false, std::nullopt);
    for (std::int64_t tick = 1;; ++tick) {
      GiveInput(tick);
      bool frameRan = false;
      const LoopPass pass = RunTickPasses(&frameRan);
      if (pass == LoopPass::kQuit) return End(tick, frameRan);
      EndTick(tick, frameRan, std::nullopt);
      if (pass == LoopPass::kWait) {
        // The game stands still until something arrives (a replay goes on with its script).
        host_.Wait(ReplayGoesOn() ? kReplayIdleMilliseconds : -1);
      }
    }
  }

 private:
  bool ReplayGoesOn() const {
    return options_.replay != nullptr && next_ < options_.replay->commands.size();
  }

  // The input of `tick`: the replayed script's lines of that tick, then what the host has.
  void GiveInput(std::int64_t tick) {
    if (options_.replay != nullptr) {
      const auto& commands = options_.replay->commands;
      while (next_ < commands.size() && commands[next_].tick <= tick) {
        if (commands[next_].tick == tick) Give(commands[next_]);
        ++next_;
      }
    }
    if (tick == 0) return;
    std::vector<ScriptCommand> taken;
    host_.TakeInput(View(), &taken);
    for (ScriptCommand& command : taken) {
      command.tick = tick;
      Give(command);
    }
    if (options_.record != nullptr) options_.record->flush();
  }

  void Give(const ScriptCommand& command) {
    if (options_.record != nullptr) WriteScriptCommand(*options_.record, command);
    if (command.op == ScriptOp::kFail) {
      platform::ArmFault(command.fault, command.value);
    } else {
      host_.Apply(command);
    }
  }

  void EndTick(std::int64_t tick, bool frameRan, std::optional<int> exitStatus) {
    const auto boxes = host_.TakeMessageBoxes();
    if (options_.trace != nullptr) {
      *options_.trace << TraceLine(tick, frameRan, boxes, exitStatus) << '\n';
    }
    if (options_.observer != nullptr) options_.observer->AfterTick(tick, frameRan);
  }

  int End(std::int64_t tick, bool frameRan) {
    const int status = ExitStatus();
    EndTick(tick, frameRan, status);
    EndProgram();
    if (options_.trace != nullptr) options_.trace->flush();
    if (options_.record != nullptr) options_.record->flush();
    return status;
  }

  SessionHost& host_;
  const SessionOptions& options_;
  std::size_t next_ = 0;
};

}  // namespace

int RunSession(SessionHost& host, const SessionOptions& options) {
  Session session(host, options);
  return session.Run();
}

}  // namespace kelmora
