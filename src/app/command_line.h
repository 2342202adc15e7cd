// The command line of the game: how the window opens, and demos in and out.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelmora {

struct CommandLine {
  bool fullscreen = true;
  int display = 0;
  bool integerScale = false;  // whole multiples of the frame instead of the largest fit
  // Which of the three the command line gave (the others come from the settings file).
  bool windowModeGiven = false;
  bool displayGiven = false;
  bool scaleGiven = false;
  bool defaults = false;  // start from the built-in settings and write none
  bool mute = false;      // no sound in this run
  // The options panel's values for this run only (not remembered).
  std::optional<std::int32_t> enemies;
  std::optional<std::int32_t> particles;
  std::optional<std::int32_t> pickups;
  std::optional<bool> jitter;
  std::optional<std::uint32_t> seed;
  std::string recordPath;  // empty: no recording
  std::string replayPath;
  std::string tracePath;  // "-" is standard output
};

enum class CommandLineAction {
  kRun,
  kHelp,     // print the usage on standard output and end with 0
  kVersion,  // print the version and end with 0
  kError,    // print `error` and the usage on standard error and end with 2
};

// Reads the arguments after the program's name. Options take their value as the next argument
// or after '=' ("--seed 5", "--seed=5"); later options win over earlier ones.
CommandLineAction ParseCommandLine(std::span<const std::string_view> arguments,
                                   CommandLine* commandLine, std::string* error);

// The usage text, ending with a newline.
std::string_view Usage();

}  // namespace kelmora
