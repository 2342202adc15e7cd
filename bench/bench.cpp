// kelmora-bench: the costs of a frame, side by side with the least any frame must cost.
//
// BM_MemoryFloor is the floor: the three full-screen passes every frame makes (a fill, a copy and
// a fill of 640x480 bytes). The other figures are read as multiples of it, printed after the
// benchmarks, so that they compare from machine to machine. The ratios are taken from the CPU time
// of each iteration: on a machine shared with other work the wall-clock time of the same loop
// varies with the load, its CPU time much less.
//
// Extra options (before Google Benchmark's own):
//   --blit_digest       keep the frame record's blit digest during the frame benchmarks, as the
//                       headless runner does while writing a trace (the game itself does not)
//   --memory_frames=N   instead of the benchmarks, play N frames at the largest settings (ten
//                       explosions kept alive, a new game every 2000 frames) and print the
//                       resident memory as it goes, its peak, and any growth
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <unistd.h>
#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/frame.h"
#include "app/trace.h"
#include "bench/present.h"
#include "effects/explosions.h"
#include "input/input.h"
#include "platform/backend.h"
#include "platform/faults.h"
#include "platform/headless/headless_backend.h"
#include "platform/window.h"
#include "state/state.h"

namespace kelmora {
namespace {

constexpr std::size_t kScreenBytes = 640 * 480;

// Whether the frame benchmarks keep the blit digest (--blit_digest).
bool keepBlitDigest = false;

void ResetEverything() {
  platform::InstallBackend(&platform::Headless());
  platform::ClearFaults();
  platform::ResetWindowing();
  ResetGameState();
  platform::Headless().Reset();
  platform::ResetDisplayLog();
}

// Runs main-loop passes until a frame has run (or the loop would wait or has returned).
void RunUntilFrame() {
  for (;;) {
    const LoopPass pass = MainLoopPass();
    if (pass != LoopPass::kMessage) return;
  }
}

struct Largest {
  bool on = false;
};

// A game in play: started, a new game begun with F1, flying at thrust 1 and firing, after a
// warm-up of 600 frames so that trails, shots and explosions exist.
void StartGameInPlay(bool largest) {
  ResetEverything();
  if (largest) {
    settings.droneCount = 125;
    world.shipCount = settings.droneCount + settings.humanCount;
    settings.pickupSetting = 1500;
    world.pickupCount = 1500;
    settings.explosionParticles = 5000;
    settings.explosionJitter = 1;
  }
  frameRecord.hashBlits = keepBlitDigest;
  platform::Headless().SetClock(12345);
  if (!StartUp()) std::abort();
  platform::PostMessage(platform::CurrentWindow(), platform::WM_KEYDOWN, platform::VK_F1, 0);
  platform::Headless().SetKey(platform::DIK_SPACE, true);
  for (int i = 0; i < 600; ++i) RunUntilFrame();
}

// Whether the player's ship flies.
bool PlayerInPlay() {
  return ShipSlots() >= settings.playerNumber && PlayerShipRecord().alive != 0;
}

// The frames are measured in play: when the drones have destroyed the player's ship, a new game
// starts (F1), as the player would, outside the measured time.
void KeepInPlay(benchmark::State& state) {
  if (PlayerInPlay()) return;
  state.PauseTiming();
  platform::PostMessage(platform::CurrentWindow(), platform::WM_KEYDOWN, platform::VK_F1, 0);
  RunUntilFrame();
  state.ResumeTiming();
}

void KeepTenExplosions() {
  for (const auto& explosion : effectState.explosionRing) {
    if (!explosion) SpawnExplosion(controls.cameraX, controls.cameraY);
  }
}

void BM_MemoryFloor(benchmark::State& state) {
  std::vector<std::uint8_t> back(kScreenBytes), layer(kScreenBytes), spare(kScreenBytes, 1);
  for (auto _ : state) {
    std::memset(back.data(), 0, kScreenBytes);
    std::memcpy(spare.data(), layer.data(), kScreenBytes);
    std::memset(layer.data(), 0, kScreenBytes);
    benchmark::DoNotOptimize(back.data());
    benchmark::DoNotOptimize(spare.data());
    benchmark::DoNotOptimize(layer.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemoryFloor);

void BM_FrameDefault(benchmark::State& state) {
  StartGameInPlay(false);
  for (auto _ : state) {
    KeepInPlay(state);
    PollKeyboard();
    GameFrame();
  }
}
BENCHMARK(BM_FrameDefault);

// The process's peak resident memory so far.
long PeakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

long largestSettingsPeakKiB = 0;

void BM_FrameLargest(benchmark::State& state) {
  StartGameInPlay(true);
  for (auto _ : state) {
    state.PauseTiming();
    KeepTenExplosions();
    state.ResumeTiming();
    KeepInPlay(state);
    PollKeyboard();
    GameFrame();
  }
  // The game's own peak, before any benchmark after this one loads a video driver.
  largestSettingsPeakKiB = PeakResidentKiB();
}
BENCHMARK(BM_FrameLargest);

// StartGameInPlay with the frame's blit words kept, as a traced run keeps them.
void StartGameKeepingBlits(bool largest) {
  const bool kept = keepBlitDigest;
  keepBlitDigest = true;
  StartGameInPlay(largest);
  keepBlitDigest = kept;
}

// The headless runner's trace line of a game in play, after the warm-up of the frame benchmarks
// with the blit digest kept, as the runner keeps it: the cost --trace adds to each tick. A frame
// runs (outside the measured time) before each line, so that every line digests a new state.
void TraceLineInPlay(benchmark::State& state, bool largest) {
  StartGameKeepingBlits(largest);
  std::size_t bytes = 0;
  for (auto _ : state) {
    KeepInPlay(state);
    state.PauseTiming();
    if (largest) KeepTenExplosions();
    RunUntilFrame();
    state.ResumeTiming();
    const std::string line = TraceLine(1, true, {}, std::nullopt);
    bytes += line.size();
    benchmark::DoNotOptimize(line.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  ResetEverything();
}

void BM_TraceLineDefault(benchmark::State& state) {
  TraceLineInPlay(state, false);
}
BENCHMARK(BM_TraceLineDefault);

void BM_TraceLineLargest(benchmark::State& state) {
  TraceLineInPlay(state, true);
}
BENCHMARK(BM_TraceLineLargest);

// A frame with its blit words kept, then its trace line: a tick of a traced run, to set against
// the same frame untraced (BM_FrameDefault, BM_FrameLargest).
void TracedFrames(benchmark::State& state, bool largest) {
  StartGameKeepingBlits(largest);
  for (auto _ : state) {
    if (largest) {
      state.PauseTiming();
      KeepTenExplosions();
      state.ResumeTiming();
    }
    KeepInPlay(state);
    PollKeyboard();
    GameFrame();
    const std::string line = TraceLine(1, true, {}, std::nullopt);
    benchmark::DoNotOptimize(line.data());
  }
  ResetEverything();
}

void BM_TracedFrameDefault(benchmark::State& state) {
  TracedFrames(state, false);
}
BENCHMARK(BM_TracedFrameDefault);

void BM_TracedFrameLargest(benchmark::State& state) {
  TracedFrames(state, true);
}
BENCHMARK(BM_TracedFrameLargest);

// A frame as the game presents it: the front buffer and palette after the warm-up of
// BM_FrameDefault.
struct PresentedFrame {
  std::vector<std::uint8_t> pixels;
  std::int32_t pitch = 0;
  platform::PaletteTable palette{};
};

PresentedFrame TakePresentedFrame() {
  StartGameInPlay(false);
  PresentedFrame frame;
  const platform::Surface& front = *displayObjects.frontBuffer;
  frame.pitch = front.Pitch();
  frame.pixels.assign(front.Pixels(), front.Pixels() + static_cast<std::size_t>(frame.pitch) * 480);
  frame.palette = platform::DisplayPalette();
  ResetEverything();
  return frame;
}

void BM_Present(benchmark::State& state) {
  const PresentedFrame frame = TakePresentedFrame();
  auto target = bench::OpenPresentTarget();
  if (!target) {
    state.SkipWithError("no offscreen or dummy video driver");
    return;
  }
  for (auto _ : state) {
    if (!target->Present(frame.pixels.data(), frame.pitch, frame.palette)) {
      state.SkipWithError("the screen texture could not be locked");
      return;
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Present);

void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    ResetEverything();
    frameRecord.hashBlits = keepBlitDigest;
    platform::Headless().SetClock(12345);
    state.ResumeTiming();
    if (!StartUp()) std::abort();
    RunUntilFrame();
  }
  ResetEverything();
}
BENCHMARK(BM_StartUp);

// Passes every run on to the reporter the command line chose and keeps each benchmark's time.
class RatioReporter final : public benchmark::BenchmarkReporter {
 public:
  struct Time {
    double cpu;
    double real;
  };

  explicit RatioReporter(std::unique_ptr<benchmark::BenchmarkReporter> inner)
      : inner_(std::move(inner)) {}
  bool ReportContext(const Context& context) override { return inner_->ReportContext(context); }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        // With --benchmark_repetitions, the fastest repetition: the one least disturbed by
        // whatever else the machine was doing.
        const std::string name = run.run_name.function_name;
        const Time time{run.GetAdjustedCPUTime(), run.GetAdjustedRealTime()};
        const auto found = times_.find(name);
        if (found == times_.end()) {
          times_[name] = time;
        } else {
          found->second.cpu = std::min(found->second.cpu, time.cpu);
          found->second.real = std::min(found->second.real, time.real);
        }
      }
    }
    inner_->ReportRuns(runs);
  }
  void Finalize() override { inner_->Finalize(); }
  const std::map<std::string, Time>& Times() const { return times_; }

 private:
  std::unique_ptr<benchmark::BenchmarkReporter> inner_;
  std::map<std::string, Time> times_;
};

// The resident memory now, from /proc/self/statm (pages).
long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long size = 0;
  long resident = 0;
  if (!(statm >> size >> resident)) return -1;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Plays `frames` frames at the largest settings and prints the resident memory every 1000
// frames. Fails (status 1) when the peak passes 64 MiB or the memory after the first 2000 frames
// grows by more than 1 MiB by the end.
int MemoryCheck(long frames) {
  StartGameInPlay(true);
  long settled = -1;
  long last = 0;
  long highest = 0;
  std::printf("%8s %14s\n", "frame", "resident MiB");
  for (long frame = 1; frame <= frames; ++frame) {
    KeepTenExplosions();
    // A new game now and then, so the tables are rebuilt too.
    if (frame % 2000 == 0) {
      platform::PostMessage(platform::CurrentWindow(), platform::WM_KEYDOWN, platform::VK_F1, 0);
    }
    RunUntilFrame();
    if (frame % 1000 == 0 || frame == frames) {
      last = ResidentKiB();
      highest = std::max(highest, last);
      if (frame == 2000) settled = last;
      std::printf("%8ld %14.2f\n", frame, last / 1024.0);
    }
  }
  const double peak = std::max(PeakResidentKiB(), highest) / 1024.0;
  const double growth = settled >= 0 ? (last - settled) / 1024.0 : 0.0;
  std::printf("Peak resident memory at the largest settings: %.2f MiB (limit 64 MiB)\n", peak);
  std::printf("Growth from frame 2000 to frame %ld: %+.2f MiB\n", frames, growth);
  const bool ok = peak <= 64.0 && growth <= 1.0;
  std::printf("%s\n", ok ? "memory check passed" : "memory check FAILED");
  ResetEverything();
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace kelmora

int main(int argc, char** argv) {
  std::string format = "console";
  long memoryFrames = 0;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--blit_digest") {
      kelmora::keepBlitDigest = true;
      continue;
    }
    if (argument.rfind("--memory_frames=", 0) == 0) {
      memoryFrames = std::strtol(argument.c_str() + 16, nullptr, 10);
      if (memoryFrames <= 0) {
        std::fprintf(stderr, "kelmora-bench: --memory_frames wants a number of frames\n");
        return 2;
      }
      continue;
    }
    if (argument.rfind("--benchmark_format=", 0) == 0) format = argument.substr(19);
    argv[kept++] = argv[i];
  }
  argc = kept;
  if (memoryFrames > 0) return kelmora::MemoryCheck(memoryFrames);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  std::unique_ptr<benchmark::BenchmarkReporter> inner;
  if (format == "json") {
    inner = std::make_unique<benchmark::JSONReporter>();
  } else {
    inner = std::make_unique<benchmark::ConsoleReporter>();
  }
  inner->SetOutputStream(&std::cout);
  inner->SetErrorStream(&std::cerr);
  kelmora::RatioReporter reporter(std::move(inner));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  // The ratios go where they do not spoil a machine-readable report.
  std::ostream& out = format == "console" ? std::cout : std::cerr;
  const auto& times = reporter.Times();
  const auto floor = times.find("BM_MemoryFloor");
  if (floor != times.end() && floor->second.cpu > 0 && floor->second.real > 0) {
    struct Target {
      const char* name;
      double limit;
    };
    const Target targets[] = {{"BM_FrameDefault", 4.0},     {"BM_FrameLargest", 25.0},
                              {"BM_Present", 6.0},          {"BM_StartUp", 0.0},
                              {"BM_TraceLineDefault", 0.0}, {"BM_TraceLineLargest", 0.0}};
    char line[200];
    std::snprintf(line, sizeof line,
                  "\nRatio to the memory floor (%.1f us CPU, %.1f us wall per pass)%s:\n",
                  floor->second.cpu / 1000.0, floor->second.real / 1000.0,
                  kelmora::keepBlitDigest ? ", blit digest kept" : "");
    out << line;
    std::snprintf(line, sizeof line, "  %-20s %10s %10s   %s\n", "", "CPU", "wall", "target (CPU)");
    out << line;
    for (const Target& target : targets) {
      const auto found = times.find(target.name);
      if (found == times.end()) continue;
      const double ratio = found->second.cpu / floor->second.cpu;
      const double wall = found->second.real / floor->second.real;
      if (target.limit > 0) {
        std::snprintf(line, sizeof line, "  %-20s %9.2fx %9.2fx   %gx: %s\n", target.name, ratio,
                      wall, target.limit, ratio <= target.limit ? "met" : "NOT met");
      } else {
        std::snprintf(line, sizeof line, "  %-20s %9.2fx %9.2fx\n", target.name, ratio, wall);
      }
      out << line;
    }
  }
  // What the trace adds to a tick: a traced frame against the same frame alone.
  for (const char* settings : {"Default", "Largest"}) {
    const auto frame = times.find(std::string("BM_Frame") + settings);
    const auto traced = times.find(std::string("BM_TracedFrame") + settings);
    if (frame == times.end() || traced == times.end() || frame->second.cpu <= 0) continue;
    const double ratio = traced->second.cpu / frame->second.cpu;
    char line[200];
    std::snprintf(line, sizeof line,
                  "A traced frame, %s settings: %.2fx the frame alone (CPU); "
                  "target 2x: %s\n",
                  settings[0] == 'D' ? "default" : "largest", ratio,
                  ratio <= 2.0 ? "met" : "NOT met");
    out << line;
  }
  char memory[200];
  if (kelmora::largestSettingsPeakKiB > 0) {
    std::snprintf(memory, sizeof memory,
                  "Peak resident memory at the largest settings: %.1f MiB (limit 64 MiB)\n",
                  kelmora::largestSettingsPeakKiB / 1024.0);
    out << memory;
  }
  std::snprintf(memory, sizeof memory,
                "Peak resident memory of this run, video driver included: %.1f MiB\n",
                kelmora::PeakResidentKiB() / 1024.0);
  out << memory;
  return 0;
}
