// The game's command line: every option, both spellings of a value, and what is refused before
// any window opens.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "app/command_line.h"

namespace kelmora {
namespace {

CommandLineAction Parse(std::initializer_list<std::string_view> arguments, CommandLine* out,
                        std::string* error = nullptr) {
  std::string ignored;
  const std::vector<std::string_view> list(arguments);
  return ParseCommandLine(list, out, error != nullptr ? error : &ignored);
}

TEST(SdlCommandLine, NoOptionsPlaysFullScreenFittedOnTheFirstDisplay) {
  CommandLine line;
  EXPECT_EQ(Parse({}, &line), CommandLineAction::kRun);
  EXPECT_TRUE(line.fullscreen);
  EXPECT_EQ(line.display, 0);
  EXPECT_FALSE(line.integerScale);
  EXPECT_FALSE(line.seed.has_value());
  EXPECT_TRUE(line.recordPath.empty());
  EXPECT_TRUE(line.replayPath.empty());
  EXPECT_TRUE(line.tracePath.empty());
}

TEST(SdlCommandLine, EveryOptionTakesEffect) {
  CommandLine line;
  EXPECT_EQ(Parse({"--window", "--display", "2", "--scale=integer", "--seed", "4294967295",
                   "--record", "a.txt", "--replay=b.txt", "--trace", "-"},
                  &line),
            CommandLineAction::kRun);
  EXPECT_FALSE(line.fullscreen);
  EXPECT_EQ(line.display, 2);
  EXPECT_TRUE(line.integerScale);
  EXPECT_EQ(line.seed, 4294967295u);
  EXPECT_EQ(line.recordPath, "a.txt");
  EXPECT_EQ(line.replayPath, "b.txt");
  EXPECT_EQ(line.tracePath, "-");
  // The later of two options wins.
  EXPECT_EQ(
      Parse({"--window", "--fullscreen", "--scale", "integer", "--scale", "fit", "--seed=0x10"},
            &line),
      CommandLineAction::kRun);
  EXPECT_TRUE(line.fullscreen);
  EXPECT_FALSE(line.integerScale);
  EXPECT_EQ(line.seed, 16u);
}

TEST(SdlCommandLine, HelpAndVersionEndAtOnce) {
  CommandLine line;
  EXPECT_EQ(Parse({"--help"}, &line), CommandLineAction::kHelp);
  EXPECT_EQ(Parse({"-h"}, &line), CommandLineAction::kHelp);
  EXPECT_EQ(Parse({"--version", "--bogus"}, &line), CommandLineAction::kVersion);
  EXPECT_NE(Usage().find("--scale"), std::string_view::npos);
  EXPECT_EQ(Usage().back(), '\n');
}

TEST(SdlCommandLine, BadOptionsAndValuesAreRefused) {
  const std::initializer_list<std::initializer_list<std::string_view>> bad = {
      {"--bogus"},          {"window"},
      {"--window=1"},       {"--display"},
      {"--display", "-1"},  {"--display", "x"},
      {"--display", "256"}, {"--scale", "stretch"},
      {"--scale="},         {"--seed", "4294967296"},
      {"--seed", "12abc"},  {"--seed", ""},
      {"--seed", "-5"},     {"--record", ""},
      {"--trace"},          {"--record", "same.txt", "--replay", "same.txt"},
  };
  for (const auto& arguments : bad) {
    CommandLine line;
    std::string error;
    EXPECT_EQ(Parse(arguments, &line, &error), CommandLineAction::kError) << *arguments.begin();
    EXPECT_FALSE(error.empty());
  }
  CommandLine line;
  std::string error;
  Parse({"--frobnicate"}, &line, &error);
  EXPECT_NE(error.find("--frobnicate"), std::string::npos);
}

}  // namespace
}  // namespace kelmora

namespace kelmora {
namespace {

TEST(SdlCommandLineSettings, RunOnlyValuesAndTheWindowsOptionsAreToldApart) {
  CommandLine line;
  EXPECT_EQ(Parse({}, &line), CommandLineAction::kRun);
  EXPECT_FALSE(line.windowModeGiven || line.displayGiven || line.scaleGiven);
  EXPECT_FALSE(line.defaults || line.mute);
  EXPECT_FALSE(line.enemies || line.particles || line.pickups || line.jitter);

  EXPECT_EQ(Parse({"--enemies", "125", "--particles=10", "--pickups", "1500", "--jitter", "no",
                   "--mute", "--defaults", "--window", "--display=1", "--scale", "fit"},
                  &line),
            CommandLineAction::kRun);
  EXPECT_EQ(line.enemies, 125);
  EXPECT_EQ(line.particles, 10);
  EXPECT_EQ(line.pickups, 1500);
  EXPECT_EQ(line.jitter, false);
  EXPECT_TRUE(line.mute && line.defaults);
  EXPECT_TRUE(line.windowModeGiven && line.displayGiven && line.scaleGiven);
  EXPECT_NE(Usage().find("--defaults"), std::string_view::npos);
  EXPECT_NE(Usage().find("--mute"), std::string_view::npos);
}

TEST(SdlCommandLineSettings, ValuesOutOfTheirRangesAreRefused) {
  const struct {
    std::initializer_list<std::string_view> arguments;
    const char* error;
  } cases[] = {
      {{"--enemies", "0"}, "--enemies takes a number from 1 to 125, not '0'"},
      {{"--enemies=126"}, "--enemies takes a number from 1 to 125, not '126'"},
      {{"--particles", "5001"}, "--particles takes a number from 10 to 5000, not '5001'"},
      {{"--pickups", "99"}, "--pickups takes a number from 100 to 1500, not '99'"},
      {{"--jitter", "1"}, "--jitter takes yes or no, not '1'"},
      {{"--mute=yes"}, "--mute takes no value"},
      {{"--defaults=1"}, "--defaults takes no value"},
      {{"--enemies"}, "--enemies needs a value"},
  };
  for (const auto& c : cases) {
    CommandLine line;
    std::string error;
    EXPECT_EQ(Parse(c.arguments, &line, &error), CommandLineAction::kError) << c.error;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace kelmora
