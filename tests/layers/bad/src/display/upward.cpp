// Draws with what only the game knows.
#include "display/pixels.h"
#include "game/world.h"
