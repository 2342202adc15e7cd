// The player's settings file: plain `name = value` lines, `#` comments. What the game remembers
// between runs (the window, the options panel's four values as last confirmed, the sound, the
// keys and where screenshots go) lives here; the game's rules never read it, only the program
// that starts them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelmora {

// The actions a key can be moved to, in the order the file lists them.
enum class KeyAction { kLeft, kRight, kThrustUp, kThrustDown, kFire, kMissile, kPause, kCount };
inline constexpr int kKeyActionCount = static_cast<int>(KeyAction::kCount);

struct KeyActionName {
  std::string_view entry;        // the file's name, "key.fire"
  std::string_view defaultName;  // the key it is on unless moved
};
inline constexpr std::array<KeyActionName, kKeyActionCount> kKeyActionNames = {{
    {"key.left", "Left"},
    {"key.right", "Right"},
    {"key.thrust-up", "Up"},
    {"key.thrust-down", "Down"},
    {"key.fire", "Space"},
    {"key.missile", "Left Alt"},
    {"key.pause", "P"},
}};

// The options panel's four values as the run starts with them.
struct GameOptions {
  std::int32_t enemies = 12;     // 1..125
  std::int32_t particles = 700;  // 10..5000
  std::int32_t pickups = 250;    // 100..1500
  bool jitter = true;
  friend bool operator==(const GameOptions&, const GameOptions&) = default;
};

struct Config {
  bool fullscreen = true;
  bool integerScale = false;
  std::int32_t display = 0;  // 0..255
  GameOptions options;
  bool sound = true;
  std::int32_t volume = 80;  // 0..100
  std::array<std::string, kKeyActionCount> keys = DefaultKeys();
  // The line each key entry came from (0: not in the file), so that a warning about the key
  // can name it.
  std::array<int, kKeyActionCount> keyLines{};
  std::string screenshots;  // empty: the default folder

  static std::array<std::string, kKeyActionCount> DefaultKeys();
  // Everything but where each key came from.
  bool SameSettings(const Config& other) const;
};

// A file read: its settings, and its lines as they were, so that a rewrite keeps what the game
// does not know (comments, names of later versions, lines it could not read).
struct ConfigFile {
  std::string path;
  Config config;
  std::vector<std::string> lines;
};

// Reads `path` into `file`. A file that does not exist gives the defaults and no warning; a file
// that cannot be read gives the defaults and one warning; each bad line gives one warning
// "PATH:LINE: ..." and leaves that setting at its default. Never fails.
void ReadConfig(const std::string& path, ConfigFile* file, std::vector<std::string>* warnings);
// Reads settings from text (the file's contents), as ReadConfig does.
void ParseConfig(std::string_view text, ConfigFile* file, std::vector<std::string>* warnings);

// The file's text for `config`: every known name's line rewritten with its value in place, the
// other lines kept as they were, the names the file lacked added at the end.
std::string FormatConfig(const Config& config, const std::vector<std::string>& lines);

// Writes `text` to `path` atomically: a temporary file in the same folder, renamed over it. The
// folder is made when missing. False, with `error` set, when any step fails; the old file is then
// untouched.
bool WriteFileAtomically(const std::string& path, std::string_view text, std::string* error);

// Where the file lives: $XDG_CONFIG_HOME/kelmora/kelmora.cfg, else ~/.config/kelmora/kelmora.cfg;
// empty when neither variable gives a place.
std::string DefaultConfigPath();
// Where screenshots go unless the file says: $XDG_PICTURES_DIR/Kelmora, else ~/Pictures/Kelmora.
std::string DefaultScreenshotFolder();

}  // namespace kelmora
