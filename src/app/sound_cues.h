// What the game sounds like, worked out by watching it: after each frame the state that matters
// for sound is set beside the previous frame's, and every change that makes a sound becomes a
// cue (a shot ring slot newly used, an explosion newly made, a missile launched or ended, a
// pickup taken by the player, the player's ship destroyed, a click on a menu button). The game
// itself never calls any of this, and nothing here writes to the game.
#pragma once

#include <cstdint>
#include <vector>

#include "app/sound_effects.h"

namespace kelmora {

// How far from the view's centre, in world units, a sound can still be heard, and the gain of a
// sound at a distance: full at the centre, falling with the square of the distance's share of
// the reach, silent at the reach and beyond.
inline constexpr double kSoundReach = 900.0;
float GainAtDistance(double dx, double dy);
// Left (-1) to right (1) by the place on the screen, dx world units from its centre: the screen's
// edges are fully on one side.
float PanAt(double dx);

struct SoundCue {
  SoundEffect effect = SoundEffect::kCount;
  float gain = 0.0f;
  float pan = 0.0f;
  friend bool operator==(const SoundCue&, const SoundCue&) = default;
};

class SoundObserver {
 public:
  // The cues of the tick that just ended (`frameRan`: a frame ran in it), at most one per effect
  // (the loudest), so that a dozen drones firing at once sound as one volley. The first call
  // only takes its look.
  std::vector<SoundCue> Observe(bool frameRan);
  // Forgets what it saw; the next Observe only looks.
  void Reset() { seen_ = false; }

 private:
  struct ShipSeen {
    const void* record = nullptr;  // identity only: a replaced drone has a new record
    std::int16_t x = 0;
    std::int16_t y = 0;
  };
  struct MissileSeen {
    std::uint8_t active = 0;
    float x = 0.0f;
    float y = 0.0f;
  };
  struct PickupSeen {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t kind = 0;
  };

  void Take();

  bool seen_ = false;
  std::uint32_t generation_ = 0;
  std::int32_t shotNext_ = 0;
  std::int32_t missileNext_ = 0;
  std::vector<ShipSeen> ships_;
  std::vector<MissileSeen> missiles_;
  std::vector<std::uint64_t> explosions_;  // each slot's explosion serial, 0 when empty
  std::vector<PickupSeen> pickups_;
  bool playerAlive_ = false;
  bool mainMenu_ = false;
  bool options_ = false;
  bool exitDialog_ = false;
};

}  // namespace kelmora
