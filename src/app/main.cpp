// kelmora: the game in a window of its own, over the SDL2 backend.
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/config.h"
#include "app/extras.h"
#include "app/mixer.h"
#include "app/script.h"
#include "app/session.h"
#include "app/start_settings.h"
#include "platform/backend.h"
#include "platform/files.h"
#include "platform/sdl/audio.h"
#include "platform/sdl/bindings.h"
#include "platform/sdl/quit_signals.h"
#include "platform/sdl/sdl_backend.h"

#ifndef KELMORA_VERSION
#define KELMORA_VERSION "unknown"
#endif

namespace kelmora {

namespace {

class WindowHost final : public SessionHost {
 public:
  WindowHost(platform::SdlBackend& backend, const CommandLine& commandLine)
      : backend_(backend), commandLine_(commandLine) {}
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
  void OutputFailed(SessionOutput output) override {
    if (output == SessionOutput::kRecord) {
      std::cerr << "kelmora: cannot write the session to '" << commandLine_.recordPath << "'\n";
    } else {
      std::cerr << "kelmora: cannot write the trace to '" << commandLine_.tracePath << "'\n";
    }
    outputsFailed_ = true;
  }
  bool OutputsFailed() const { return outputsFailed_; }

 private:
  platform::SdlBackend& backend_;
  const CommandLine& commandLine_;
  bool outputsFailed_ = false;
};

// The settings a run starts from: the file's, unless --defaults; the command line's win.
ConfigFile ReadSettings(const CommandLine& commandLine) {
  ConfigFile file;
  if (commandLine.defaults) return file;
  std::vector<std::string> warnings;
  ReadConfig(DefaultConfigPath(), &file, &warnings);
  for (const std::string& warning : warnings) std::cerr << "kelmora: " << warning << '\n';
  return file;
}

// The game's start-up values: a replay's own (from the built-in defaults), or the remembered
// ones; then the command line's.
std::vector<StartSetting> StartSettings(const CommandLine& commandLine, const Config& config,
                                        const Script* replay) {
  std::vector<StartSetting> out;
  if (replay != nullptr) {
    out = replay->settings;
  } else {
    out = {{"drones", config.options.enemies},
           {"jitter", config.options.jitter ? 1 : 0},
           {"particles", config.options.particles},
           {"pickups", config.options.pickups}};
  }
  if (commandLine.enemies) out.push_back({"drones", *commandLine.enemies});
  if (commandLine.jitter) out.push_back({"jitter", *commandLine.jitter ? 1 : 0});
  if (commandLine.particles) out.push_back({"particles", *commandLine.particles});
  if (commandLine.pickups) out.push_back({"pickups", *commandLine.pickups});
  return out;
}

platform::KeyBindings Bindings(const ConfigFile& file) {
  std::vector<platform::KeyBinding> bindings;
  for (int a = 0; a < kKeyActionCount; ++a) {
    const auto slot = static_cast<std::size_t>(a);
    bindings.push_back(
        {kKeyActionNames[slot].entry, kKeyActionNames[slot].defaultName, file.config.keys[slot]});
  }
  std::vector<platform::BindingWarning> warnings;
  platform::KeyBindings result = platform::KeyBindings::From(bindings, &warnings);
  for (const platform::BindingWarning& warning : warnings) {
    const int line = file.config.keyLines[warning.binding];
    std::cerr << "kelmora: " << file.path;
    if (line > 0) std::cerr << ':' << line;
    std::cerr << ": " << warning.text << '\n';
  }
  return result;
}

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

  // Every file is opened before the window: a name that cannot be used is a command-line error,
  // and so is an output that would write over an input or another output.
  std::vector<platform::NamedFile> inputs;
  std::vector<platform::NamedFile> outputs;
  if (!commandLine.replayPath.empty()) inputs.push_back({"--replay", commandLine.replayPath});
  if (!commandLine.recordPath.empty()) outputs.push_back({"--record", commandLine.recordPath});
  if (!commandLine.tracePath.empty()) outputs.push_back({"--trace", commandLine.tracePath});
  if (const std::string clash = platform::FileClash(inputs, outputs); !clash.empty()) {
    return UsageError(clash);
  }
  Script replay;
  if (!commandLine.replayPath.empty()) {
    std::ifstream file;
    if (platform::IsRegularFile(commandLine.replayPath)) {
      file.open(commandLine.replayPath, std::ios::binary);
    }
    if (!file.is_open()) {
      return UsageError("cannot read the session '" + commandLine.replayPath + "'");
    }
    const bool parsed = ParseScript(file, commandLine.replayPath, &replay, &error);
    for (const std::string& warning : replay.warnings) {
      std::cerr << "kelmora: warning: " << warning << '\n';
    }
    if (!parsed) {
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

  const ConfigFile settingsFile = ReadSettings(commandLine);
  const Config& config = settingsFile.config;
  session.settings = StartSettings(commandLine, config, session.replay);

  // From here on SIGTERM, SIGINT and SIGHUP close the game as the desktop's close does.
  platform::WatchQuitSignals();
  platform::SdlOptions options;
  options.fullscreen = commandLine.windowModeGiven ? commandLine.fullscreen : config.fullscreen;
  options.display = commandLine.displayGiven ? commandLine.display : config.display;
  const bool integerScale = commandLine.scaleGiven ? commandLine.integerScale : config.integerScale;
  options.scale = integerScale ? platform::ScaleMode::kInteger : platform::ScaleMode::kFit;
  options.seed = session.seed;
  auto backend = std::make_unique<platform::SdlBackend>(options);
  backend->SetTickedInput(true);
  backend->SetReplaying(session.replay != nullptr);
  backend->SetKeyBindings(Bindings(settingsFile));
  // Should the display go away, the session's files keep every tick that was finished.
  backend->WhenDisplayLost([&session] {
    if (session.trace != nullptr) session.trace->flush();
    if (session.record != nullptr) session.record->flush();
  });
  platform::InstallBackend(backend.get());

  // Sound and the program's own keys, around the game. The device goes before the backend,
  // which ends SDL.
  Mixer mixer;
  std::unique_ptr<platform::SdlAudio> audio;
  ExtrasOptions extrasOptions;
  extrasOptions.file = settingsFile;
  extrasOptions.remember = !commandLine.defaults;
  extrasOptions.rememberOptions = session.replay == nullptr;
  extrasOptions.soundOn = config.sound && !commandLine.mute;
  extrasOptions.screenshotFolder =
      config.screenshots.empty() ? DefaultScreenshotFolder() : config.screenshots;
  extrasOptions.takeRequests = [&backend] { return backend->TakeHostRequests(); };
  extrasOptions.startSound = [&audio, &mixer] {
    std::string why;
    audio = platform::SdlAudio::Open(mixer, &why);
    if (!audio) std::cerr << "kelmora: no sound (" << why << "); the game plays silently\n";
    return audio != nullptr;
  };
  extrasOptions.messages = &std::cerr;
  Extras extras(std::move(extrasOptions), mixer);
  session.observer = &extras;

  WindowHost host(*backend, commandLine);
  int status = RunSession(host, session);
  extras.Finish();
  if (status == 0 && (host.OutputsFailed() || extras.ScreenshotFailed())) {
    status = kOutputFailedStatus;
  }
  audio.reset();
  platform::InstallBackend(nullptr);
  return status;
}

}  // namespace

}  // namespace kelmora

int main(int argc, char** argv) {
  return kelmora::Main(argc, argv);
}
