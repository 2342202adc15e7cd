// kelmora-pacing: runs the real game (SDL backend, the same session loop as kelmora) for a number
// of seconds and prints how steadily it kept 60 frames a second: the frame rate, the spread of
// the intervals from one frame to the next, and the CPU time the process used per second of play.
//
//   kelmora-pacing [--seconds N] [--fullscreen]
//
// The game starts a new game at once (F1) so that it is in play, the player's guns firing, and
// closes itself when the time is up. Needs a display (an X server; Xvfb will do).
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/session.h"
#include "platform/backend.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/types.h"
#include "state/state.h"

namespace kelmora {

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The host of the measured session: the window's own input is dropped (nobody plays), the game is
// given F1 and Space at the start and a close when the time is up, and the moment each frame has
// been shown is noted.
class PacingHost final : public SessionHost {
 public:
  PacingHost(platform::SdlBackend& backend, double seconds)
      : backend_(backend), seconds_(seconds) {}

  void TakeInput(const GameView& view, std::vector<InputEvent>* commands) override {
    backend_.SetMenuUp(view.menuUp);
    std::vector<InputEvent> dropped;
    backend_.TakeHostInput(&dropped);
    const Clock::time_point now = Clock::now();
    if (frameRecord.frames != lastFrames_) {
      // A frame ran (and was flipped, and paced) since the last tick.
      lastFrames_ = frameRecord.frames;
      shown_.push_back(now);
    }
    if (!started_) {
      started_ = true;
      start_ = now;
      cpuAtStart_ = CpuSeconds();
      commands->push_back(Command(InputOp::kVk, platform::VK_F1, 0));
      commands->push_back(Command(InputOp::kKey, platform::DIK_SPACE, 1));
      return;
    }
    if (!closing_ && std::chrono::duration<double>(now - start_).count() >= seconds_) {
      closing_ = true;
      end_ = now;
      cpuAtEnd_ = CpuSeconds();
      commands->push_back(Command(InputOp::kClose, 0, 0));
    }
  }

  void Apply(const InputEvent& command) override { backend_.ApplyInput(command); }
  void Wait(int milliseconds) override { backend_.WaitForHostEvent(milliseconds); }
  std::vector<std::pair<std::string, std::string>> TakeMessageBoxes() override {
    return backend_.TakeMessageBoxes();
  }

  // The frames shown within the measured time.
  std::vector<Clock::time_point> Shown() const {
    std::vector<Clock::time_point> within;
    for (const auto& moment : shown_) {
      if (moment >= start_ && moment <= end_) within.push_back(moment);
    }
    return within;
  }
  double Seconds() const { return std::chrono::duration<double>(end_ - start_).count(); }
  double CpuUsed() const { return cpuAtEnd_ - cpuAtStart_; }
  bool Finished() const { return closing_; }

 private:
  static InputEvent Command(InputOp op, std::int32_t code, std::int32_t value) {
    InputEvent command;
    command.op = op;
    command.code = code;
    command.value = value;
    return command;
  }

  platform::SdlBackend& backend_;
  double seconds_;
  bool started_ = false;
  bool closing_ = false;
  Clock::time_point start_{};
  Clock::time_point end_{};
  double cpuAtStart_ = 0.0;
  double cpuAtEnd_ = 0.0;
  std::uint64_t lastFrames_ = 0;
  std::vector<Clock::time_point> shown_;
};

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const auto rank =
      static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(rank, values.size() - 1)];
}

int Usage() {
  std::fprintf(stderr, "usage: kelmora-pacing [--seconds N] [--fullscreen]\n");
  return 2;
}

int Main(int argc, char** argv) {
  double seconds = 10.0;
  bool fullscreen = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--seconds" && i + 1 < argc) {
      char* end = nullptr;
      seconds = std::strtod(argv[++i], &end);
      if (end == nullptr || *end != '\0' || !(seconds > 0.0) || seconds > 86400.0) return Usage();
    } else if (argument == "--fullscreen") {
      fullscreen = true;
    } else {
      return Usage();
    }
  }

  platform::SdlOptions options;
  options.fullscreen = fullscreen;
  options.seed = 1;
  auto backend = std::make_unique<platform::SdlBackend>(options);
  backend->SetTickedInput(true);
  platform::InstallBackend(backend.get());
  PacingHost host(*backend, seconds);
  SessionOptions session;
  session.seed = 1;
  const int status = RunSession(host, session);
  platform::InstallBackend(nullptr);
  if (status != 0 || !host.Finished()) {
    std::fprintf(stderr, "kelmora-pacing: the game ended early (status %d)\n", status);
    return 1;
  }

  const auto shown = host.Shown();
  std::vector<double> intervals;
  for (std::size_t i = 1; i < shown.size(); ++i) {
    intervals.push_back(std::chrono::duration<double, std::milli>(shown[i] - shown[i - 1]).count());
  }
  const double played = host.Seconds();
  const double fps = shown.size() > 1
                         ? static_cast<double>(shown.size() - 1) /
                               std::chrono::duration<double>(shown.back() - shown.front()).count()
                         : 0.0;
  std::printf("frames:            %zu in %.2f s\n", shown.size(), played);
  std::printf("frame rate:        %.2f fps (target 60.0 +- 0.5)\n", fps);
  std::printf("interval p50:      %.2f ms\n", Percentile(intervals, 0.50));
  std::printf("interval p90:      %.2f ms\n", Percentile(intervals, 0.90));
  std::printf("interval p99:      %.2f ms (target within 2 ms of 16.67)\n",
              Percentile(intervals, 0.99));
  std::printf("interval max:      %.2f ms\n",
              intervals.empty() ? 0.0 : *std::max_element(intervals.begin(), intervals.end()));
  std::printf("CPU per second:    %.1f ms (%.1f %% of one core)\n",
              1000.0 * host.CpuUsed() / played, 100.0 * host.CpuUsed() / played);
  const bool rateMet = fps >= 59.5 && fps <= 60.5;
  const bool steadyMet = std::abs(Percentile(intervals, 0.99) - 1000.0 / 60.0) <= 2.0;
  std::printf("pacing %s\n", rateMet && steadyMet ? "on target" : "OFF target");
  return 0;
}

}  // namespace

}  // namespace kelmora

int main(int argc, char** argv) {
  return kelmora::Main(argc, argv);
}
