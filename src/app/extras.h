// Around the game, never inside it: after every tick this looks at what the game did and what the
// player asked of the program (the sound key, the screenshot key, the window's mode), plays the
// sounds, writes screenshots and keeps the settings file up to date.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

#include "app/config.h"
#include "app/mixer.h"
#include "app/session.h"
#include "app/sound_cues.h"
#include "platform/extras.h"

namespace kelmora {

struct ExtrasOptions {
  ConfigFile file;       // the settings as read, and where they are written
  bool remember = true;  // false: nothing is ever written (--defaults)
  // Whether the options panel's values are remembered: not in a replay, whose values are the
  // recorded session's.
  bool rememberOptions = true;
  bool soundOn = true;  // for this run (--mute turns it off without changing the file)
  std::string screenshotFolder;
  // The player's requests since the last call.
  std::function<platform::HostRequests()> takeRequests;
  // Starts the sound device; false when there is none. Called when sound is first wanted.
  std::function<bool()> startSound;
  std::ostream* messages = nullptr;  // warnings and the screenshots' paths
};

class Extras final : public TickObserver {
 public:
  // `mixer` is where sounds go.
  Extras(ExtrasOptions options, Mixer& mixer);

  void AfterTick(std::int64_t tick, bool frameRan) override;
  // The program ends: settings not yet written are written now.
  void Finish();

  const Config& Remembered() const { return options_.file.config; }
  bool SoundOn() const { return options_.soundOn; }
  // The settings wait to be written (the player is flying).
  bool Pending() const { return pending_; }
  // A screenshot the player asked for could not be written.
  bool ScreenshotFailed() const { return screenshotFailed_; }

 private:
  void Remember();
  void Save();
  void Screenshot(std::int64_t tick);

  ExtrasOptions options_;
  Mixer& mixer_;
  SoundObserver observer_;
  bool soundStarted_ = false;
  bool pending_ = false;
  bool saveFailed_ = false;
  bool screenshotFailed_ = false;
  bool optionsShown_ = false;
};

// The file name of a screenshot taken at `time` (local time): kelmora-YYYYMMDD-HHMMSS.png.
std::string ScreenshotName(std::int64_t time);

}  // namespace kelmora
