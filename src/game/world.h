// Building a game: the ship table, the drones, the trails and the pickups.
#pragma once

#include <cstdint>

#include "state/state.h"

namespace kelmora {

// shipCount = droneCount + humanCount.
void ComputeShipCount();
// Resets the player's heading, fire toggle and view, and builds the ships, trails and pickups of
// a new game, with its random draws in order.
void NewGame();
// Start-up's first game: NewGame, then the player's ship is taken out of play (not alive, speed
// 0), so the program opens on the main menu over the drones' fight.
void FirstSetup();
// Gives a drone its starting values in slot `slot`, drawing y and then x (two draws).
void InitDrone(DroneShip& drone, std::int32_t slot);

}  // namespace kelmora
