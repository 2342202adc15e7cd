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
