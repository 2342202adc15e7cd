// A session of the real game, tick by tick: what it records replays to the same trace, ticks in
// which the game stands still wait for the host, and a failed start-up still ends its trace.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "app/script.h"
#include "app/session.h"
#include "tests/unit/support.h"

namespace kelmora::testing {
namespace {

// Notes the ticks it is told of.
class TickList final : public TickObserver {
 public:
  void AfterTick(std::int64_t tick, bool) override { ticks.push_back(tick); }
  std::vector<std::int64_t> ticks;
};

// A host whose input is given per tick, over the headless devices.
class ScriptedHost final : public SessionHost {
 public:
  void At(std::int64_t tick, InputOp op, std::int32_t code = 0, std::int32_t value = 0) {
    InputEvent command;
    command.op = op;
    command.code = code;
    command.value = value;
    input_[tick].push_back(command);
  }
  void MoveAt(std::int64_t tick, std::int32_t dx, std::int32_t dy) {
    InputEvent command;
    command.op = InputOp::kMouse;
    command.dx = dx;
    command.dy = dy;
    input_[tick].push_back(command);
  }
  void TakeInput(const GameView& view, std::vector<InputEvent>* commands) override {
    ++tick_;
    menuUp_[tick_] = view.menuUp;
    cursor_[tick_] = {view.cursorX, view.cursorY};
    for (const InputEvent& command : input_[tick_]) commands->push_back(command);
  }
  void Apply(const InputEvent& command) override {
    ApplyScriptCommand(platform::Headless(), command);
  }
  void Wait(int milliseconds) override { waits_.push_back(milliseconds); }
  void OutputFailed(SessionOutput output) override { failed_.push_back(output); }
  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes() override {
    return platform::Headless().TakeMessageBoxes();
  }

  std::map<std::int64_t, bool> menuUp_;
  std::map<std::int64_t, std::pair<std::int32_t, std::int32_t>> cursor_;
  std::vector<int> waits_;
  std::vector<SessionOutput> failed_;

 private:
  std::map<std::int64_t, std::vector<InputEvent>> input_;
  std::int64_t tick_ = 0;
};

class SdlSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetEverything(); }
  void TearDown() override { ResetEverything(); }

  int Run(ScriptedHost& host, std::uint32_t seed, const Script* replay, std::string* record,
          std::string* trace) {
    ResetEverything();
    platform::Headless().SetClock(seed);
    std::ostringstream recordOut;
    std::ostringstream traceOut;
    SessionOptions options;
    options.seed = seed;
    options.replay = replay;
    options.record = record != nullptr ? &recordOut : nullptr;
    options.trace = &traceOut;
    const int status = RunSession(host, options);
    if (record != nullptr) *record = recordOut.str();
    *trace = traceOut.str();
    return status;
  }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(SdlSessionTest, ARecordedSessionReplaysToTheSameTrace) {
  ScriptedHost live;
  live.At(2, InputOp::kVk, platform::VK_F1);  // a new game from the menu
  live.At(2, InputOp::kKey, platform::DIK_F1, 1);
  live.At(3, InputOp::kKey, platform::DIK_F1, 0);
  live.At(4, InputOp::kKey, platform::DIK_LEFT, 1);
  live.At(9, InputOp::kKey, platform::DIK_LEFT, 0);
  live.At(9, InputOp::kKey, platform::DIK_SPACE, 1);
  live.At(12, InputOp::kKey, platform::DIK_UP, 1);
  live.At(14, InputOp::kKey, platform::DIK_UP, 0);
  live.At(25, InputOp::kKey, platform::DIK_SPACE, 0);
  live.At(30, InputOp::kVk, platform::VK_ESCAPE);
  std::string record;
  std::string liveTrace;
  ASSERT_EQ(Run(live, 77, nullptr, &record, &liveTrace), 0);
  const std::vector<std::string> recorded = Lines(record);
  ASSERT_FALSE(recorded.empty());
  EXPECT_EQ(recorded.front(), "seed 77");
  EXPECT_EQ(recorded.size(), 11u);
  EXPECT_EQ(Lines(liveTrace).size(), 31u);  // start-up and 30 ticks, the last one ending the game
  EXPECT_NE(Lines(liveTrace).back().find("\"exit\":0"), std::string::npos);
  // The menu was up until the new game.
  EXPECT_TRUE(live.menuUp_[1]);
  EXPECT_TRUE(live.menuUp_[2]);
  EXPECT_FALSE(live.menuUp_[3]);

  Script script;
  std::string error;
  std::istringstream in(record);
  ASSERT_TRUE(ParseScript(in, "demo", &script, &error)) << error;
  ASSERT_EQ(script.seed, 77u);
  ScriptedHost quiet;
  std::string replayTrace;
  ASSERT_EQ(Run(quiet, *script.seed, &script, nullptr, &replayTrace), 0);
  EXPECT_EQ(replayTrace, liveTrace);
}

TEST_F(SdlSessionTest, TheHostIsToldWhereTheMenuCursorStands) {
  ScriptedHost live;
  live.MoveAt(2, 15, -40);
  live.MoveAt(3, 1000, 0);  // the cursor stops at the picture's edge
  live.At(5, InputOp::kVk, platform::VK_ESCAPE);
  std::string trace;
  ASSERT_EQ(Run(live, 9, nullptr, nullptr, &trace), 0);
  EXPECT_EQ(live.cursor_[2], (std::pair<std::int32_t, std::int32_t>{320, 240}));
  EXPECT_EQ(live.cursor_[3], (std::pair<std::int32_t, std::int32_t>{335, 200}));
  EXPECT_EQ(live.cursor_[4], (std::pair<std::int32_t, std::int32_t>{640, 200}));
}

TEST_F(SdlSessionTest, TicksInWhichTheGameStandsStillWaitForTheHost) {
  ScriptedHost live;
  live.At(3, InputOp::kActivate, 0, 0);
  live.At(6, InputOp::kActivate, 0, 1);
  live.At(8, InputOp::kClose);
  std::string record;
  std::string trace;
  ASSERT_EQ(Run(live, 5, nullptr, &record, &trace), 0);
  // Ticks 3, 4 and 5 ran no frame and waited without a limit.
  EXPECT_EQ(live.waits_, (std::vector<int>{-1, -1, -1}));
  const auto lines = Lines(trace);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_NE(lines[2].find("\"frames\":2"), std::string::npos);
  EXPECT_NE(lines[5].find("\"frames\":2"), std::string::npos);
  EXPECT_NE(lines[6].find("\"frames\":3"), std::string::npos);

  // A replay does not wait for the host while its script goes on.
  Script script;
  std::string error;
  std::istringstream in(record);
  ASSERT_TRUE(ParseScript(in, "demo", &script, &error)) << error;
  ScriptedHost quiet;
  std::string replayTrace;
  ASSERT_EQ(Run(quiet, 5, &script, nullptr, &replayTrace), 0);
  EXPECT_EQ(replayTrace, trace);
  for (int wait : quiet.waits_) EXPECT_GE(wait, 0);
}

TEST_F(SdlSessionTest, AFailedStartUpEndsWithItsOnlyTraceLine) {
  Script script;
  std::string error;
  std::istringstream in("seed 3\n0 fail display-create\n");
  ASSERT_TRUE(ParseScript(in, "demo", &script, &error)) << error;
  ScriptedHost quiet;
  std::string trace;
  EXPECT_EQ(Run(quiet, 3, &script, nullptr, &trace), 1);
  const auto lines = Lines(trace);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("DirectDrawCreate FAILED"), std::string::npos);
  EXPECT_NE(lines[0].find("\"exit\":1"), std::string::npos);
}

TEST_F(SdlSessionTest, ASessionStepsTickByTickAsRunSessionRunsIt) {
  auto script = [](ScriptedHost& host) {
    host.At(2, InputOp::kVk, platform::VK_F1);
    host.At(4, InputOp::kKey, platform::DIK_SPACE, 1);
    host.At(5, InputOp::kActivate, 0, 0);
    host.At(7, InputOp::kActivate, 0, 1);
    host.At(12, InputOp::kVk, platform::VK_ESCAPE);
  };
  ScriptedHost whole;
  script(whole);
  std::string wholeTrace;
  ASSERT_EQ(Run(whole, 41, nullptr, nullptr, &wholeTrace), 0);

  ResetEverything();
  platform::Headless().SetClock(41);
  ScriptedHost stepped;
  script(stepped);
  std::ostringstream traceOut;
  TickList ended;
  SessionOptions options;
  options.seed = 41;
  options.trace = &traceOut;
  options.observer = &ended;
  Session session(stepped, options);
  ASSERT_TRUE(session.Start());
  std::vector<TickResult> results;
  while (!session.Ended()) results.push_back(session.Tick());
  EXPECT_EQ(session.Tick(), TickResult::kEnded);  // nothing more happens once ended
  EXPECT_EQ(session.Finish(), 0);
  EXPECT_EQ(traceOut.str(), wholeTrace);
  EXPECT_EQ(session.LastTick(), 12);
  ASSERT_EQ(results.size(), 12u);
  // Inactive from tick 5 until the activation of tick 7 is handled: the game stands still.
  EXPECT_EQ(results[4], TickResult::kIdle);
  EXPECT_EQ(results[5], TickResult::kIdle);
  EXPECT_EQ(results[6], TickResult::kRan);
  EXPECT_EQ(results.back(), TickResult::kEnded);
  EXPECT_TRUE(stepped.waits_.empty());  // stepping leaves the waiting to the caller
  EXPECT_EQ(ended.ticks.size(), 13u);   // every tick, start-up and the one that ended the game
  EXPECT_EQ(ended.ticks.back(), 12);
}

TEST_F(SdlSessionTest, TheTicksLimitClosesTheGameWithoutAnotherTraceLine) {
  for (const std::int64_t limit : {0, 1, 6}) {
    ResetEverything();
    platform::Headless().SetClock(8);
    ScriptedHost host;
    host.At(3, InputOp::kVk, platform::VK_F1);
    std::ostringstream traceOut;
    TickList ended;
    SessionOptions options;
    options.seed = 8;
    options.trace = &traceOut;
    options.ticks = limit;
    options.observer = &ended;
    EXPECT_EQ(RunSession(host, options), 0) << limit;
    const auto lines = Lines(traceOut.str());
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(limit + 1)) << limit;
    EXPECT_TRUE(lines.back().ends_with("\"boxes\":[]}")) << "no exit status at " << limit;
    ASSERT_FALSE(ended.ticks.empty());
    EXPECT_EQ(ended.ticks.back(), limit);
    EXPECT_EQ(platform::CurrentWindow(), 0u) << "the window is closed at the limit";
  }
}

TEST_F(SdlSessionTest, FinishEndsASessionStillRunning) {
  ScriptedHost host;
  std::ostringstream traceOut;
  SessionOptions options;
  options.trace = &traceOut;
  Session session(host, options);
  EXPECT_EQ(session.Finish(), 0);  // never started: nothing to end
  ASSERT_TRUE(session.Start());
  EXPECT_EQ(session.Tick(), TickResult::kRan);
  EXPECT_EQ(session.Tick(), TickResult::kRan);
  EXPECT_FALSE(session.Ended());
  EXPECT_EQ(session.Finish(), 0);
  EXPECT_TRUE(session.Ended());
  EXPECT_EQ(platform::CurrentWindow(), 0u);
  EXPECT_EQ(session.Tick(), TickResult::kEnded);
  EXPECT_EQ(session.Finish(), 0);
  EXPECT_EQ(Lines(traceOut.str()).size(), 3u);
}

// A file that takes `room` bytes and then reports a full disk.
class FullDisk final : public std::streambuf {
 public:
  explicit FullDisk(std::size_t room) : room_(room) {}
  std::string written;

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (written.size() >= room_) return traits_type::eof();
    written.push_back(traits_type::to_char_type(c));
    return c;
  }

 private:
  std::size_t room_;
};

TEST_F(SdlSessionTest, AnOutputThatFailsIsToldOnceAndTheGamePlaysOn) {
  ScriptedHost host;
  host.At(2, InputOp::kVk, platform::VK_F1);
  host.At(3, InputOp::kKey, platform::DIK_UP, 1);
  host.At(40, InputOp::kVk, platform::VK_ESCAPE);
  FullDisk traceDisk(3000);
  FullDisk recordDisk(20);
  std::ostream trace(&traceDisk);
  std::ostream record(&recordDisk);
  SessionOptions options;
  options.seed = 12;
  options.trace = &trace;
  options.record = &record;
  Session session(host, options);
  ASSERT_TRUE(session.Start());
  while (session.Tick() != TickResult::kEnded) {
  }
  EXPECT_EQ(session.Finish(), 0);  // the game's own status: it ended well
  EXPECT_EQ(session.LastTick(), 40);
  EXPECT_TRUE(session.OutputsFailed());
  EXPECT_FALSE(session.StoppedAtLimit());
  // Each output once: the trace fills with its second line, the record in tick 2.
  EXPECT_EQ(host.failed_,
            (std::vector<SessionOutput>{SessionOutput::kTrace, SessionOutput::kRecord}));
  EXPECT_EQ(recordDisk.written, std::string("seed 12\n2 vk F1\n3 key UP down\n").substr(0, 20));

  // Outputs that take everything fail nothing.
  ResetEverything();
  ScriptedHost fine;
  fine.At(5, InputOp::kVk, platform::VK_ESCAPE);
  std::string traceText;
  std::string recordText;
  EXPECT_EQ(Run(fine, 12, nullptr, &recordText, &traceText), 0);
  EXPECT_TRUE(fine.failed_.empty());
}

}  // namespace
}  // namespace kelmora::testing
