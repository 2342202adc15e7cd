// The pace of the game: one flip every 1/60 s, whatever the monitor's refresh rate. On a 60 Hz
// display the flip waits for the vertical blank and the timer only steps in when it did not; on
// any other display the timer sleeps until the frame's slot has come.
#pragma once

#include <chrono>

namespace kelmora::platform {

class FramePacer {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr Clock::duration kPeriod =
      std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(16'666'667));

  // Whether the flip itself waits for a 60 Hz vertical blank.
  void SetVsync(bool vsync) { vsync_ = vsync; }
  // Starts afresh, as after a pause: the next flip is not held back.
  void Reset() { started_ = false; }

  // Called right after each flip: sleeps (never spins) until that frame's slot is over.
  void AfterFlip();
  // How long to sleep after a flip seen at `now`; moves the deadline on by one frame.
  Clock::duration Plan(Clock::time_point now);

 private:
  bool vsync_ = false;
  bool started_ = false;
  Clock::time_point next_{};
};

}  // namespace kelmora::platform
