#include "bench/present.h"

#include <SDL.h>

#include <cstdlib>

#include "platform/sdl/present_convert.h"

namespace kelmora::bench {

namespace {

class SdlPresentTarget final : public PresentTarget {
 public:
  SdlPresentTarget() : pairs_(platform::kPixelPairCount) {}
  ~SdlPresentTarget() override {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    if (videoOpen_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  bool Open(const char* driver) {
    setenv("SDL_VIDEODRIVER", driver, 1);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    videoOpen_ = true;
    window_ = SDL_CreateWindow("kelmora-bench", 0, 0, platform::kScreenWidth,
                               platform::kScreenHeight, SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) return false;
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) return false;
    // The same texture as the backend's screen.
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 platform::kScreenWidth, platform::kScreenHeight);
    return texture_ != nullptr;
  }

  bool Present(const std::uint8_t* pixels, std::int32_t pitch,
               const platform::PaletteTable& palette) override {
    if (!pairsBuilt_ || palette != pairPalette_) {
      platform::BuildPixelPairTable(palette, pairs_.data());
      pairPalette_ = palette;
      pairsBuilt_ = true;
    }
    void* memory = nullptr;
    int texturePitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &memory, &texturePitch) != 0) return false;
    platform::ConvertFrame(pixels, pitch, platform::kScreenWidth, platform::kScreenHeight,
                           pairs_.data(), memory, texturePitch);
    SDL_UnlockTexture(texture_);
    return true;
  }

 private:
  std::vector<std::uint64_t> pairs_;
  platform::PaletteTable pairPalette_{};
  bool pairsBuilt_ = false;
  bool videoOpen_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
};

}  // namespace

std::unique_ptr<PresentTarget> OpenPresentTarget() {
  for (const char* driver : {"offscreen", "dummy"}) {
    auto target = std::make_unique<SdlPresentTarget>();
    if (target->Open(driver)) return target;
  }
  return nullptr;
}

}  // namespace kelmora::bench
