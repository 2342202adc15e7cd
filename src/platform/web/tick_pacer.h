// The page's pace: the display's refreshes drive the game at a fixed 60 ticks a second, whatever
// their own rate (60, 120, 144 Hz or a slow 30), with no burst of ticks after a stall (a busy
// machine, a tab brought back): what is lost is lost, and the game goes on from there.
#pragma once

namespace kelmora::platform {

class TickPacer {
 public:
  static constexpr double kTickMilliseconds = 1000.0 / 60.0;
  // A refresh may come this early and still run the tick that is due.
  static constexpr double kEarlyMilliseconds = 2.0;
  // Never more ticks than this at one refresh.
  static constexpr int kMostTicksPerRefresh = 2;

  // The ticks to run at a refresh at `now` (milliseconds of a steady clock).
  int TicksAt(double now) {
    if (!started_) {
      started_ = true;
      next_ = now;
    }
    int ticks = 0;
    while (ticks < kMostTicksPerRefresh && next_ - kEarlyMilliseconds <= now) {
      ++ticks;
      next_ += kTickMilliseconds;
    }
    // Still behind after that: the time in between is let go.
    if (now - next_ > kTickMilliseconds) next_ = now + kTickMilliseconds;
    return ticks;
  }

 private:
  bool started_ = false;
  double next_ = 0.0;  // when the next tick is due
};

}  // namespace kelmora::platform
