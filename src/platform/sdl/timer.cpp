#include "platform/sdl/timer.h"

#include <thread>

namespace kelmora::platform {

namespace {

// A vertical-blank wait that returns this much before the frame's slot was not a real wait.
constexpr FramePacer::Clock::duration kVsyncSlack = std::chrono::milliseconds(4);

}  // namespace

FramePacer::Clock::duration FramePacer::Plan(Clock::time_point now) {
  if (!started_) {
    started_ = true;
    next_ = now + kPeriod;
    return Clock::duration::zero();
  }
  Clock::duration sleep = Clock::duration::zero();
  Clock::time_point base = next_;
  if (vsync_) {
    // The flip waited for the blank: follow the display's own rhythm.
    if (now < next_ - kVsyncSlack) {
      sleep = next_ - now;
    } else if (now > next_) {
      base = now;
    }
  } else if (now < next_) {
    sleep = next_ - now;
  } else if (now > next_ + kPeriod) {
    // More than a frame late (the game was held up): start again from now, no burst to catch up.
    base = now;
  }
  next_ = base + kPeriod;
  return sleep;
}

void FramePacer::AfterFlip() {
  const Clock::duration sleep = Plan(Clock::now());
  if (sleep > Clock::duration::zero()) std::this_thread::sleep_for(sleep);
}

}  // namespace kelmora::platform
