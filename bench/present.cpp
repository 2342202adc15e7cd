#include "bench/present.h"

#include <SDL.h>

#include <cstdlib>
#include <vector>

#include "platform/sdl/present_convert.h"

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

  // The backend's own present path: the pixel-pair table, rebuilt only when the palette changes,
  // and the frame converted straight into the locked texture.
  void Convert(const std::uint8_t* pixels, std::int32_t pitch,
               const platform::PaletteTable& palette) override {
    if (!pairsBuilt_ || palette != pairPalette_) {
      platform::BuildPixelPairTable(palette, pairs_.data());
      pairPalette_ = palette;
      pairsBuilt_ = true;
    }
    void* memory = nullptr;
    int texturePitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &memory, &texturePitch) != 0) return;
    platform::ConvertFrame(pixels, pitch, platform::kScreenWidth, platform::kScreenHeight,
                           pairs_.data(), memory, texturePitch);
    SDL_UnlockTexture(texture_);
  }

 private:
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::vector<std::uint64_t> pairs_ = std::vector<std::uint64_t>(platform::kPixelPairCount);
  platform::PaletteTable pairPalette_{};
  bool pairsBuilt_ = false;
};

}  // namespace

std::unique_ptr<PresentTarget> OpenPresentTarget() {
  auto target = std::make_unique<SdlPresentTarget>();
  if (!target->Open()) return nullptr;
  return target;
}

}  // namespace kelmora::bench
