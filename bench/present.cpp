#include "bench/present.h"

#include <SDL.h>

#include <cstdlib>

namespace kelmora::bench {

namespace {

class SdlPresentTarget final : public PresentTarget {
 public:
  ~SdlPresentTarget() override {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  bool Open() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    window_ = SDL_CreateWindow("bench", 0, 0, 640, 480, SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) return false;
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) return false;
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 640, 480);
    return texture_ != nullptr;
  }

  void Convert(const std::uint8_t* pixels, std::int32_t pitch,
               const platform::PaletteTable& palette) override {
    std::uint32_t lookup[256];
    for (int i = 0; i < 256; ++i) {
      const auto& e = palette[static_cast<std::size_t>(i)];
      lookup[i] = 0xFF000000u | (static_cast<std::uint32_t>(e.red) << 16) |
                  (static_cast<std::uint32_t>(e.green) << 8) | e.blue;
    }
    void* memory = nullptr;
    int texturePitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &memory, &texturePitch) != 0) return;
    for (int y = 0; y < 480; ++y) {
      const std::uint8_t* source = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
      auto* target = reinterpret_cast<std::uint32_t*>(
          static_cast<std::uint8_t*>(memory) + static_cast<std::ptrdiff_t>(y) * texturePitch);
      for (int x = 0; x < 640; ++x) target[x] = lookup[source[x]];
    }
    SDL_UnlockTexture(texture_);
  }

 private:
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
};

}  // namespace

std::unique_ptr<PresentTarget> OpenPresentTarget() {
  auto target = std::make_unique<SdlPresentTarget>();
  if (!target->Open()) return nullptr;
  return target;
}

}  // namespace kelmora::bench
