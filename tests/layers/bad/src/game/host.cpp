// Game code on SDL.
#include <SDL.h>

#include "platform/headless/headless_backend.h"
