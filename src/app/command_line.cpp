#include "app/command_line.h"

#include <limits>

#include "app/script.h"

namespace kelmora {

namespace {

constexpr std::string_view kUsage =
    "usage: kelmora [--window | --fullscreen] [--display N] [--scale fit|integer]\n"
    "               [--seed N] [--record FILE] [--replay FILE] [--trace FILE]\n"
    "               [--enemies N] [--particles N] [--pickups N] [--jitter yes|no]\n"
    "               [--mute] [--defaults]\n"
    "       kelmora --help | --version\n"
    "\n"
    "  --window         play in a window\n"
    "  --fullscreen     play full screen (the default); Alt+Enter switches at any time\n"
    "  --display N      open on display N (the first is 0)\n"
    "  --scale MODE     fit: as large as the screen allows (the default);\n"
    "                   integer: the largest whole multiple of 640x480\n"
    "  --seed N         seed the game with N (0 to 4294967295) instead of the clock\n"
    "  --record FILE    record the session's seed and input to FILE\n"
    "  --replay FILE    play a recorded session back (Escape still quits)\n"
    "  --trace FILE     write the game's state after every frame to FILE ('-': standard output)\n"
    "  --enemies N      start with N enemies (1 to 125), for this run only\n"
    "  --particles N    explosion particles (10 to 5000), for this run only\n"
    "  --pickups N      power-ups (100 to 1500), for this run only\n"
    "  --jitter yes|no  explosion jitter, for this run only\n"
    "  --mute           no sound in this run (M switches it)\n"
    "  --defaults       start from the built-in settings; read and write no settings file\n";

}  // namespace

std::string_view Usage() {
  return kUsage;
}

CommandLineAction ParseCommandLine(std::span<const std::string_view> arguments,
                                   CommandLine* commandLine, std::string* error) {
  auto fail = [error](std::string message) {
    *error = std::move(message);
    return CommandLineAction::kError;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view option = arguments[i];
    std::optional<std::string_view> attached;
    if (const auto equals = option.find('='); option.starts_with("--") && equals != option.npos) {
      attached = option.substr(equals + 1);
      option = option.substr(0, equals);
    }
    const bool takesValue = option == "--display" || option == "--scale" || option == "--seed" ||
                            option == "--record" || option == "--replay" || option == "--trace" ||
                            option == "--enemies" || option == "--particles" ||
                            option == "--pickups" || option == "--jitter";
    if (!takesValue) {
      if (option != "--help" && option != "-h" && option != "--version" && option != "--window" &&
          option != "--fullscreen" && option != "--mute" && option != "--defaults") {
        return fail("unknown option '" + std::string(arguments[i]) + "'");
      }
      if (attached) return fail(std::string(option) + " takes no value");
      if (option == "--help" || option == "-h") return CommandLineAction::kHelp;
      if (option == "--version") return CommandLineAction::kVersion;
      if (option == "--mute") {
        commandLine->mute = true;
      } else if (option == "--defaults") {
        commandLine->defaults = true;
      } else {
        commandLine->fullscreen = option == "--fullscreen";
        commandLine->windowModeGiven = true;
      }
      continue;
    }
    std::string_view value;
    if (attached) {
      value = *attached;
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return fail(std::string(option) + " needs a value");
    }
    const std::string quoted = "'" + std::string(value) + "'";
    std::int64_t number = 0;
    if (option == "--display") {
      if (!ParseWholeNumber(value, false, 0, 255, &number)) {
        return fail("--display takes a display number (0 to 255), not " + quoted);
      }
      commandLine->display = static_cast<int>(number);
      commandLine->displayGiven = true;
    } else if (option == "--scale") {
      if (value != "fit" && value != "integer") {
        return fail("--scale takes fit or integer, not " + quoted);
      }
      commandLine->integerScale = value == "integer";
      commandLine->scaleGiven = true;
    } else if (option == "--seed") {
      if (!ParseWholeNumber(value, false, 0, std::numeric_limits<std::uint32_t>::max(), &number)) {
        return fail("--seed takes an unsigned 32-bit number, not " + quoted);
      }
      commandLine->seed = static_cast<std::uint32_t>(number);
    } else if (option == "--enemies" || option == "--particles" || option == "--pickups") {
      const bool enemies = option == "--enemies";
      const bool particles = option == "--particles";
      const std::int64_t low = enemies ? 1 : (particles ? 10 : 100);
      const std::int64_t high = enemies ? 125 : (particles ? 5000 : 1500);
      if (!ParseWholeNumber(value, false, low, high, &number)) {
        return fail(std::string(option) + " takes a number from " + std::to_string(low) + " to " +
                    std::to_string(high) + ", not " + quoted);
      }
      (enemies ? commandLine->enemies
               : (particles ? commandLine->particles : commandLine->pickups)) =
          static_cast<std::int32_t>(number);
    } else if (option == "--jitter") {
      if (value != "yes" && value != "no") return fail("--jitter takes yes or no, not " + quoted);
      commandLine->jitter = value == "yes";
    } else {
      if (value.empty()) return fail(std::string(option) + " needs a file name");
      if (option == "--record") commandLine->recordPath = value;
      if (option == "--replay") commandLine->replayPath = value;
      if (option == "--trace") commandLine->tracePath = value;
    }
  }
  if (!commandLine->recordPath.empty() && commandLine->recordPath == commandLine->replayPath) {
    return fail("--record would overwrite the session that --replay plays");
  }
  return CommandLineAction::kRun;
}

}  // namespace kelmora
