#include "app/script.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace kelmora {
namespace {

using platform::Fault;

struct Parsed {
  bool ok = false;
  Script script;
  std::string error;
};

Parsed Parse(const std::string& text) {
  Parsed parsed;
  std::istringstream in(text);
  parsed.ok = ParseScript(in, "demo.txt", &parsed.script, &parsed.error);
  return parsed;
}

// A command as a script line gives it: tick first.
InputEvent At(std::int64_t tick, InputOp op, std::int32_t code = 0, std::int32_t value = 0,
              std::int32_t dx = 0, std::int32_t dy = 0, Fault fault = Fault::kCount) {
  InputEvent command{op, code, value, dx, dy, fault};
  command.tick = tick;
  return command;
}

std::string Write(const InputEvent& command) {
  std::ostringstream out;
  WriteScriptCommand(out, command);
  return out.str();
}

TEST(ScriptTest, ReadsEveryCommandInFileOrder) {
  const Parsed parsed = Parse(
      "seed 0x10\n"
      "# a comment, then a blank line\n"
      "\n"
      "0 fail display-create\n"
      "1 key LEFT down   # turn\n"
      "1 key 0x1e up\n"
      "2 vk F12\n"
      "2 vk 65\n"
      "3 mouse -35 0x10\n"
      "3 button 1 down\n"
      "4 activate 0\n"
      "4 close\n"
      "5 fail flip-busy 3\n"
      "5 fail keyboard\r\n");
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.script.seed, 16u);
  const auto& c = parsed.script.commands;
  ASSERT_EQ(c.size(), 11u);
  EXPECT_EQ(c[0].op, InputOp::kFail);
  EXPECT_EQ(c[0].fault, Fault::kDisplayCreate);
  EXPECT_EQ(c[0].value, 1);
  EXPECT_EQ(c[1].tick, 1);
  EXPECT_EQ(c[1].op, InputOp::kKey);
  EXPECT_EQ(c[1].code, 0xCB);
  EXPECT_EQ(c[1].value, 1);
  EXPECT_EQ(c[2].code, 0x1E);
  EXPECT_EQ(c[2].value, 0);
  EXPECT_EQ(c[3].op, InputOp::kVk);
  EXPECT_EQ(c[3].code, 123);
  EXPECT_EQ(c[4].code, 65);  // a number with vk is the virtual-key code itself
  EXPECT_EQ(c[5].op, InputOp::kMouse);
  EXPECT_EQ(c[5].dx, -35);
  EXPECT_EQ(c[5].dy, 16);
  EXPECT_EQ(c[6].op, InputOp::kButton);
  EXPECT_EQ(c[6].code, 1);
  EXPECT_EQ(c[6].value, 1);
  EXPECT_EQ(c[7].op, InputOp::kActivate);
  EXPECT_EQ(c[7].value, 0);
  EXPECT_EQ(c[8].op, InputOp::kClose);
  EXPECT_EQ(c[9].fault, Fault::kFlipBusy);
  EXPECT_EQ(c[9].value, 3);
  EXPECT_EQ(c[10].fault, Fault::kKeyboardRead);
}

TEST(ScriptTest, PressGivesTheKeyAndItsMessageOnlyWhereTheKeyHasOne) {
  const Parsed parsed = Parse("7 press F1\n8 press SPACE\n9 press 0x3b\n");
  ASSERT_TRUE(parsed.ok) << parsed.error;
  const auto& c = parsed.script.commands;
  ASSERT_EQ(c.size(), 4u);
  EXPECT_EQ(c[0].op, InputOp::kKey);
  EXPECT_EQ(c[0].code, 0x3B);
  EXPECT_EQ(c[0].value, 1);
  EXPECT_EQ(c[1].op, InputOp::kVk);
  EXPECT_EQ(c[1].code, 112);
  EXPECT_EQ(c[1].tick, 7);
  EXPECT_EQ(c[2].op, InputOp::kKey);
  EXPECT_EQ(c[2].code, 0x39);
  EXPECT_EQ(c[3].op, InputOp::kKey);  // a number names a scan code, not a virtual key
  EXPECT_EQ(c[3].tick, 9);
}

TEST(ScriptTest, MalformedLinesAreReportedWithFileAndLine) {
  struct Case {
    const char* text;
    const char* where;
  };
  const Case cases[] = {
      {"1 vk SPACE\n", "demo.txt:1: "},        // SPACE has no virtual-key code
      {"# start\n0 vk F1\n", "demo.txt:2: "},  // tick 0 takes only start-up faults
      {"0 key P down\n", "demo.txt:1: "},
      {"0 fail keyboard\n", "demo.txt:1: "},    // a fault during play, at start-up
      {"1 fail window\n", "demo.txt:1: "},      // a start-up step, during play
      {"1 fail allocation\n", "demo.txt:1: "},  // not a fault scripts arm
      {"1 fail flip-busy\n", "demo.txt:1: "},   // the count is missing
      {"1 fail flip-busy 0\n", "demo.txt:1: "},
      {"1 fail lock 2\n", "demo.txt:1: "},    // lock takes no count
      {"1 close\nseed 4\n", "demo.txt:2: "},  // seed only first
      {"seed 1\nseed 2\n", "demo.txt:2: "},
      {"seed 0x100000000\n", "demo.txt:1: "},    // beyond 32 bits
      {"5 close\n\n4 close\n", "demo.txt:3: "},  // ticks never decrease
      {"-1 close\n", "demo.txt:1: "},
      {"x close\n", "demo.txt:1: "},
      {"1\n", "demo.txt:1: "},
      {"1 jump\n", "demo.txt:1: "},
      {"1 key UP\n", "demo.txt:1: "},
      {"1 key UP pressed\n", "demo.txt:1: "},
      {"1 key 256 down\n", "demo.txt:1: "},
      {"1 key up down\n", "demo.txt:1: "},  // names are written in capitals
      {"1 button 4 down\n", "demo.txt:1: "},
      {"1 activate 2\n", "demo.txt:1: "},
      {"1 close now\n", "demo.txt:1: "},
      {"1 mouse 3\n", "demo.txt:1: "},
      {"1 mouse 3 4x\n", "demo.txt:1: "},
      {"1 mouse 0x 4\n", "demo.txt:1: "},
      {"1 vk 256\n", "demo.txt:1: "},
      {"1 mouse 2147483648 0\n", "demo.txt:1: "},
  };
  for (const Case& c : cases) {
    const Parsed parsed = Parse(c.text);
    EXPECT_FALSE(parsed.ok) << c.text;
    EXPECT_EQ(parsed.error.rfind(c.where, 0), 0u) << c.text << " gave " << parsed.error;
    EXPECT_GT(parsed.error.size(), std::string(c.where).size()) << "no reason for " << c.text;
  }
}

TEST(ScriptTest, SeedMayFollowCommentsAndTicksMayRepeat) {
  const Parsed parsed = Parse("# recorded\n\nseed 4294967295\n3 close\n3 close\n0x4 activate 1\n");
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.script.seed, 4294967295u);
  ASSERT_EQ(parsed.script.commands.size(), 3u);
  EXPECT_EQ(parsed.script.commands[2].tick, 4);
}

TEST(ScriptTest, WrittenLinesReadBackAsTheSameCommands) {
  std::vector<InputEvent> commands;
  for (int code = 0; code < 256; ++code) {
    commands.push_back(At(10 + code, InputOp::kKey, code, code & 1));
    commands.push_back(At(10 + code, InputOp::kVk, code, 0));
  }
  commands.push_back(At(300, InputOp::kMouse, 0, 0, -2147483647 - 1, 2147483647));
  for (int button = 0; button < 4; ++button) {
    commands.push_back(At(301, InputOp::kButton, button, 1));
    commands.push_back(At(301, InputOp::kButton, button, 0));
  }
  commands.push_back(At(302, InputOp::kActivate, 0, 1));
  commands.push_back(At(302, InputOp::kActivate, 0, 0));
  commands.push_back(At(303, InputOp::kClose));
  for (int f = 0; f < static_cast<int>(Fault::kCount); ++f) {
    const auto fault = static_cast<Fault>(f);
    if (!IsPlayFault(fault)) continue;
    const int count = fault == Fault::kFlipBusy || fault == Fault::kBlitBusy ? 7 : 1;
    commands.push_back(At(304, InputOp::kFail, 0, count, 0, 0, fault));
  }

  std::ostringstream text;
  WriteScriptSeed(text, 20261209);
  text << "0 fail mouse-acquire\n";
  for (const InputEvent& command : commands) WriteScriptCommand(text, command);
  const Parsed parsed = Parse(text.str());
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.script.seed, 20261209u);
  ASSERT_EQ(parsed.script.commands.size(), commands.size() + 1);
  EXPECT_EQ(parsed.script.commands[0].fault, Fault::kMouseAcquire);
  for (std::size_t i = 0; i < commands.size(); ++i) {
    EXPECT_EQ(parsed.script.commands[i + 1], commands[i]) << Write(commands[i]);
  }
}

TEST(ScriptTest, LinesUseTheKeyNames) {
  EXPECT_EQ(Write(At(3, InputOp::kKey, 0x39, 1)), "3 key SPACE down\n");
  EXPECT_EQ(Write(At(3, InputOp::kVk, 27, 0)), "3 vk ESCAPE\n");
  EXPECT_EQ(Write(At(4, InputOp::kFail, 0, 2, 0, 0, Fault::kBlitBusy)), "4 fail blit-busy 2\n");
  EXPECT_EQ(Write(At(5, InputOp::kMouse, 0, 0, -3, 9)), "5 mouse -3 9\n");
}

}  // namespace
}  // namespace kelmora

namespace kelmora {
namespace {

TEST(ScriptSettingsTest, SetLinesFollowTheSeedAndComeBeforeEveryCommand) {
  const Parsed parsed = Parse(
      "seed 5\n"
      "set drones=40\n"
      "# settings may be interleaved with comments\n"
      "set jitter=0\n"
      "set drones=0x10\n"
      "1 vk F1\n");
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.script.seed, 5u);
  const std::vector<StartSetting> want = {{"drones", 40}, {"jitter", 0}, {"drones", 16}};
  EXPECT_EQ(parsed.script.settings, want);
  EXPECT_EQ(parsed.script.commands.size(), 1u);
  // Without a seed line too.
  const Parsed alone = Parse("set pickups=1500\n");
  ASSERT_TRUE(alone.ok) << alone.error;
  EXPECT_FALSE(alone.script.seed.has_value());
  EXPECT_EQ(alone.script.settings, (std::vector<StartSetting>{{"pickups", 1500}}));
}

TEST(ScriptSettingsTest, MisplacedOrBadSetLinesAreMalformed) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"1 vk F1\nset drones=3\n", "demo.txt:2: 'set' may only stand before every command"},
      {"set drones=3\nseed 4\n", "demo.txt:2: 'seed' may only stand before every other line"},
      {"set drones=126\n", "demo.txt:1: 'set' drones takes a value from 1 to 125, not '126'"},
      {"set particles=9\n", "demo.txt:1: 'set' particles takes a value from 10 to 5000, not '9'"},
      {"set shipCount=3\n", "demo.txt:1: 'set' knows no setting 'shipCount'"},
      {"set drones 3\n", "demo.txt:1: 'set' takes NAME=VALUE"},
      {"set drones\n", "demo.txt:1: 'set' takes NAME=VALUE, not 'drones'"},
  };
  for (const auto& c : cases) {
    const Parsed parsed = Parse(c.text);
    EXPECT_FALSE(parsed.ok) << c.text;
    EXPECT_EQ(parsed.error, c.error) << c.text;
  }
}

TEST(ScriptSettingsTest, OnlyValuesThatDifferFromTheGamesOwnAreWrittenAndTheyReadBack) {
  EXPECT_TRUE(ChangedStartSettings(12, 1, 700, 250).empty());
  const std::vector<StartSetting> changed = ChangedStartSettings(40, 0, 700, 1500);
  std::ostringstream demo;
  WriteScriptSeed(demo, 9);
  for (const StartSetting& setting : changed) WriteStartSetting(demo, setting);
  EXPECT_EQ(demo.str(), "seed 9\nset drones=40\nset jitter=0\nset pickups=1500\n");
  const Parsed parsed = Parse(demo.str());
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.script.settings, changed);
}

TEST(ScriptTest, ACutOffLastLineIsSkippedWithAWarningAndTheLinesBeforeItKept) {
  // A demo cut off while the disk filled: every complete line replays.
  const Parsed cut = Parse("seed 5\n1 vk F1\n2 key UP down\n554 ");
  ASSERT_TRUE(cut.ok) << cut.error;
  ASSERT_EQ(cut.script.commands.size(), 2u);
  EXPECT_EQ(cut.script.commands[1].tick, 2);
  ASSERT_EQ(cut.script.warnings.size(), 1u);
  EXPECT_EQ(cut.script.warnings[0].rfind("demo.txt:4: ", 0), 0u) << cut.script.warnings[0];
  // Cut in the middle of a word, or going back in time: skipped all the same.
  for (const char* text : {"3 close\n4 key LE", "9 close\n5 clo", "seed 1\nse"}) {
    const Parsed parsed = Parse(text);
    EXPECT_TRUE(parsed.ok) << text << ": " << parsed.error;
    EXPECT_EQ(parsed.script.warnings.size(), 1u) << text;
  }
  // A last line without its line end that reads well is kept, with no warning.
  const Parsed whole = Parse("1 vk F1\n2 close");
  ASSERT_TRUE(whole.ok) << whole.error;
  EXPECT_EQ(whole.script.commands.size(), 2u);
  EXPECT_TRUE(whole.script.warnings.empty());
  // A malformed line anywhere else is still an error.
  const Parsed middle = Parse("1 vk F1\n554 \n2 close");
  EXPECT_FALSE(middle.ok);
  EXPECT_EQ(middle.error, "demo.txt:2: tick 554 has no command");
  const Parsed ended = Parse("1 vk F1\n554 \n");
  EXPECT_FALSE(ended.ok);
}

TEST(ScriptTest, AByteOrderMarkStartingTheFileIsSkipped) {
  const Parsed marked = Parse("\xEF\xBB\xBFseed 7\n1 close\n");
  ASSERT_TRUE(marked.ok) << marked.error;
  EXPECT_EQ(marked.script.seed, 7u);
  // Anywhere else it is what it is: bytes that are no command.
  const Parsed later = Parse(
      "1 close\n\xEF\xBB\xBF"
      "2 close\n");
  EXPECT_FALSE(later.ok);
  EXPECT_EQ(later.error, "demo.txt:2: a line starts with its tick, not '\\xef\\xbb\\xbf2'");
}

TEST(ScriptTest, LinesAndMessagesHaveTheirLimits) {
  // The longest line allowed reads; one byte more is an error, whatever follows.
  const std::string longest = "1 close" + std::string(kMaxLineBytes - 7, ' ') + "\n";
  EXPECT_TRUE(Parse(longest).ok);
  const Parsed tooLong = Parse("1 close\n1 close" + std::string(kMaxLineBytes - 6, ' ') + "\n");
  EXPECT_FALSE(tooLong.ok);
  EXPECT_EQ(tooLong.error, "demo.txt:2: a line is longer than 4096 bytes");
  // A stream without line ends is not read to its end.
  const Parsed zeros = Parse(std::string(1 << 20, '\0'));
  EXPECT_FALSE(zeros.ok);
  EXPECT_EQ(zeros.error, "demo.txt:1: a line is longer than 4096 bytes");

  // A message quotes a short piece, control and other bytes escaped.
  const Parsed binary = Parse("1 \x1b[2J" + std::string(3000, 'x') + "\n");
  EXPECT_FALSE(binary.ok);
  EXPECT_EQ(binary.error.rfind("demo.txt:1: unknown command '\\x1b[2J", 0), 0u) << binary.error;
  EXPECT_LT(binary.error.size(), 100u);
  for (char c : binary.error) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << binary.error;
}

TEST(ScriptTest, BusyCountsHaveACap) {
  const Parsed most = Parse("1 fail flip-busy 1000\n2 fail blit-busy 1000\n");
  ASSERT_TRUE(most.ok) << most.error;
  EXPECT_EQ(most.script.commands[1].value, kMaxBusyCount);
  for (const char* text : {"1 fail flip-busy 1001\n", "1 fail blit-busy 2147483647\n"}) {
    const Parsed parsed = Parse(text);
    EXPECT_FALSE(parsed.ok) << text;
    EXPECT_NE(parsed.error.find("from 1 to 1000"), std::string::npos) << parsed.error;
  }
}

}  // namespace
}  // namespace kelmora
