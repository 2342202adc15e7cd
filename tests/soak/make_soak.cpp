// make_soak: writes an input script of long random play for kelmora-headless.
//
//   make_soak [--seed N] [--ticks N]      (the script goes to standard output)
//
// The same seed and length always give the same script. The session opens on the main menu
// (the player's ship is out of play at start-up) and uses it the way a player would: a look at
// the exit dialog, an options visit undone with Cancel, then every option pushed to its largest
// value (and the Enemy Number first down to its smallest) and kept with Ok, and New Game. From
// then on it plays: turning, thrust changes, firing, missiles, pauses, new games with F1,
// mouse visits to the menus whenever the player may have been shot down, now and then a
// display that is busy or lost, the window losing and regaining the focus. Escape ends it on
// the last tick.
//
// The menu reads the mouse only while the player's ship is out of play, and motion adds up
// until the next read; the script never moves the cursor outside the screen, so no clamp ever
// acts and the cursor stands wherever the script last moved it whenever the menu looks. The
// cursor never rests on the exit dialog's Yes button, so a click can never end the session
// early.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// splitmix64: small, and the same sequence on every compiler.
struct Random {
  std::uint64_t state;
  std::uint64_t Next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A whole number from lo to hi, both included.
  std::int64_t Between(std::int64_t lo, std::int64_t hi) {
    return lo + static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool Chance(int percentTimesTen) { return Between(0, 999) < percentTimesTen; }
};

struct Point {
  int x;
  int y;
};

// Points strictly inside each of the menu's hot areas.
constexpr Point kNewGame{320, 220};
constexpr Point kOptions{320, 240};
constexpr Point kExit{320, 258};
constexpr Point kCheckBox{388, 200};
constexpr Point kEnemyNumber{388, 219};
constexpr Point kParticleNumber{388, 238};
constexpr Point kPowerUpNumber{388, 257};
constexpr Point kOk{270, 280};
constexpr Point kCancel{370, 280};
constexpr Point kNo{400, 250};

bool OnYesButton(Point p) {
  return p.x > 200 && p.x < 271 && p.y > 241 && p.y < 258;
}

class Script {
 public:
  void Add(std::int64_t tick, const std::string& line) { lines_[tick].push_back(line); }
  void Write(std::FILE* out) const {
    for (const auto& [tick, lines] : lines_) {
      for (const std::string& line : lines)
        std::fprintf(out, "%lld %s\n", (long long)tick, line.c_str());
    }
  }

 private:
  std::map<std::int64_t, std::vector<std::string>> lines_;
};

// The mouse: moves like a hand, one step a tick, and clicks and holds buttons.
class Mouse {
 public:
  Mouse(Script* script, Random* random) : script_(script), random_(random) {}

  std::int64_t Now() const { return now_; }
  void Wait(std::int64_t ticks) { now_ += ticks; }
  void StartAt(std::int64_t tick) { now_ = std::max(now_, tick); }

  void MoveTo(Point target) {
    while (at_.x != target.x || at_.y != target.y) {
      const int reach = static_cast<int>(random_->Between(8, 40));
      Point next{Step(at_.x, target.x, reach), Step(at_.y, target.y, reach)};
      // Never rest on Yes: jump over it on the way.
      if (OnYesButton(next)) next.y = target.y > at_.y ? 258 : 241;
      Motion(next);
    }
    Wait(1);
  }

  // A left click: the button held for a few frames and let go over the same place.
  void Click() {
    Check(!OnYesButton(at_), "a click on Yes");
    const std::int64_t held = random_->Between(1, 4);
    script_->Add(now_, "button 0 down");
    script_->Add(now_ + held, "button 0 up");
    now_ += held + 1;
  }

  // Holds the left (0), right (1) or both (2) buttons for `ticks` frames over a value.
  void Hold(int which, std::int64_t ticks) {
    Check(!OnYesButton(at_), "a hold on Yes");
    const bool left = which != 1;
    const bool right = which != 0;
    if (left) script_->Add(now_, "button 0 down");
    if (right) script_->Add(now_, "button 1 down");
    if (left) script_->Add(now_ + ticks, "button 0 up");
    if (right) script_->Add(now_ + ticks, "button 1 up");
    now_ += ticks + 1;
  }

 private:
  static int Step(int from, int to, int reach) {
    if (to > from) return std::min(to, from + reach);
    return std::max(to, from - reach);
  }
  static void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "make_soak: %s\n", what);
    std::exit(1);
  }

  void Motion(Point next) {
    Check(next.x >= 0 && next.x <= 640 && next.y >= 0 && next.y <= 480, "cursor off the screen");
    script_->Add(now_,
                 "mouse " + std::to_string(next.x - at_.x) + " " + std::to_string(next.y - at_.y));
    at_ = next;
    ++now_;
  }

  Script* script_;
  Random* random_;
  std::int64_t now_ = 1;
  Point at_{320, 240};  // where the cursor starts
};

// The opening menu session; returns the tick of the New Game click's release.
std::int64_t OpenOnTheMenu(Mouse& mouse) {
  mouse.Wait(30);
  // A look at the exit dialog, and back.
  mouse.MoveTo(kExit);
  mouse.Click();
  mouse.MoveTo(kNo);
  mouse.Click();
  // Options changed and undone with Cancel.
  mouse.MoveTo(kOptions);
  mouse.Click();
  mouse.MoveTo(kCheckBox);
  mouse.Click();
  mouse.MoveTo(kEnemyNumber);
  mouse.Hold(1, 20);  // 12 down to its smallest, 1, and held there
  mouse.MoveTo(kPowerUpNumber);
  mouse.Hold(1, 200);  // 250 down to its smallest, 100
  mouse.MoveTo(kCancel);
  mouse.Click();
  // Every option to its largest value, kept with Ok.
  mouse.MoveTo(kOptions);
  mouse.Click();
  mouse.MoveTo(kCheckBox);
  mouse.Click();
  mouse.MoveTo(kEnemyNumber);
  mouse.Hold(1, 20);   // down to 1
  mouse.Hold(0, 140);  // up to 125, and held there
  mouse.MoveTo(kParticleNumber);
  mouse.Hold(2, 10);    // both buttons: up
  mouse.Hold(0, 4310);  // to 5000, and held there
  mouse.MoveTo(kPowerUpNumber);
  mouse.Hold(0, 1270);  // 250 to 1500, and held there
  mouse.MoveTo(kOk);
  mouse.Click();
  mouse.Wait(5);
  mouse.MoveTo(kNewGame);
  mouse.Click();
  return mouse.Now();
}

// A visit to the menus during play: it acts only if the player's ship is out of play then.
void VisitMenus(Mouse& mouse, Random& random) {
  static constexpr Point kClickable[] = {kNewGame, kOptions, kExit, kCheckBox, kOk, kCancel, kNo};
  static constexpr Point kValues[] = {kEnemyNumber, kParticleNumber, kPowerUpNumber};
  const int visits = static_cast<int>(random.Between(1, 4));
  for (int i = 0; i < visits; ++i) {
    if (random.Chance(300)) {
      mouse.MoveTo(kValues[random.Between(0, 2)]);
      mouse.Hold(static_cast<int>(random.Between(0, 2)), random.Between(2, 250));
    } else {
      mouse.MoveTo(kClickable[random.Between(0, 6)]);
      mouse.Click();
    }
    mouse.Wait(random.Between(2, 30));
  }
  // Sometimes the cursor wanders off to a corner of the screen.
  if (random.Chance(200)) {
    mouse.MoveTo(Point{static_cast<int>(random.Between(0, 1)) * 640,
                       static_cast<int>(random.Between(0, 1)) * 480});
  }
}

// A key that the keyboard device reports down from one tick and up from a later one.
void Tap(Script& script, std::int64_t tick, const char* key, std::int64_t held) {
  script.Add(tick, std::string("key ") + key + " down");
  script.Add(tick + held, std::string("key ") + key + " up");
}

void Usage() {
  std::fprintf(stderr, "usage: make_soak [--seed N] [--ticks N]   (script on standard output)\n");
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t seed = 1;
  std::int64_t ticks = 20000;
  for (int i = 1; i < argc; ++i) {
    if (i + 1 >= argc) Usage();
    char* end = nullptr;
    const unsigned long long value = std::strtoull(argv[i + 1], &end, 10);
    if (end == argv[i + 1] || *end != '\0') Usage();
    if (std::strcmp(argv[i], "--seed") == 0) {
      if (value > 0xFFFFFFFFull) Usage();  // the game's seed is 32 bits
      seed = value;
    } else if (std::strcmp(argv[i], "--ticks") == 0) {
      ticks = static_cast<std::int64_t>(value);
    } else {
      Usage();
    }
    ++i;
  }

  Random random{seed};
  Script script;
  Mouse mouse(&script, &random);
  const std::int64_t playFrom = OpenOnTheMenu(mouse) + 1;
  // The last few ticks are left quiet, so that every key is up when Escape comes.
  const std::int64_t last = ticks;
  const std::int64_t quietFrom = last - 300;
  if (quietFrom <= playFrom + 2500) {
    std::fprintf(stderr, "make_soak: --ticks must be above %lld\n",
                 static_cast<long long>(playFrom + 2800));
    return 2;
  }

  // The mouse keeps visiting the menus, in case the player has been shot down.
  mouse.StartAt(playFrom + random.Between(100, 400));
  while (mouse.Now() < quietFrom - 2000) {
    VisitMenus(mouse, random);
    mouse.Wait(random.Between(50, 500));
  }

  // The keyboard, tick by tick. Each key is either free or held until a known tick.
  struct Key {
    const char* name;
    std::int64_t busyUntil;
  };
  Key left{"LEFT", 0}, right{"RIGHT", 0}, up{"UP", 0}, down{"DOWN", 0}, space{"SPACE", 0},
      alt{"LMENU", 0}, pause{"P", 0};
  bool paused = false;
  // New games with F1 are rare enough that the player is shot down now and then.
  std::int64_t nextNewGame = playFrom + random.Between(3000, 6000);
  std::int64_t nextFault = playFrom + random.Between(200, 1500);
  std::int64_t nextFocusLoss = playFrom + random.Between(2000, 6000);
  std::int64_t inactiveUntil = 0;
  auto idle = [](const Key& key, std::int64_t t) { return key.busyUntil < t; };
  auto hold = [&](Key& key, std::int64_t t, std::int64_t held) {
    Tap(script, t, key.name, held);
    key.busyUntil = t + held;
  };
  for (std::int64_t t = playFrom; t < quietFrom; ++t) {
    // While the window is inactive no frame runs: nothing is pressed then.
    if (t <= inactiveUntil + 2) continue;
    if (t >= nextFocusLoss && quietFrom - t > 200) {
      const std::int64_t away = random.Between(5, 60);
      script.Add(t, "activate 0");
      script.Add(t + away, "activate 1");
      inactiveUntil = t + away;
      nextFocusLoss = t + random.Between(3000, 9000);
      continue;
    }
    // Turning: held for a while, one step every other frame.
    if (idle(left, t) && idle(right, t) && random.Chance(40)) {
      hold(random.Chance(500) ? left : right, t, random.Between(1, 40));
    }
    // Thrust: changes on release. Mostly slow: a fast ship sweeps up so many shield pickups
    // that it is hardly ever shot down, and the menus need a player who is.
    if (idle(up, t) && idle(down, t) && random.Chance(15)) {
      hold(random.Chance(350) ? up : down, t, random.Between(1, 5));
    }
    // Firing: held, and let go.
    if (idle(space, t) && random.Chance(12)) hold(space, t, random.Between(5, 250));
    // Missiles: launched on release.
    if (idle(alt, t) && random.Chance(6)) hold(alt, t, random.Between(1, 6));
    // Pause, and always a resume some time later.
    if (idle(pause, t) && (paused ? random.Chance(30) : random.Chance(1))) {
      hold(pause, t, random.Between(2, 6));
      paused = !paused;
    }
    if (t >= nextNewGame) {
      script.Add(t, "vk F1");
      nextNewGame = t + random.Between(3000, 6000);
    }
    if (t >= nextFault) {
      switch (random.Between(0, 3)) {
        case 0:
          script.Add(t, "fail flip-lost");
          break;
        case 1:
          script.Add(t, "fail flip-busy " + std::to_string(random.Between(1, 3)));
          break;
        case 2:
          script.Add(t, "fail blit-busy " + std::to_string(random.Between(1, 5)));
          break;
        default:
          script.Add(t, "fail lock");
          break;
      }
      nextFault = t + random.Between(300, 1500);
    }
  }
  if (paused) Tap(script, quietFrom, "P", 2);
  script.Add(last, "press ESCAPE");

  std::printf("seed %llu\n", static_cast<unsigned long long>(seed));
  std::printf("# Random play: make_soak --seed %llu --ticks %lld\n",
              static_cast<unsigned long long>(seed), static_cast<long long>(ticks));
  std::printf("# New Game with the largest options clicked by tick %lld\n",
              static_cast<long long>(playFrom - 1));
  script.Write(stdout);
  return 0;
}
