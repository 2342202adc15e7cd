// kelmora-bench: the costs of a frame, side by side with the least any frame must cost.
//
// BM_MemoryFloor is the floor: the three full-screen passes every frame makes (a fill, a copy and
// a fill of 640x480 bytes). The other figures are read as multiples of it, printed after the
// benchmarks, so that they compare from machine to machine.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "bench/present.h"
#include "effects/explosions.h"
#include "game/frame.h"
#include "game/state.h"
#include "input/input.h"
#include "platform/backend.h"
#include "platform/faults.h"
#include "platform/headless/headless_backend.h"
#include "platform/window.h"

namespace kelmora {
namespace {

constexpr std::size_t kScreenBytes = 640 * 480;

void ResetEverything() {
  platform::InstallBackend(nullptr);
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
  platform::Headless().SetClock(12345);
  if (!StartUp()) std::abort();
  platform::PostMessage(platform::CurrentWindow(), platform::WM_KEYDOWN, platform::VK_F1, 0);
  platform::Headless().SetKey(platform::DIK_SPACE, true);
  for (int i = 0; i < 600; ++i) RunUntilFrame();
}

void KeepTenExplosions() {
  for (const auto& explosion : effects.explosionRing) {
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
    PollKeyboard();
    GameFrame();
  }
}
BENCHMARK(BM_FrameDefault);

void BM_FrameLargest(benchmark::State& state) {
  StartGameInPlay(true);
  for (auto _ : state) {
    state.PauseTiming();
    KeepTenExplosions();
    state.ResumeTiming();
    PollKeyboard();
    GameFrame();
  }
}
BENCHMARK(BM_FrameLargest);

void BM_Present(benchmark::State& state) {
  auto target = bench::OpenPresentTarget();
  if (!target) {
    state.SkipWithError("no offscreen video driver");
    return;
  }
  std::vector<std::uint8_t> frame(kScreenBytes);
  for (std::size_t i = 0; i < frame.size(); ++i)
    frame[i] = static_cast<std::uint8_t>(i * 7 + i / 640);
  platform::PaletteTable palette{};
  for (int i = 0; i < 256; ++i) {
    palette[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i),
                                            static_cast<std::uint8_t>(255 - i),
                                            static_cast<std::uint8_t>(i * 3), 0};
  }
  for (auto _ : state) {
    target->Convert(frame.data(), 640, palette);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Present);

void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    ResetEverything();
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
  explicit RatioReporter(std::unique_ptr<benchmark::BenchmarkReporter> inner)
      : inner_(std::move(inner)) {}
  bool ReportContext(const Context& context) override { return inner_->ReportContext(context); }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        times_[run.benchmark_name()] = run.GetAdjustedRealTime();
      }
    }
    inner_->ReportRuns(runs);
  }
  void Finalize() override { inner_->Finalize(); }
  const std::map<std::string, double>& Times() const { return times_; }

 private:
  std::unique_ptr<benchmark::BenchmarkReporter> inner_;
  std::map<std::string, double> times_;
};

long PeakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace
}  // namespace kelmora

int main(int argc, char** argv) {
  std::string format = "console";
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.rfind("--benchmark_format=", 0) == 0) format = argument.substr(19);
  }
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
  if (floor != times.end() && floor->second > 0) {
    struct Target {
      const char* name;
      double limit;
    };
    const Target targets[] = {{"BM_FrameDefault", 4.0},
                              {"BM_FrameLargest", 25.0},
                              {"BM_Present", 6.0},
                              {"BM_StartUp", 0.0}};
    out << "\nRatio to the memory floor (" << floor->second << " per pass):\n";
    for (const Target& target : targets) {
      const auto found = times.find(target.name);
      if (found == times.end()) continue;
      char line[160];
      const double ratio = found->second / floor->second;
      if (target.limit > 0) {
        std::snprintf(line, sizeof line, "  %-16s %9.2fx   (target %gx: %s)\n", target.name, ratio,
                      target.limit, ratio <= target.limit ? "met" : "NOT met");
      } else {
        std::snprintf(line, sizeof line, "  %-16s %9.2fx\n", target.name, ratio);
      }
      out << line;
    }
  }
  out << "Peak resident memory: " << kelmora::PeakResidentKiB() / 1024.0 << " MiB\n";
  return 0;
}
