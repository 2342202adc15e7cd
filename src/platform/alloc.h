// Game records that are made during play (explosions, replacement drones, trails, pickups) come
// from here. When memory cannot be had the game must stop cleanly rather than leave a half-built
// record or an empty slot behind, so the failure travels up as an exception that the main loop
// turns into a message box and exit status 1.
#pragma once

#include <memory>
#include <new>
#include <utility>

#include "platform/faults.h"

namespace kelmora {

template <class T, class... Args>
std::unique_ptr<T> NewRecord(Args&&... args) {
  if (platform::ConsumeFault(platform::Fault::kAllocation)) throw std::bad_alloc();
  return std::make_unique<T>(std::forward<Args>(args)...);
}

}  // namespace kelmora
