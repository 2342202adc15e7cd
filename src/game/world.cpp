#include "game/world.h"

#include <utility>

#include "effects/trails.h"
#include "game/pickups.h"
#include "platform/alloc.h"
#include "state/state.h"

namespace kelmora {

void ComputeShipCount() {
  world.shipCount = static_cast<std::int32_t>(settings.droneCount) + settings.humanCount;
}

void InitDrone(DroneShip& drone, std::int32_t slot) {
  drone.alive = 0;
  drone.score = 0;
  // The first draw places the drone's y, the second its x: each in -16384..16382.
  drone.y = Wrap16(rng.Draw() % 32767 - 16384);
  drone.x = Wrap16(rng.Draw() % 32767 - 16384);
  drone.heading = 0.0f;
  drone.speed = 1;
  drone.firing = 0;
  drone.launchMissile = 0;
  drone.missiles = 10;
  drone.name = kDroneName;
  drone.shield = 10;
  drone.index = static_cast<std::uint8_t>(slot);
  drone.power = 1;
  drone.target = -1;
  drone.alive = 1;
}

void NewGame() {
  controls.playerHeading = 0.0f;
  controls.fireToggle = 0;
  controls.cameraX = 0;
  controls.cameraY = 0;

  // The new table is built aside and then replaces the old one, so a game that cannot be built
  // leaves no half-filled table behind.
  std::vector<std::unique_ptr<Ship>> table;
  table.reserve(static_cast<std::size_t>(world.shipCount > 0 ? world.shipCount : 0));
  for (std::int32_t i = 0; i < settings.humanCount && i < world.shipCount; ++i) {
    auto player = NewRecord<PlayerShip>();
    player->x = 0;
    player->y = 0;
    player->heading = 0.0f;
    player->speed = 0;
    player->firing = 0;
    player->launchMissile = 0;
    player->missiles = 10;
    player->name = kPlayerName;
    player->shield = 100;
    player->index = static_cast<std::uint8_t>(i);
    player->power = 1;
    player->target = -1;
    player->score = 0;
    player->alive = 1;
    table.push_back(std::move(player));
  }
  for (std::int32_t i = settings.humanCount; i < world.shipCount; ++i) {
    auto drone = NewRecord<DroneShip>();
    InitDrone(*drone, i);
    table.push_back(std::move(drone));
  }
  // The new exhaust trails are made before anything of the old game goes, so that ships and
  // trails are replaced together or not at all.
  auto trails = MakeExhaustTrails(world.shipCount);
  world.shipTable = std::move(table);
  ++world.generation;

  ResetTrails(std::move(trails));
  BuildPickups();
}

void FirstSetup() {
  NewGame();
  Ship& player = PlayerShipRecord();
  player.alive = 0;
  player.speed = 0;
}

}  // namespace kelmora
