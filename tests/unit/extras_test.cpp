// What the program does around the game after each tick: the settings file kept up to date (and
// never written while the player flies), the sound key, and screenshots.
#include "app/extras.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "app/screenshot.h"
#include "state/state.h"
#include "tests/unit/session_run.h"

namespace kelmora {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Opens the options panel, raises Enemy Number for ten frames, then confirms with Ok (or
// Cancel), then starts a game with New Game and flies until tick 200.
std::string OptionsSession(bool ok) {
  return std::string(
             "seed 3\n"
             "1 button 0 down\n"  // Options, under the cursor at the start
             "2 button 0 up\n"
             "4 mouse 68 -20\n"  // onto Enemy Number
             "5 button 0 down\n"
             "15 button 0 up\n") +
         (ok ? "17 mouse -98 60\n" : "17 mouse 0 60\n") +  // onto Ok (290, 280) or Cancel
         "18 button 0 down\n"
         "19 button 0 up\n" +
         (ok ? "21 mouse 0 -53\n" : "21 mouse -98 -53\n") +  // New Game (290, 227)
         "22 button 0 down\n"
         "23 button 0 up\n"
         "200 vk ESCAPE\n";
}

class ExtrasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kelmora-extras-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    options_.file.path = (folder_ / "cfg" / "kelmora.cfg").string();
    options_.screenshotFolder = (folder_ / "shots").string();
    options_.messages = &messages_;
    options_.takeRequests = [this] {
      const auto found = requests_.find(calls_++);
      return found == requests_.end() ? platform::HostRequests{} : found->second;
    };
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs the session with the extras watching, as the game's program does.
  void Run(const std::string& script) {
    Mixer mixer;
    Extras extras(options_, mixer);
    // Each tick's requests are those of the call with the tick's number.
    calls_ = 0;
    struct Watch final : TickObserver {
      Extras* extras;
      std::function<void(std::int64_t)> after;
      void AfterTick(std::int64_t tick, bool frameRan) override {
        extras->AfterTick(tick, frameRan);
        if (after) after(tick);
      }
    } watch;
    watch.extras = &extras;
    watch.after = [this, &extras](std::int64_t tick) {
      pendingAt_[tick] = extras.Pending();
      if (afterTick_) afterTick_(tick);
    };
    testing::RunScript(script, &watch);
    extras.Finish();
    remembered_ = extras.Remembered();
    soundOn_ = extras.SoundOn();
    muted_ = mixer.Muted();
  }

  fs::path folder_;
  ExtrasOptions options_;
  std::ostringstream messages_;
  std::map<int, platform::HostRequests> requests_;
  int calls_ = 0;
  std::map<std::int64_t, bool> pendingAt_;
  std::function<void(std::int64_t)> afterTick_;
  Config remembered_;
  bool soundOn_ = true;
  bool muted_ = false;
};

TEST_F(ExtrasTest, OkInTheOptionsPanelIsRememberedAndLinesOfOthersKept) {
  fs::create_directories(folder_ / "cfg");
  std::ofstream(options_.file.path) << "# mine\nlater.version = 3\nenemies = 12\n";
  std::vector<std::string> warnings;
  ReadConfig(options_.file.path, &options_.file, &warnings);
  Run(OptionsSession(true));
  EXPECT_EQ(remembered_.options.enemies, 22);
  const std::string text = ReadAll(options_.file.path);
  EXPECT_EQ(text.rfind("# mine\nlater.version = 3\nenemies = 22\n", 0), 0u) << text;
  // Written in the tick the panel closed, while the menu was up.
  EXPECT_TRUE(pendingAt_.count(19) != 0 && !pendingAt_[19]);
  EXPECT_TRUE(messages_.str().empty()) << messages_.str();
}

TEST_F(ExtrasTest, CancelAndReplaysLeaveTheFileAlone) {
  Run(OptionsSession(false));
  EXPECT_EQ(remembered_.options.enemies, 12);
  EXPECT_FALSE(fs::exists(options_.file.path));
  // A replay's Ok is the recorded player's, not this one's.
  options_.rememberOptions = false;
  Run(OptionsSession(true));
  EXPECT_EQ(remembered_.options.enemies, 12);
  EXPECT_FALSE(fs::exists(options_.file.path));
}

TEST_F(ExtrasTest, NothingIsWrittenWhileThePlayerFlies) {
  // Alt+Enter in flight: remembered at once, written only when the program ends.
  requests_[50].fullscreenChanged = true;
  requests_[50].fullscreen = false;
  afterTick_ = [this](std::int64_t tick) {
    if (tick >= 50) {
      EXPECT_FALSE(fs::exists(options_.file.path)) << tick;
    }
  };
  Run("seed 1\n1 vk F1\n100 vk ESCAPE\n");
  EXPECT_TRUE(pendingAt_[50]);
  EXPECT_FALSE(remembered_.fullscreen);
  EXPECT_NE(ReadAll(options_.file.path).find("fullscreen = no\n"), std::string::npos);
}

TEST_F(ExtrasTest, TheSoundKeySwitchesAndIsRemembered) {
  requests_[5].soundToggles = 1;
  Run("seed 1\n20 vk ESCAPE\n");
  EXPECT_FALSE(soundOn_);
  EXPECT_TRUE(muted_);
  EXPECT_NE(ReadAll(options_.file.path).find("sound = off\n"), std::string::npos);
  EXPECT_EQ(messages_.str(), "kelmora: sound off\n");
  // Twice in one tick is no change; --mute is not remembered, the key afterwards is.
  fs::remove(options_.file.path);
  messages_.str("");
  requests_.clear();
  requests_[3].soundToggles = 2;
  options_.soundOn = false;
  options_.file.config.sound = true;
  Run("seed 1\n20 vk ESCAPE\n");
  EXPECT_FALSE(fs::exists(options_.file.path));
  EXPECT_TRUE(muted_);
  requests_[3].soundToggles = 1;
  Run("seed 1\n20 vk ESCAPE\n");
  EXPECT_TRUE(soundOn_);
  EXPECT_FALSE(muted_);
  EXPECT_NE(ReadAll(options_.file.path).find("sound = on\n"), std::string::npos);
}

TEST_F(ExtrasTest, DefaultsWriteNothingAndAnUnwritablePlaceWarnsOnce) {
  options_.remember = false;
  requests_[3].soundToggles = 1;
  Run(OptionsSession(true));
  EXPECT_EQ(remembered_.options.enemies, 22);
  EXPECT_FALSE(fs::exists(folder_ / "cfg"));

  // A file where the folder must go: two changes, one warning, and the game plays to its end.
  std::ofstream(folder_ / "blocker") << "x";
  options_.remember = true;
  options_.file.path = (folder_ / "blocker" / "kelmora.cfg").string();
  requests_[60].soundToggles = 1;
  messages_.str("");
  Run(OptionsSession(true));
  const std::string said = messages_.str();
  EXPECT_NE(said.find("kelmora: the settings are not kept: cannot make the folder"),
            std::string::npos)
      << said;
  EXPECT_EQ(said.find("not kept", said.find("not kept") + 1), std::string::npos) << said;
}

TEST_F(ExtrasTest, TheScreenshotKeyWritesThePresentedFrame) {
  requests_[40].screenshots = 1;
  std::string expected;
  afterTick_ = [this, &expected](std::int64_t tick) {
    if (tick != 40) return;
    std::string error;
    ASSERT_TRUE(WriteScreenshot((folder_ / "same.png").string(), &error)) << error;
    expected = ReadAll(folder_ / "same.png");
  };
  Run("seed 4\n1 vk F1\n60 vk ESCAPE\n");
  const std::string said = messages_.str();
  const std::string prefix = "kelmora: screenshot of tick 40: " + (folder_ / "shots").string();
  ASSERT_EQ(said.rfind(prefix, 0), 0u) << said;
  const std::string path = said.substr(said.find(": /") + 2, said.size() - said.find(": /") - 3);
  EXPECT_EQ(fs::path(path).filename().string().rfind("kelmora-", 0), 0u);
  EXPECT_EQ(ReadAll(path), expected);
  EXPECT_FALSE(expected.empty());

  // Two in the same second get different names; a folder that cannot be made says why.
  EXPECT_NE(ScreenshotName(0), "");
  messages_.str("");
  requests_[40].screenshots = 2;
  Run("seed 4\n60 vk ESCAPE\n");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_ / "shots")) ++files;
  EXPECT_GE(files, 3);
  messages_.str("");
  std::ofstream(folder_ / "file") << "x";
  options_.screenshotFolder = (folder_ / "file" / "shots").string();
  requests_[40].screenshots = 1;
  Run("seed 4\n60 vk ESCAPE\n");
  EXPECT_EQ(messages_.str().rfind("kelmora: no screenshot: cannot make the folder", 0), 0u)
      << messages_.str();
}

TEST(ScreenshotTest, AFailedWriteIsToldAndLeavesADeviceWhereItIs) {
  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  std::string error;
  EXPECT_FALSE(WriteScreenshot("/dev/full", &error));
  EXPECT_NE(error.find("/dev/full"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_character_file("/dev/full"));  // not removed as a partial picture
}

}  // namespace
}  // namespace kelmora
