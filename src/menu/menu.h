// The main menu, the options panel and the exit dialog, shown while the player's ship is not
// alive.
#pragma once

namespace kelmora {

void MenuFrame();

}  // namespace kelmora
