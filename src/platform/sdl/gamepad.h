// Game controllers through SDL: their buttons and sticks go through the mapping that every
// backend shares.
#pragma once

#include "platform/pad_mapping.h"
