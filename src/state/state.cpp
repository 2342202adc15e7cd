#include "state/state.h"

namespace kelmora {

// Defined in this order: the missile trails built by `effectState` read `settings`.
RandomGenerator rng;
GameSettings settings;
World world;
Controls controls;
Weapons weapons;
Effects effectState;
MenuState menuState;
InputState inputState;
Display displayObjects;
AppState appState;
FrameRecord frameRecord;

TrailSystem::TrailSystem(std::int32_t particles)
    : count(particles),
      x(static_cast<std::size_t>(particles)),
      y(static_cast<std::size_t>(particles)),
      speed(static_cast<std::size_t>(particles)),
      colour(static_cast<std::size_t>(particles)),
      age(static_cast<std::size_t>(particles)) {}

TrailSystem::~TrailSystem() = default;

Effects::Effects() {
  for (auto& trail : missileTrails) trail = std::make_unique<TrailSystem>(settings.trailParticles);
}

void ResetGameState() {
  rng = RandomGenerator{};
  settings = GameSettings{};
  world = World{};
  controls = Controls{};
  weapons = Weapons{};
  effectState = Effects{};
  menuState = MenuState{};
  inputState = InputState{};
  displayObjects = Display{};
  appState = AppState{};
  frameRecord = FrameRecord{};
}

}  // namespace kelmora
