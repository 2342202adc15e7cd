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

#include "app/app.h"
#include "app/screenshot.h"
#include "app/script.h"
#include "app/start_settings.h"
#include "app/trace.h"
#include "game/world.h"
#include "platform/faults.h"
#include "platform/headless/headless_backend.h"
#include "platform/window.h"
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
    std::ifstream file(path);
    if (!file) {
      std::cerr << path << ":0: cannot be read\n";
      return false;
    }
    parsed = ParseScript(file, path, script, &error);
  }
  if (!parsed) std::cerr << error << '\n';
  return parsed;
}

class TraceWriter {
 public:
  bool Open(const std::optional<std::string>& path) {
    if (!path) return true;
    if (*path == "-") {
      file_ = stdout;
      return true;
    }
    file_ = std::fopen(path->c_str(), "wb");
    if (file_ == nullptr) {
      std::cerr << kProgram << ": cannot write the trace to '" << *path << "'\n";
      return false;
    }
    owned_ = true;
    return true;
  }
  bool Active() const { return file_ != nullptr; }
  void Write(std::int64_t tick, bool frameRan,
             const std::vector<std::pair<std::string, std::string>>& boxes,
             std::optional<int> exitStatus) {
    if (file_ == nullptr) return;
    const std::string line = TraceLine(tick, frameRan, boxes, exitStatus);
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fputc('\n', file_);
  }
  ~TraceWriter() {
    if (file_ == nullptr) return;
    if (owned_) {
      std::fclose(file_);
    } else {
      std::fflush(file_);
    }
  }

 private:
  std::FILE* file_ = nullptr;
  bool owned_ = false;
};

class Runner {
 public:
  Runner(const Options& options, const Script& script) : options_(options), script_(script) {}

  int Run() {
    if (!trace_.Open(options_.tracePath)) return 2;
    // The script's settings, then the command line's, which win.
    std::vector<StartSetting> changes = script_.settings;
    changes.insert(changes.end(), options_.settings.begin(), options_.settings.end());
    ApplyStartSettings(changes);
    const std::uint32_t seed = options_.seed ? *options_.seed : script_.seed.value_or(1);
    platform::Headless().SetClock(seed);

    // Tick 0: start-up, with its faults armed first.
    ApplyTick(0);
    const bool started = StartUp();
    if (!started) return End(0, false);
    EndTick(0, false, std::nullopt);

    for (std::int64_t tick = 1; tick <= options_.ticks; ++tick) {
      ApplyTick(tick);
      bool frameRan = false;
      if (RunTickPasses(&frameRan) == LoopPass::kQuit) return End(tick, frameRan);
      EndTick(tick, frameRan, std::nullopt);
    }

    // Out of ticks: close as Escape would, and let the loop run to its end.
    platform::PostMessage(app.mainWindow, platform::WM_CLOSE, 0, 0);
    for (;;) {
      const LoopPass pass = MainLoopPass();
      if (pass == LoopPass::kQuit || pass == LoopPass::kWait) break;
    }
    Finish(options_.ticks);
    return ExitStatus();
  }

 private:
  void ApplyTick(std::int64_t tick) {
    while (next_ < script_.commands.size() && script_.commands[next_].tick <= tick) {
      if (script_.commands[next_].tick == tick) {
        ApplyScriptCommand(platform::Headless(), script_.commands[next_]);
      }
      ++next_;
    }
  }

  void EndTick(std::int64_t tick, bool frameRan, std::optional<int> exitStatus) {
    const auto boxes = platform::Headless().TakeMessageBoxes();
    trace_.Write(tick, frameRan, boxes, exitStatus);
    const auto [first, last] = options_.shots.equal_range(tick);
    for (auto shot = first; shot != last; ++shot) {
      std::string error;
      if (!WriteScreenshot(shot->second, &error)) {
        std::cerr << kProgram << ": cannot write the shot of tick " << tick << ": " << error
                  << '\n';
      }
    }
  }

  int End(std::int64_t tick, bool frameRan) {
    const int status = ExitStatus();
    EndTick(tick, frameRan, status);
    EndProgram();
    Finish(tick);
    return status;
  }

  void Finish(std::int64_t lastTick) {
    for (auto shot = options_.shots.upper_bound(lastTick); shot != options_.shots.end(); ++shot) {
      std::cerr << kProgram << ": no shot written to '" << shot->second
                << "': the run ended at tick " << lastTick << '\n';
    }
    if (!options_.quiet) {
      std::cerr << kProgram << ": " << lastTick << " ticks, " << frameRecord.frames
                << " frames, exit status " << ExitStatus() << '\n';
    }
  }

  const Options& options_;
  const Script& script_;
  TraceWriter trace_;
  std::size_t next_ = 0;
};

}  // namespace

int Main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) return 2;
  Script script;
  if (options.scriptPath && !ReadScript(*options.scriptPath, &script)) return 2;
  platform::InstallBackend(&platform::Headless());
  Runner runner(options, script);
  return runner.Run();
}

}  // namespace kelmora::headless

int main(int argc, char** argv) {
  return kelmora::headless::Main(argc, argv);
}
