// Stand-in for the generated artwork, used only when the artwork generator is not in the tree.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kelmora::resources {

std::span<const std::uint8_t> FindBitmap(std::string_view name);

}  // namespace kelmora::resources
