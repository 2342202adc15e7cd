// kelmora-headless: the real game (start-up, main loop, window procedure and frames) on the
// headless backend. Input comes from a script, the seed from the command line, and the state after
// every tick can be written as a trace line, so that a session replays exactly.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/screenshot.h"
#include "app/script.h"
#include "app/session.h"
#include "app/start_settings.h"
#include "platform/files.h"
#include "platform/headless/headless_backend.h"
#include "state/state.h"

namespace kelmora::headless {

namespace {

constexpr const char* kProgram = "kelmora-headless";
constexpr const char* kUsage =
    "usage: kelmora-headless [--seed N] [--ticks N] [--script FILE] [--trace FILE]\n"
    "                        [--set NAME=VALUE]... [--shot TICK:FILE.png]... [--quiet]\n";

struct Options {
  std::optional<std::uint32_t> seed;
  std::int64_t ticks = 600;
  std::optional<std::string> scriptPath;
  std::optional<std::string> tracePath;
  std::vector<StartSetting> settings;
  std::multimap<std::int64_t, std::string> shots;
  bool quiet = false;
};

bool Usage(const std::string& message) {
  std::cerr << kProgram << ": " << message << '\n' << kUsage;
  return false;
}

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    std::optional<std::string> value;
    if (const auto equals = option.find('=');
        option.rfind("--", 0) == 0 && equals != std::string::npos && option != "--set") {
      // --name=value stands for --name value
      value = option.substr(equals + 1);
      option = option.substr(0, equals);
    }
    auto argument = [&]() -> std::optional<std::string> {
      if (value) return value;
      if (i + 1 >= argc) return std::nullopt;
      return std::string(argv[++i]);
    };
    if (option == "--quiet") {
      if (value) return Usage("--quiet takes no value");
      options->quiet = true;
      continue;
    }
    if (option == "--help" || option == "-h") {
      std::cout << kUsage;
      std::exit(0);
    }
    if (option != "--seed" && option != "--ticks" && option != "--script" && option != "--trace" &&
        option != "--set" && option != "--shot") {
      return Usage("unknown option '" + std::string(argv[i]) + "'");
    }
    const auto text = argument();
    if (!text) return Usage(option + " needs a value");
    std::int64_t number = 0;
    if (option == "--seed") {
      if (!ParseWholeNumber(*text, false, 0, std::numeric_limits<std::uint32_t>::max(), &number)) {
        return Usage("--seed takes an unsigned 32-bit number, not '" + *text + "'");
      }
      options->seed = static_cast<std::uint32_t>(number);
    } else if (option == "--ticks") {
      if (!ParseWholeNumber(*text, false, 0, std::numeric_limits<std::int64_t>::max(), &number)) {
        return Usage("--ticks takes a number of ticks, not '" + *text + "'");
      }
      options->ticks = number;
    } else if (option == "--script") {
      options->scriptPath = *text;
    } else if (option == "--trace") {
      options->tracePath = *text;
    } else if (option == "--set") {
      std::string reason;
      const auto setting = ParseStartSetting(*text, &reason);
      if (!setting) return Usage("--set " + reason);
      options->settings.push_back(*setting);
    } else {  // --shot
      const auto colon = text->find(':');
      if (colon == std::string::npos || colon + 1 >= text->size() ||
          !ParseWholeNumber(std::string_view(*text).substr(0, colon), false, 0,
                            std::numeric_limits<std::int64_t>::max(), &number)) {
        return Usage("--shot takes TICK:FILE.png, not '" + *text + "'");
      }
      options->shots.emplace(number, text->substr(colon + 1));
    }
  }
  return true;
}

bool ReadScript(const std::string& path, Script* script) {
  std::string error;
  bool parsed = false;
  if (path == "-") {
    parsed = ParseScript(std::cin, "<stdin>", script, &error);
  } else {
    std::ifstream file;
    if (platform::IsRegularFile(path)) file.open(path, std::ios::binary);
    if (!file.is_open()) {
      std::cerr << path << ":0: cannot be read\n";
      return false;
    }
    parsed = ParseScript(file, path, script, &error);
  }
  for (const std::string& warning : script->warnings) {
    std::cerr << kProgram << ": warning: " << warning << '\n';
  }
  if (!parsed) std::cerr << error << '\n';
  return parsed;
}

// The runner's side of the session: the script is the session's replay, so the host itself has
// no input of its own; it gives the script's lines to the headless devices and writes the shots.
class RunnerHost final : public SessionHost, public TickObserver {
 public:
  explicit RunnerHost(const Options& options) : options_(options) {}

  void TakeInput(const GameView&, std::vector<InputEvent>*) override {}
  void Apply(const InputEvent& command) override {
    ApplyScriptCommand(platform::Headless(), command);
  }
  void Wait(int) override {}  // the next tick follows at once
  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes() override {
    return platform::Headless().TakeMessageBoxes();
  }

  void OutputFailed(SessionOutput) override {
    std::cerr << kProgram << ": cannot write the trace to '" << *options_.tracePath << "'\n";
    outputFailed_ = true;
  }

  // The end of `tick`, after its trace line: its shots.
  void AfterTick(std::int64_t tick, bool) override {
    const auto [first, last] = options_.shots.equal_range(tick);
    for (auto shot = first; shot != last; ++shot) {
      std::string error;
      if (!WriteScreenshot(shot->second, &error)) {
        std::cerr << kProgram << ": cannot write the shot of tick " << tick << ": " << error
                  << '\n';
        outputFailed_ = true;
      }
    }
  }

  bool OutputFailedOnce() const { return outputFailed_; }

  // What the run did, once it is over.
  void Summary(const Session& run, const Script& script, int status) const {
    const std::int64_t lastTick = run.LastTick();
    if (run.StoppedAtLimit() && !script.commands.empty() &&
        script.commands.back().tick > lastTick) {
      // The rest of the script was never given to the game.
      std::cerr << kProgram << ": the script covers " << script.commands.back().tick
                << " ticks, the run stopped after " << lastTick << " (--ticks " << options_.ticks
                << ")\n";
    }
    for (auto shot = options_.shots.upper_bound(lastTick); shot != options_.shots.end(); ++shot) {
      std::cerr << kProgram << ": no shot written to '" << shot->second
                << "': the run ended at tick " << lastTick << '\n';
    }
    if (!options_.quiet) {
      std::cerr << kProgram << ": " << lastTick << " ticks, " << frameRecord.frames
                << " frames, exit status " << status << '\n';
    }
  }

 private:
  const Options& options_;
  bool outputFailed_ = false;  // the trace or a shot could not be written
};

// Every file a run reads or writes, so that none is written over another: "-" is a standard
// stream, never a file.
bool FilesApart(const Options& options) {
  std::vector<platform::NamedFile> inputs;
  std::vector<platform::NamedFile> outputs;
  if (options.scriptPath) inputs.push_back({"--script", *options.scriptPath});
  if (options.tracePath) outputs.push_back({"--trace", *options.tracePath});
  for (const auto& [tick, path] : options.shots) outputs.push_back({"--shot", path});
  const std::string clash = platform::FileClash(inputs, outputs);
  if (clash.empty()) return true;
  std::cerr << kProgram << ": " << clash << '\n';
  return false;
}

int Run(const Options& options, const Script& script) {
  if (!FilesApart(options)) return 2;
  std::ofstream traceFile;
  std::ostream* trace = nullptr;
  if (options.tracePath == "-") {
    trace = &std::cout;
  } else if (options.tracePath) {
    traceFile.open(*options.tracePath, std::ios::binary);
    if (!traceFile) {
      std::cerr << kProgram << ": cannot write the trace to '" << *options.tracePath << "'\n";
      return 2;
    }
    trace = &traceFile;
  }
  SessionOptions session;
  // The script's settings, then the command line's, which win.
  session.settings = script.settings;
  session.settings.insert(session.settings.end(), options.settings.begin(), options.settings.end());
  session.seed = options.seed ? *options.seed : script.seed.value_or(1);
  session.replay = &script;
  session.trace = trace;
  session.ticks = options.ticks;
  RunnerHost host(options);
  session.observer = &host;
  platform::Headless().SetClock(session.seed);
  Session run(host, session);
  if (run.Start()) {
    while (run.Tick() != TickResult::kEnded) {
    }
  }
  int status = run.Finish();
  if (host.OutputFailedOnce() && status == 0) status = kOutputFailedStatus;
  host.Summary(run, script, status);
  return status;
}

}  // namespace

int Main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) return 2;
  Script script;
  if (options.scriptPath && !ReadScript(*options.scriptPath, &script)) return 2;
  platform::InstallBackend(&platform::Headless());
  return Run(options, script);
}

}  // namespace kelmora::headless

int main(int argc, char** argv) {
  return kelmora::headless::Main(argc, argv);
}
