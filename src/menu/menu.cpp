#include "menu/menu.h"

namespace kelmora {

void MenuFrame() {}

}  // namespace kelmora
