// kelmora in a web page: the real game over the browser backend, driven by the page's display
// refresh at 60 ticks a second. With a script, a tick count or fast=1 the page is the headless
// runner instead: the same ticks, the same trace lines, for tests and bug reports. With trace=1
// either keeps every trace line.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <ctime>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "app/config.h"
#include "app/extras.h"
#include "app/mixer.h"
#include "app/script.h"
#include "app/start_settings.h"
#include "app/trace.h"
#include "platform/backend.h"
#include "platform/web/tick_pacer.h"
#include "platform/web/web_backend.h"
#include "platform/window.h"
#include "state/state.h"

// clang-format off
EM_JS(void, KelmoraTraceLine, (const char* line, int length), {
  Module.kelmoraPage.trace(UTF8ToString(line, length));
});
EM_JS(void, KelmoraFinished, (int status, int live), {
  Module.kelmoraPage.finished(status, live != 0);
});
EM_JS(void, KelmoraTickTime, (double milliseconds), {
  Module.kelmoraPage.tickTime(milliseconds);
});
EM_JS(int, KelmoraStartSound, (), {
  return Module.kelmoraPage.startSound() ? 1 : 0;
});
// clang-format on

namespace kelmora::web {

namespace {

using platform::InputEvent;

// Run back to back (fast=1), the ticks of one refresh stop after this long.
constexpr double kFastBudgetMilliseconds = 25.0;
// The remembered settings: a file of the page's own file system, which the page keeps in its
// local storage.
constexpr const char* kSettingsPath = "/kelmora.cfg";

struct Options {
  std::optional<std::uint32_t> seed;
  std::optional<std::int64_t> ticks;
  std::optional<std::string> scriptPath;
  std::vector<StartSetting> settings;
  bool fast = false;
  bool trace = false;
  bool Runner() const { return ticks || scriptPath || fast; }
};

bool Usage(const std::string& message) {
  std::cerr << "kelmora: " << message << '\n';
  return false;
}

bool ParseOptions(const std::vector<std::string>& arguments, Options* options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    if (option == "--fast") {
      options->fast = true;
      continue;
    }
    if (option == "--trace") {
      options->trace = true;
      continue;
    }
    if (i + 1 >= arguments.size()) return Usage(option + " needs a value");
    const std::string& text = arguments[++i];
    std::int64_t number = 0;
    if (option == "--seed") {
      if (!ParseWholeNumber(text, false, 0, std::numeric_limits<std::uint32_t>::max(), &number)) {
        return Usage("seed takes an unsigned 32-bit number, not '" + text + "'");
      }
      options->seed = static_cast<std::uint32_t>(number);
    } else if (option == "--ticks") {
      if (!ParseWholeNumber(text, false, 0, std::numeric_limits<std::int64_t>::max(), &number)) {
        return Usage("ticks takes a number of ticks, not '" + text + "'");
      }
      options->ticks = number;
    } else if (option == "--script") {
      options->scriptPath = text;
    } else if (option == "--set") {
      std::string error;
      const auto setting = ParseStartSetting(text, &error);
      if (!setting) return Usage(error);
      options->settings.push_back(*setting);
    } else {
      return Usage("unknown option '" + option + "'");
    }
  }
  return true;
}

// The game in the page, one tick at a time.
class Page {
 public:
  Page(const Options& options, Script script) : options_(options), script_(std::move(script)) {}

  void Start() {
    platform::InstallBackend(&backend_);
    runner_ = options_.Runner();
    if (runner_) {
      // The script's settings, then the page's, which win.
      std::vector<StartSetting> changes = script_.settings;
      changes.insert(changes.end(), options_.settings.begin(), options_.settings.end());
      ApplyStartSettings(changes);
    }
    backend_.SetReplaying(runner_);
    if (runner_) {
      seed_ = options_.seed ? *options_.seed : script_.seed.value_or(1);
      lastTick_ = options_.ticks.value_or(600);
    } else {
      seed_ = options_.seed ? *options_.seed : static_cast<std::uint32_t>(std::time(nullptr));
      StartLive();
    }
    backend_.SetClock(seed_);
    frameRecord.hashBlits = options_.trace;
  }

  // One display refresh: the ticks that are due, then the last frame drawn.
  void Refresh() {
    const double now = emscripten_get_now();
    if (options_.fast) {
      while (running_ && emscripten_get_now() - now < kFastBudgetMilliseconds) Tick();
    } else {
      for (int n = pacer_.TicksAt(now); running_ && n > 0; --n) Tick();
    }
    if (running_) backend_.ShowLastFrame();
    if (!running_) {
      emscripten_cancel_main_loop();
      KelmoraFinished(status_, runner_ ? 0 : 1);
    }
  }

  std::string Demo() const { return demo_.str(); }
  // The page's sound button: on and off, remembered as the desktop's sound key is.
  void ToggleSound() { ++soundToggles_; }
  void RenderSound(std::int16_t* out, int frames) {
    if (mixer_) mixer_->Render(out, frames);
  }

 private:
  void Tick() {
    const double started = emscripten_get_now();
    if (runner_) {
      RunnerTick();
    } else {
      LiveTick();
    }
    if (frameRan_) KelmoraTickTime(emscripten_get_now() - started);
  }

  // As kelmora-headless runs it: the script's commands of the tick, then the tick.
  void RunnerTick() {
    frameRan_ = false;
    if (tick_ == 0) {
      GiveScripted(0);
      if (!StartUp()) return End(false);
      EndTick(false, std::nullopt);
      ++tick_;
      return;
    }
    if (tick_ > lastTick_) {
      // Out of ticks: the last tick's frame stays on the canvas; close as Escape would, and let
      // the loop run to its end.
      backend_.ShowLastFrame();
      platform::PostMessage(app.mainWindow, platform::WM_CLOSE, 0, 0);
      for (;;) {
        const LoopPass pass = MainLoopPass();
        if (pass == LoopPass::kQuit || pass == LoopPass::kWait) break;
      }
      status_ = ExitStatus();
      running_ = false;
      return;
    }
    GiveScripted(tick_);
    if (RunTickPasses(&frameRan_) == LoopPass::kQuit) return End(frameRan_);
    EndTick(frameRan_, std::nullopt);
    ++tick_;
  }

  // As a session of the game runs it: the page's input of the tick, then the tick; when the game
  // stands still (inactive), nothing runs until the page has an event.
  void LiveTick() {
    frameRan_ = false;
    if (tick_ == 0) {
      if (!StartUp()) return End(false);
      EndTick(false, std::nullopt);
      ++tick_;
      return;
    }
    if (waiting_) {
      if (!backend_.TakeEventArrived()) return;
      waiting_ = false;
    }
    const Ship* player = PlayerOrNull();
    backend_.SetMenuUp(player == nullptr || player->alive == 0);
    backend_.SetMenuCursor(menu.cursorX, menu.cursorY);
    std::vector<InputEvent> inputs;
    backend_.TakeHostInput(&inputs);
    for (const InputEvent& input : inputs) {
      InputEvent command = input;
      command.tick = tick_;
      Give(command);
    }
    const LoopPass pass = RunTickPasses(&frameRan_);
    if (pass == LoopPass::kQuit) return End(frameRan_);
    EndTick(frameRan_, std::nullopt);
    ++tick_;
    if (pass == LoopPass::kWait) {
      backend_.TakeEventArrived();
      waiting_ = true;
    }
  }

  void GiveScripted(std::int64_t tick) {
    const auto& commands = script_.commands;
    while (next_command_ < commands.size() && commands[next_command_].tick <= tick) {
      if (commands[next_command_].tick == tick) Give(commands[next_command_]);
      ++next_command_;
    }
  }

  // One input to the game, applied as the headless runner and the game's sessions apply it.
  void Give(const InputEvent& command) {
    if (!runner_) WriteScriptCommand(demo_, command);
    ApplyScriptCommand(backend_, command);
  }

  // Played in the page: the remembered settings (then the page's own) as the first game's, the
  // sounds and the settings file kept up to date around the game, as the desktop's game does.
  void StartLive() {
    ConfigFile file;
    std::vector<std::string> warnings;
    ReadConfig(kSettingsPath, &file, &warnings);
    for (const std::string& warning : warnings) std::cerr << "kelmora: " << warning << '\n';
    const GameOptions& remembered = file.config.options;
    std::vector<StartSetting> changes = {{"drones", remembered.enemies},
                                         {"jitter", remembered.jitter ? 1 : 0},
                                         {"particles", remembered.particles},
                                         {"pickups", remembered.pickups}};
    changes.insert(changes.end(), options_.settings.begin(), options_.settings.end());
    ApplyStartSettings(changes);
    WriteScriptSeed(demo_, seed_);
    for (const StartSetting& setting :
         ChangedStartSettings(settings.droneCount, settings.explosionJitter,
                              settings.explosionParticles, settings.pickupSetting)) {
      WriteStartSetting(demo_, setting);
    }
    mixer_ = std::make_unique<Mixer>();
    ExtrasOptions extras;
    extras.soundOn = file.config.sound;
    extras.file = std::move(file);
    extras.takeRequests = [this] {
      platform::HostRequests requests;
      requests.soundToggles = soundToggles_;
      soundToggles_ = 0;
      return requests;
    };
    extras.startSound = [] { return KelmoraStartSound() != 0; };
    extras.messages = &std::cerr;
    extras_ = std::make_unique<Extras>(std::move(extras), *mixer_);
  }

  void EndTick(bool frameRan, std::optional<int> exitStatus) {
    const auto boxes = backend_.TakeMessageBoxes();
    if (options_.trace) {
      const std::string line = TraceLine(tick_, frameRan, boxes, exitStatus);
      KelmoraTraceLine(line.data(), static_cast<int>(line.size()));
    }
    if (extras_) extras_->AfterTick(tick_, frameRan);
  }

  void End(bool frameRan) {
    backend_.ShowLastFrame();
    status_ = ExitStatus();
    EndTick(frameRan, status_);
    EndProgram();
    if (extras_) extras_->Finish();
    running_ = false;
  }

  const Options& options_;
  const Script script_;
  platform::WebBackend backend_;
  bool runner_ = false;
  bool running_ = true;
  bool waiting_ = false;
  bool frameRan_ = false;
  int status_ = 0;
  std::uint32_t seed_ = 1;
  std::int64_t tick_ = 0;
  std::int64_t lastTick_ = 0;
  std::size_t next_command_ = 0;
  platform::TickPacer pacer_;
  std::ostringstream demo_;
  std::unique_ptr<Mixer> mixer_;
  std::unique_ptr<Extras> extras_;
  int soundToggles_ = 0;
};

Options pageOptions;
Page* page = nullptr;

void RefreshPage(void*) {
  page->Refresh();
}

}  // namespace

int Main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (!ParseOptions(arguments, &pageOptions)) return 2;
  Script script;
  if (pageOptions.scriptPath) {
    std::ifstream file(*pageOptions.scriptPath);
    std::string error;
    if (!file || !ParseScript(file, *pageOptions.scriptPath, &script, &error)) {
      std::cerr << (error.empty() ? "the script cannot be read" : error) << '\n';
      return 2;
    }
  }
  page = new Page(pageOptions, std::move(script));
  page->Start();
  // The display's refresh drives the ticks; main returns and the page goes on.
  emscripten_set_main_loop_arg(RefreshPage, nullptr, 0, 0);
  return 0;
}

}  // namespace kelmora::web

extern "C" {

// The session played so far, as a demo the headless runner replays.
EMSCRIPTEN_KEEPALIVE const char* kelmora_demo() {
  static std::string text;
  text = kelmora::web::page != nullptr ? kelmora::web::page->Demo() : std::string();
  return text.c_str();
}

EMSCRIPTEN_KEEPALIVE void kelmora_toggle_sound() {
  if (kelmora::web::page != nullptr) kelmora::web::page->ToggleSound();
}

// The next `frames` stereo frames of the game's sound, for the page's audio output.
EMSCRIPTEN_KEEPALIVE const std::int16_t* kelmora_sound(int frames) {
  static std::vector<std::int16_t> buffer;
  buffer.assign(static_cast<std::size_t>(frames) * 2, 0);
  if (kelmora::web::page != nullptr && frames > 0)
    kelmora::web::page->RenderSound(buffer.data(), frames);
  return buffer.data();
}
}

int main(int argc, char** argv) {
  return kelmora::web::Main(argc, argv);
}
