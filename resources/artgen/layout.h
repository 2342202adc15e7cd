// The generator draws into the cells and panels the game reads (resources/layout.h).
#pragma once

#include "resources/layout.h"

namespace kelmora::artgen {

using namespace kelmora::layout;

}  // namespace kelmora::artgen
