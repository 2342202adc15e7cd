// The state trace: one compact JSON object per tick with every piece of game state the runner
// and the game's --trace option report.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelmora::platform {
class Surface;
}

namespace kelmora {

// The trace line of `tick` (without its newline), read from the game's records as they stand.
// `frameRan`: whether a GameFrame ran in this tick (otherwise the blit list is empty).
// `boxes`: the message boxes shown during the tick, as (caption, text).
// `exitStatus`: set on the tick in which the program ended.
std::string TraceLine(std::int64_t tick, bool frameRan,
                      const std::vector<std::pair<std::string, std::string>>& boxes,
                      std::optional<int> exitStatus);

// A float as the trace writes it: the shortest decimal that reads back as the same float.
std::string TraceFloat(float value);
// A JSON string literal, quotes included.
std::string TraceString(std::string_view text);
// The digest of a 640x480 surface's bytes, row by row without the pitch padding; the digest of
// nothing when there is no surface.
std::uint64_t SurfaceHash(const platform::Surface* surface);
// The digests of two surfaces, each as SurfaceHash gives it, worked out side by side.
std::array<std::uint64_t, 2> SurfaceHashes(const platform::Surface* first,
                                           const platform::Surface* second);

}  // namespace kelmora
