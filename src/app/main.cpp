// kelmora: the game in a window of its own, over the SDL2 backend.
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/script.h"
#include "app/session.h"
#include "platform/backend.h"
#include "platform/sdl/sdl_backend.h"

#ifndef KELMORA_VERSION
#define KELMORA_VERSION "unknown"
#endif

namespace kelmora {

namespace {

class WindowHost final : public SessionHost {
 public:
  explicit WindowHost(platform::SdlBackend& backend) : backend_(backend) {}
  void TakeInput(const GameView& view, std::vector<InputEvent>* commands) override {
    backend_.SetMenuUp(view.menuUp);
    backend_.SetMenuCursor(view.cursorX, view.cursorY);
    backend_.TakeHostInput(commands);
  }
  void Apply(const InputEvent& command) override { backend_.ApplyInput(command); }
  void Wait(int milliseconds) override { backend_.WaitForHostEvent(milliseconds); }
  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes() override {
    return backend_.TakeMessageBoxes();
  }

 private:
  platform::SdlBackend& backend_;
};

int UsageError(const std::string& message) {
  std::cerr << "kelmora: " << message << '\n' << Usage();
  return 2;
}

int Main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  CommandLine commandLine;
  std::string error;
  switch (ParseCommandLine(arguments, &commandLine, &error)) {
    case CommandLineAction::kHelp:
      std::cout << Usage();
      return 0;
    case CommandLineAction::kVersion:
      std::cout << "kelmora " << KELMORA_VERSION << '\n';
      return 0;
    case CommandLineAction::kError:
      return UsageError(error);
    case CommandLineAction::kRun:
      break;
  }

  // Every file is opened before the window: a name that cannot be used is a command-line error.
  Script replay;
  if (!commandLine.replayPath.empty()) {
    std::ifstream file(commandLine.replayPath);
    if (!file) return UsageError("cannot read the session '" + commandLine.replayPath + "'");
    if (!ParseScript(file, commandLine.replayPath, &replay, &error)) {
      std::cerr << error << '\n';
      return 2;
    }
  }
  std::ofstream record;
  if (!commandLine.recordPath.empty()) {
    record.open(commandLine.recordPath, std::ios::binary);
    if (!record) return UsageError("cannot write the session to '" + commandLine.recordPath + "'");
  }
  std::ofstream traceFile;
  std::ostream* trace = nullptr;
  if (commandLine.tracePath == "-") {
    trace = &std::cout;
  } else if (!commandLine.tracePath.empty()) {
    traceFile.open(commandLine.tracePath, std::ios::binary);
    if (!traceFile) return UsageError("cannot write the trace to '" + commandLine.tracePath + "'");
    trace = &traceFile;
  }

  // The seed: given, or the replayed session's (as the headless runner takes it), or the clock.
  SessionOptions session;
  if (commandLine.seed) {
    session.seed = *commandLine.seed;
  } else if (!commandLine.replayPath.empty()) {
    session.seed = replay.seed.value_or(1);
  } else {
    session.seed = static_cast<std::uint32_t>(std::time(nullptr));
  }
  session.replay = commandLine.replayPath.empty() ? nullptr : &replay;
  session.record = record.is_open() ? &record : nullptr;
  session.trace = trace;

  platform::SdlOptions options;
  options.fullscreen = commandLine.fullscreen;
  options.display = commandLine.display;
  options.scale =
      commandLine.integerScale ? platform::ScaleMode::kInteger : platform::ScaleMode::kFit;
  options.seed = session.seed;
  auto backend = std::make_unique<platform::SdlBackend>(options);
  backend->SetTickedInput(true);
  backend->SetReplaying(session.replay != nullptr);
  platform::InstallBackend(backend.get());
  WindowHost host(*backend);
  const int status = RunSession(host, session);
  platform::InstallBackend(nullptr);
  return status;
}

}  // namespace

}  // namespace kelmora

int main(int argc, char** argv) {
  return kelmora::Main(argc, argv);
}
