// The main menu, the options panel and the exit dialog, shown while the player's ship is not
// alive.
#pragma once

#include <cstdint>

namespace kelmora {

void MenuFrame();

// Whether (x, y) lies on a button of a shown panel (the value rows are no buttons): where a left
// click does something.
bool OnMenuButton(bool mainMenuShown, bool optionsShown, bool exitDialogShown, std::int32_t x,
                  std::int32_t y);

}  // namespace kelmora
