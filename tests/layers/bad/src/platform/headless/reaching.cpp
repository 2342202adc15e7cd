// A backend that reaches into the game.
#include "platform/backend.h"
#include "state/state.h"
