#include "app/extras.h"

#include <ctime>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "app/screenshot.h"
#include "state/state.h"

namespace kelmora {

namespace {

bool MenuUp() {
  const Ship* player = PlayerOrNull();
  return player == nullptr || player->alive == 0;
}

}  // namespace

std::string ScreenshotName(std::int64_t time) {
  const auto seconds = static_cast<std::time_t>(time);
  std::tm local{};
  localtime_r(&seconds, &local);
  char name[64];
  std::strftime(name, sizeof name, "kelmora-%Y%m%d-%H%M%S.png", &local);
  return name;
}

Extras::Extras(ExtrasOptions options, Mixer& mixer) : options_(std::move(options)), mixer_(mixer) {
  mixer_.SetVolume(options_.file.config.volume);
  mixer_.SetMuted(!options_.soundOn);
  if (options_.soundOn && options_.startSound) soundStarted_ = options_.startSound();
}

void Extras::AfterTick(std::int64_t tick, bool frameRan) {
  const platform::HostRequests requests =
      options_.takeRequests ? options_.takeRequests() : platform::HostRequests{};

  // Sound: what the frame did, heard only while sound is on.
  const std::vector<SoundCue> cues = observer_.Observe(frameRan);
  if (options_.soundOn && soundStarted_) {
    for (const SoundCue& cue : cues) mixer_.Play(cue.effect, cue.gain, cue.pan);
  }
  if (requests.soundToggles % 2 != 0) {
    options_.soundOn = !options_.soundOn;
    if (options_.soundOn && !soundStarted_ && options_.startSound) {
      soundStarted_ = options_.startSound();
    }
    mixer_.SetMuted(!options_.soundOn);
    if (options_.messages != nullptr) {
      *options_.messages << "kelmora: sound " << (options_.soundOn ? "on" : "off") << '\n';
    }
    options_.file.config.sound = options_.soundOn;
    pending_ = true;
  }

  for (int i = 0; i < requests.screenshots; ++i) Screenshot(tick);

  if (requests.fullscreenChanged && options_.file.config.fullscreen != requests.fullscreen) {
    options_.file.config.fullscreen = requests.fullscreen;
    pending_ = true;
  }

  // The options panel closed (Ok, or Cancel, which puts back the values it opened with): the
  // values now are the ones the player confirmed.
  const bool optionsShown = menuState.optionsVisible != 0;
  if (optionsShown_ && !optionsShown && options_.rememberOptions) Remember();
  optionsShown_ = optionsShown;

  // Written between frames, and only while the player is not flying.
  if (pending_ && MenuUp()) Save();
}

void Extras::Finish() {
  if (pending_) Save();
}

void Extras::Remember() {
  GameOptions now;
  now.enemies = settings.droneCount;
  now.particles = settings.explosionParticles;
  now.pickups = settings.pickupSetting;
  now.jitter = settings.explosionJitter != 0;
  if (now == options_.file.config.options) return;
  options_.file.config.options = now;
  pending_ = true;
}

void Extras::Save() {
  pending_ = false;
  if (!options_.remember || options_.file.path.empty()) return;
  const std::string text = FormatConfig(options_.file.config, options_.file.lines);
  std::string error;
  if (!WriteFileAtomically(options_.file.path, text, &error)) {
    // Said once: the game plays on, and tries again at the next change.
    if (!saveFailed_ && options_.messages != nullptr) {
      *options_.messages << "kelmora: the settings are not kept: " << error << '\n';
    }
    saveFailed_ = true;
    return;
  }
  // The file as written is what the next rewrite keeps.
  ConfigFile written;
  std::vector<std::string> ignored;
  ParseConfig(text, &written, &ignored);
  options_.file.lines = written.lines;
}

void Extras::Screenshot(std::int64_t tick) {
  namespace fs = std::filesystem;
  std::error_code code;
  const fs::path folder(options_.screenshotFolder);
  fs::create_directories(folder, code);
  std::string error;
  if (code) {
    error = "cannot make the folder " + folder.string() + ": " + code.message();
  } else {
    const std::string name = ScreenshotName(static_cast<std::int64_t>(std::time(nullptr)));
    fs::path path = folder / name;
    // Two in the same second get a number.
    for (int n = 2; fs::exists(path, code) && n < 1000; ++n) {
      path = folder / (name.substr(0, name.size() - 4) + "-" + std::to_string(n) + ".png");
    }
    if (WriteScreenshot(path.string(), &error)) {
      if (options_.messages != nullptr) {
        *options_.messages << "kelmora: screenshot of tick " << tick << ": " << path.string()
                           << '\n';
      }
      return;
    }
  }
  screenshotFailed_ = true;
  if (options_.messages != nullptr) {
    *options_.messages << "kelmora: no screenshot: " << error << '\n';
  }
}

}  // namespace kelmora
