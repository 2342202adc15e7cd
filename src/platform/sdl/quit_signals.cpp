#include "platform/sdl/quit_signals.h"

#include <SDL.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace kelmora::platform {

namespace {

std::atomic<int> quitSignal{0};
std::atomic<bool> boxUp{false};
std::atomic<bool> watching{false};
pid_t gameThread = 0;

// Guards the wake-up against SDL's events stopping meanwhile, and the processes that were there
// before the box.
std::mutex mutex;
bool eventsRunning = false;
std::vector<pid_t> childrenBefore;

sigset_t QuitSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGHUP);
  return set;
}

// The processes that the game has started and that still run (or await reaping): as the kernel
// lists the game thread's children, or else found among all processes by their parent.
std::vector<pid_t> GameChildren() {
  std::vector<pid_t> children;
  std::ifstream file("/proc/self/task/" + std::to_string(gameThread) + "/children");
  if (file) {
    long child = 0;
    while (file >> child) children.push_back(static_cast<pid_t>(child));
    return children;
  }
  const pid_t self = getpid();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    // "pid (command) state ppid ...": the command may hold spaces and parentheses.
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 1));
    std::string state;
    long parent = 0;
    if (rest >> state >> parent && parent == self) children.push_back(std::stoi(name));
  }
  return children;
}

// The box's process (the one started since the box was asked for) is ended; SDL then returns
// from the box as it does when the box's process ends.
void EndBox() {
  std::vector<pid_t> before;
  {
    const std::lock_guard<std::mutex> lock(mutex);
    before = childrenBefore;
  }
  for (pid_t child : GameChildren()) {
    if (std::find(before.begin(), before.end(), child) == before.end()) kill(child, SIGKILL);
  }
}

void Wake() {
  const std::lock_guard<std::mutex> lock(mutex);
  if (!eventsRunning) return;
  SDL_Event event{};
  event.type = SDL_USEREVENT;
  SDL_PushEvent(&event);
}

void Watch(sigset_t set) {
  for (;;) {
    int number = 0;
    if (sigwait(&set, &number) != 0) continue;
    quitSignal.store(number);
    Wake();
    // The box may not be up yet (its process not yet started): looked at until it is gone.
    while (boxUp.load()) {
      EndBox();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
}

}  // namespace

void WatchQuitSignals() {
  if (watching.exchange(true)) return;
  gameThread = static_cast<pid_t>(syscall(SYS_gettid));
  // SDL would otherwise put handlers of its own on SIGINT and SIGTERM.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  const sigset_t set = QuitSet();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  signal(SIGPIPE, SIG_IGN);
  std::thread(Watch, set).detach();
}

int QuitSignal() {
  return quitSignal.load();
}

void BoxShowing() {
  {
    const std::lock_guard<std::mutex> lock(mutex);
    childrenBefore = watching.load() ? GameChildren() : std::vector<pid_t>{};
  }
  // Set before the caller looks at QuitSignal, and the watcher looks at it after it set the
  // signal: either the box is not shown, or the watcher ends it.
  boxUp.store(true);
}

void BoxShown() {
  boxUp.store(false);
}

void SetEventsRunning(bool running) {
  const std::lock_guard<std::mutex> lock(mutex);
  eventsRunning = running;
}

void ForgetQuitSignal() {
  quitSignal.store(0);
}

}  // namespace kelmora::platform
