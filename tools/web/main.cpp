// kelmora in a web page: the real game over the browser backend, in the session loop the desktop's
// game and the headless runner share, stepped by the page's display refresh at 60 ticks a second.
// With a script, a tick count or fast=1 the page is the headless runner instead: the same ticks,
// the same trace lines, for tests and bug reports. With trace=1 either keeps every trace line.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <ctime>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/extras.h"
#include "app/mixer.h"
#include "app/script.h"
#include "app/session.h"
#include "app/start_settings.h"
#include "platform/backend.h"
#include "platform/web/tick_pacer.h"
#include "platform/web/web_backend.h"

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

// The page's trace: each line, once written whole, handed to the page as it is.
class PageTraceLines final : public std::streambuf {
 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) Put(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    for (std::streamsize i = 0; i < count; ++i) Put(text[i]);
    return count;
  }

 private:
  void Put(char c) {
    if (c != '\n') {
      line_.push_back(c);
      return;
    }
    KelmoraTraceLine(line_.data(), static_cast<int>(line_.size()));
    line_.clear();
  }

  std::string line_;
};

// The game in the page: the host of a session that the page's animation frames drive, one tick
// at a time, as the game and the headless runner drive theirs.
class Page final : public SessionHost, public TickObserver {
 public:
  Page(const Options& options, Script script)
      : options_(options), script_(std::move(script)), traceStream_(&traceLines_) {}

  void Start() {
    platform::InstallBackend(&backend_);
    runner_ = options_.Runner();
    backend_.SetReplaying(runner_);
    if (runner_) {
      // The script's settings, then the page's, which win.
      sessionOptions_.settings = script_.settings;
      sessionOptions_.settings.insert(sessionOptions_.settings.end(), options_.settings.begin(),
                                      options_.settings.end());
      sessionOptions_.seed = options_.seed ? *options_.seed : script_.seed.value_or(1);
      sessionOptions_.replay = &script_;
      sessionOptions_.ticks = options_.ticks.value_or(600);
    } else {
      sessionOptions_.seed =
          options_.seed ? *options_.seed : static_cast<std::uint32_t>(std::time(nullptr));
      sessionOptions_.record = &demo_;
      StartLive();
    }
    if (options_.trace) sessionOptions_.trace = &traceStream_;
    sessionOptions_.observer = this;
    backend_.SetClock(sessionOptions_.seed);
  }

  // One display refresh: the ticks that are due, then the last frame drawn.
  void Refresh() {
    const double now = emscripten_get_now();
    if (options_.fast) {
      while (!ended_ && emscripten_get_now() - now < kFastBudgetMilliseconds) Step();
    } else {
      for (int n = pacer_.TicksAt(now); !ended_ && n > 0; --n) Step();
    }
    if (!ended_) {
      backend_.ShowLastFrame();
      return;
    }
    emscripten_cancel_main_loop();
    KelmoraFinished(status_, runner_ ? 0 : 1);
  }

  std::string Demo() const { return demo_.str(); }
  // The page's sound button: on and off, remembered as the desktop's sound key is.
  void ToggleSound() { ++soundToggles_; }
  void RenderSound(std::int16_t* out, int frames) {
    if (mixer_) mixer_->Render(out, frames);
  }

  // The session's host. Run from a script, the page's own input never reaches the game.
  void TakeInput(const GameView& view, std::vector<InputEvent>* commands) override {
    if (runner_) return;
    backend_.SetMenuUp(view.menuUp);
    backend_.SetMenuCursor(view.cursorX, view.cursorY);
    backend_.TakeHostInput(commands);
  }
  void Apply(const InputEvent& command) override { ApplyScriptCommand(backend_, command); }
  // The page never blocks: a game standing still waits for the page's next event in Step.
  void Wait(int) override {}
  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes() override {
    return backend_.TakeMessageBoxes();
  }

  void AfterTick(std::int64_t tick, bool frameRan) override {
    frameRan_ = frameRan;
    // Out of ticks, the session closes the window next: the canvas keeps this tick's frame.
    if (tick == sessionOptions_.ticks) backend_.ShowLastFrame();
    if (extras_) extras_->AfterTick(tick, frameRan);
  }

 private:
  // Start-up, or the next tick; while the game stands still (inactive), nothing runs until the
  // page has an event.
  void Step() {
    const double started = emscripten_get_now();
    frameRan_ = false;
    if (!started_) {
      started_ = true;
      session_.Start();
    } else {
      if (waiting_) {
        if (!backend_.TakeEventArrived()) return;
        waiting_ = false;
      }
      if (session_.Tick() == TickResult::kIdle && !runner_) {
        backend_.TakeEventArrived();
        waiting_ = true;
      }
    }
    if (frameRan_) KelmoraTickTime(emscripten_get_now() - started);
    if (session_.Ended()) End();
  }

  void End() {
    ended_ = true;
    status_ = session_.Finish();
    // A session out of ticks showed its last tick's frame before the window closed.
    if (sessionOptions_.ticks < 0 || session_.LastTick() != sessionOptions_.ticks) {
      backend_.ShowLastFrame();
    }
    if (extras_) extras_->Finish();
  }

  // Played in the page: the remembered settings (then the page's own) as the first game's, the
  // sounds and the settings file kept up to date around the game, as the desktop's game does.
  void StartLive() {
    ConfigFile file;
    std::vector<std::string> warnings;
    ReadConfig(kSettingsPath, &file, &warnings);
    for (const std::string& warning : warnings) std::cerr << "kelmora: " << warning << '\n';
    const GameOptions& remembered = file.config.options;
    sessionOptions_.settings = {{"drones", remembered.enemies},
                                {"jitter", remembered.jitter ? 1 : 0},
                                {"particles", remembered.particles},
                                {"pickups", remembered.pickups}};
    sessionOptions_.settings.insert(sessionOptions_.settings.end(), options_.settings.begin(),
                                    options_.settings.end());
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

  const Options& options_;
  const Script script_;
  platform::WebBackend backend_;
  PageTraceLines traceLines_;
  std::ostream traceStream_;
  std::ostringstream demo_;
  SessionOptions sessionOptions_;
  Session session_{*this, sessionOptions_};
  bool runner_ = false;
  bool started_ = false;
  bool ended_ = false;
  bool waiting_ = false;
  bool frameRan_ = false;
  int status_ = 0;
  platform::TickPacer pacer_;
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
