#include "display/sprites.h"

namespace kelmora {

void BlitSprite(const Rect&, const Rect&, platform::Surface*, std::uint32_t) {}
void DrawText(std::int32_t, std::int32_t, const char*, std::int32_t) {}
void DrawScore() {}
void DrawMissileIcons() {}

}  // namespace kelmora
