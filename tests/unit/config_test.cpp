#include "app/config.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/start_settings.h"
#include "state/state.h"
#include "tests/unit/support.h"

namespace kelmora {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteAll(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A scratch folder of the test's own, gone afterwards.
class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kelmora-config-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  ConfigFile Parse(const std::string& text, std::vector<std::string>* warnings) {
    ConfigFile file;
    file.path = "kelmora.cfg";
    ParseConfig(text, &file, warnings);
    return file;
  }

  fs::path folder_;
};

TEST_F(ConfigTest, ReadsEveryNameAndKeepsTheRestForTheRewrite) {
  std::vector<std::string> warnings;
  const ConfigFile file = Parse(
      "# my settings\n"
      "fullscreen = no\n"
      "scale=integer\n"
      "  display   =   2  \n"
      "enemies = 40\n"
      "particles = 5000\n"
      "pickups = 100\n"
      "jitter = no\n"
      "sound = off\n"
      "volume = 0\n"
      "key.fire = Right Ctrl\n"
      "key.missile = X\n"
      "screenshots = /tmp/shots here\n"
      "future.option = 7\n"
      "enemies = 41\n",
      &warnings);
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  const Config& c = file.config;
  EXPECT_FALSE(c.fullscreen);
  EXPECT_TRUE(c.integerScale);
  EXPECT_EQ(c.display, 2);
  EXPECT_EQ(c.options, (GameOptions{41, 5000, 100, false}));  // the later line wins
  EXPECT_FALSE(c.sound);
  EXPECT_EQ(c.volume, 0);
  EXPECT_EQ(c.keys[static_cast<std::size_t>(KeyAction::kFire)], "Right Ctrl");
  EXPECT_EQ(c.keys[static_cast<std::size_t>(KeyAction::kMissile)], "X");
  EXPECT_EQ(c.keys[static_cast<std::size_t>(KeyAction::kLeft)], "Left");
  EXPECT_EQ(c.keyLines[static_cast<std::size_t>(KeyAction::kMissile)], 12);
  EXPECT_EQ(c.keyLines[static_cast<std::size_t>(KeyAction::kLeft)], 0);
  EXPECT_EQ(c.screenshots, "/tmp/shots here");
  EXPECT_EQ(file.lines.size(), 15u);
}

TEST_F(ConfigTest, EachBadLineWarnsWithItsLineAndLeavesItsDefault) {
  std::vector<std::string> warnings;
  const ConfigFile file = Parse(
      "enemies = 40\n"
      "enemies = 126\n"  // bad: back to the default, not to the earlier 40
      "this line has no equals sign\n"
      "particles = lots\n"
      "volume = -1\n"
      "scale = huge\n"
      "jitter = on\n"
      "sound = yes\n"
      "key.fire =\n"
      "pickups = 1500\n",
      &warnings);
  const std::vector<std::string> want = {
      "kelmora.cfg:2: enemies takes 1 to 125, not '126'; the default 12 is used",
      "kelmora.cfg:3: not a 'name = value' line",
      "kelmora.cfg:4: particles takes 10 to 5000, not 'lots'; the default 700 is used",
      "kelmora.cfg:5: volume takes 0 to 100, not '-1'; the default 80 is used",
      "kelmora.cfg:6: scale takes fit or integer, not 'huge'; the default fit is used",
      "kelmora.cfg:7: jitter takes yes or no, not 'on'; the default yes is used",
      "kelmora.cfg:8: sound takes on or off, not 'yes'; the default on is used",
      "kelmora.cfg:9: key.fire takes a key's name, not ''; the default Space is used",
  };
  EXPECT_EQ(warnings, want);
  EXPECT_EQ(file.config.options, (GameOptions{12, 700, 1500, true}));
  EXPECT_EQ(file.config.volume, 80);
  EXPECT_EQ(file.config.keys, Config::DefaultKeys());
}

TEST_F(ConfigTest, RewriteChangesValuesInPlaceKeepsUnknownLinesAndAddsWhatIsMissing) {
  std::vector<std::string> warnings;
  ConfigFile file = Parse(
      "# comment\n"
      "enemies = 40\n"
      "later.version = keep me\n"
      "garbage line\n"
      "sound=on\n",
      &warnings);
  file.config.options.enemies = 99;
  file.config.sound = false;
  const std::string text = FormatConfig(file.config, file.lines);
  EXPECT_EQ(text,
            "# comment\n"
            "enemies = 99\n"
            "later.version = keep me\n"
            "garbage line\n"
            "sound = off\n"
            "fullscreen = yes\n"
            "scale = fit\n"
            "display = 0\n"
            "particles = 700\n"
            "pickups = 250\n"
            "jitter = yes\n"
            "volume = 80\n"
            "key.left = Left\n"
            "key.right = Right\n"
            "key.thrust-up = Up\n"
            "key.thrust-down = Down\n"
            "key.fire = Space\n"
            "key.missile = Left Alt\n"
            "key.pause = P\n");
  // What is written reads back as the same settings, the garbage line still warned about.
  std::vector<std::string> again;
  const ConfigFile reread = Parse(text, &again);
  EXPECT_TRUE(reread.config.SameSettings(file.config));
  EXPECT_EQ(again.size(), 1u);
}

TEST_F(ConfigTest, ANewFileHasEveryNameAndReadsBackTheSame) {
  Config config;
  config.fullscreen = false;
  config.options = GameOptions{1, 10, 100, false};
  config.keys[static_cast<std::size_t>(KeyAction::kPause)] = "Keypad 5";
  config.screenshots = "/srv/pictures";
  const std::string text = FormatConfig(config, {});
  EXPECT_EQ(text.rfind("# ", 0), 0u);
  std::vector<std::string> warnings;
  const ConfigFile reread = Parse(text, &warnings);
  EXPECT_TRUE(warnings.empty());
  EXPECT_TRUE(reread.config.SameSettings(config));
}

TEST_F(ConfigTest, AMissingFileIsQuietAndAnUnreadableOneWarnsOnce) {
  std::vector<std::string> warnings;
  ConfigFile file;
  ReadConfig((folder_ / "none.cfg").string(), &file, &warnings);
  EXPECT_TRUE(warnings.empty());
  EXPECT_TRUE(file.config.SameSettings(Config{}));

  // A folder where the file should be cannot be read as one.
  fs::create_directories(folder_ / "kelmora.cfg");
  ReadConfig((folder_ / "kelmora.cfg").string(), &file, &warnings);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("kelmora.cfg: cannot be read"), std::string::npos) << warnings[0];
  EXPECT_TRUE(file.config.SameSettings(Config{}));
  EXPECT_EQ(file.path, (folder_ / "kelmora.cfg").string());
}

TEST_F(ConfigTest, FilesAreReplacedWholeAndFoldersMade) {
  const fs::path path = folder_ / "deep" / "er" / "kelmora.cfg";
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path.string(), "one = 1\n", &error)) << error;
  EXPECT_EQ(ReadAll(path), "one = 1\n");
  ASSERT_TRUE(WriteFileAtomically(path.string(), "two = 2\n", &error)) << error;
  EXPECT_EQ(ReadAll(path), "two = 2\n");
  // Nothing is left beside it.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(path.parent_path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(ConfigTest, AnUnwritablePlaceFailsWithItsReasonAndKeepsTheOldFile) {
  // A file stands where a folder must be made.
  WriteAll(folder_ / "blocker", "x");
  std::string error;
  EXPECT_FALSE(
      WriteFileAtomically((folder_ / "blocker" / "kelmora.cfg").string(), "a = 1\n", &error));
  EXPECT_NE(error.find("cannot make the folder"), std::string::npos) << error;

  // A folder stands where the file is: the temporary file is written, the rename refused, and
  // neither the folder nor a temporary file stays changed.
  fs::create_directories(folder_ / "taken.cfg" / "inside");
  error.clear();
  EXPECT_FALSE(WriteFileAtomically((folder_ / "taken.cfg").string(), "a = 1\n", &error));
  EXPECT_NE(error.find("cannot replace"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(folder_ / "taken.cfg" / "inside"));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++entries;
  EXPECT_EQ(entries, 2);  // blocker and taken.cfg
}

TEST_F(ConfigTest, ThePlacesFollowTheDesktopsVariables) {
  const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
  const char* savedPictures = std::getenv("XDG_PICTURES_DIR");
  const char* savedHome = std::getenv("HOME");
  const std::string config = savedConfig ? savedConfig : "";
  const std::string pictures = savedPictures ? savedPictures : "";
  const std::string home = savedHome ? savedHome : "";

  setenv("HOME", "/home/vy", 1);
  setenv("XDG_CONFIG_HOME", "/etc/vy", 1);
  setenv("XDG_PICTURES_DIR", "/media/pictures", 1);
  EXPECT_EQ(DefaultConfigPath(), "/etc/vy/kelmora/kelmora.cfg");
  EXPECT_EQ(DefaultScreenshotFolder(), "/media/pictures/Kelmora");
  // Unset, empty or relative: the home folder's.
  unsetenv("XDG_CONFIG_HOME");
  setenv("XDG_PICTURES_DIR", "relative/pictures", 1);
  EXPECT_EQ(DefaultConfigPath(), "/home/vy/.config/kelmora/kelmora.cfg");
  EXPECT_EQ(DefaultScreenshotFolder(), "/home/vy/Pictures/Kelmora");
  setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(DefaultConfigPath(), "/home/vy/.config/kelmora/kelmora.cfg");
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("HOME");
  EXPECT_EQ(DefaultConfigPath(), "");

  auto restore = [](const char* name, const char* saved, const std::string& value) {
    if (saved != nullptr) {
      setenv(name, value.c_str(), 1);
    } else {
      unsetenv(name);
    }
  };
  restore("XDG_CONFIG_HOME", savedConfig, config);
  restore("XDG_PICTURES_DIR", savedPictures, pictures);
  restore("HOME", savedHome, home);
}

TEST(StartSettingsTest, TheirDefaultsAreTheGamesAndShipCountFollows) {
  testing::ResetEverything();
  const GameSettings built;
  EXPECT_EQ(kStartSettingRanges[0].compiledIn, built.droneCount);
  EXPECT_EQ(kStartSettingRanges[1].compiledIn, built.explosionJitter);
  EXPECT_EQ(kStartSettingRanges[2].compiledIn, built.explosionParticles);
  EXPECT_EQ(kStartSettingRanges[3].compiledIn, built.pickupSetting);
  const GameOptions defaults;
  EXPECT_EQ(defaults.enemies, built.droneCount);
  EXPECT_EQ(defaults.particles, built.explosionParticles);
  EXPECT_EQ(defaults.pickups, built.pickupSetting);

  ApplyStartSettings({{"drones", 3}, {"pickups", 999}, {"drones", 125}, {"jitter", 0}});
  EXPECT_EQ(settings.droneCount, 125);
  EXPECT_EQ(world.shipCount, 126);
  EXPECT_EQ(settings.pickupSetting, 999);
  EXPECT_EQ(world.pickupCount, 999);
  EXPECT_EQ(settings.explosionJitter, 0);
  EXPECT_EQ(settings.explosionParticles, 700);
  testing::ResetEverything();
}

}  // namespace
}  // namespace kelmora
