// One frame: one simulation step and one displayed frame.
#pragma once

namespace kelmora {

void GameFrame();

}  // namespace kelmora
