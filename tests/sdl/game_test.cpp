// The real game on the SDL backend (dummy video driver): a reset render device sends it down its
// restore path, and every start-up step that fails ends it with its message and status 1.
#include <gtest/gtest.h>

#include <algorithm>

#include "sdl_fixture.h"
#include "state/state.h"

namespace kelmora::testing {
namespace {

class SdlGameTest : public SdlTest {
 protected:
  platform::SdlBackend& Install() {
    backend_ = std::make_unique<platform::SdlBackend>(WindowOptions());
    backend_->SetTickedInput(true);
    platform::InstallBackend(backend_.get());
    return *backend_;
  }
  // Passes of the main loop until a frame has run.
  void RunFrame() {
    const std::uint64_t before = frameRecord.frames;
    for (int pass = 0; pass < 100 && frameRecord.frames == before; ++pass) {
      ASSERT_NE(MainLoopPass(), LoopPass::kQuit);
    }
    ASSERT_EQ(frameRecord.frames, before + 1);
  }
  static bool Logged(std::string_view entry) {
    const auto& log = platform::DisplayLog();
    return std::find(log.begin(), log.end(), entry) != log.end();
  }
};

TEST_F(SdlGameTest, AResetRenderDeviceRestoresTheSurfacesAndReloadsTheBitmaps) {
  platform::SdlBackend& backend = Install();
  ASSERT_TRUE(StartUp());
  RunFrame();
  platform::ResetDisplayLog();
  SDL_Event event{};
  event.type = SDL_RENDER_DEVICE_RESET;
  SDL_PushEvent(&event);
  Take();
  ASSERT_TRUE(backend.ScreenLost());
  // The frame's flip finds the screen lost: the game restores, the frame is not shown.
  RunFrame();
  EXPECT_TRUE(Logged("Restore frontBuffer"));
  EXPECT_TRUE(Logged("Restore sheetSurface"));
  EXPECT_TRUE(Logged("Restore guiSurface"));
  EXPECT_FALSE(backend.ScreenLost());
  // The next frame shows normally.
  platform::ResetDisplayLog();
  RunFrame();
  EXPECT_FALSE(Logged("Restore frontBuffer"));
  EXPECT_EQ(displayObjects.frontBuffer->IsLost(), platform::DD_OK);
}

TEST_F(SdlGameTest, NoVideoMeansNoWindowAndStatusOne) {
  setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  platform::SdlBackend& backend = Install();
  EXPECT_FALSE(StartUp());
  EXPECT_EQ(ExitStatus(), 1);
  EXPECT_EQ(backend.Window(), nullptr);
  EXPECT_EQ(platform::CurrentWindow(), 0);
}

TEST_F(SdlGameTest, AFailingStartUpStepShowsItsMessageAndClosesTheWindow) {
  const std::pair<platform::Fault, const char*> steps[] = {
      {platform::Fault::kDisplayCreate, "DirectDrawCreate FAILED"},
      {platform::Fault::kDisplayMode, "SetDisplayMode FAILED"},
      {platform::Fault::kCreateSurface, "CreateSurface FAILED"},
      {platform::Fault::kInputCreate, "Direct Input Initialisation FAILED"},
      {platform::Fault::kMouseAcquire, "Direct Input Initialisation FAILED"},
  };
  for (const auto& [fault, message] : steps) {
    ResetEverything();
    platform::SdlBackend& backend = Install();
    platform::ArmFault(fault);
    EXPECT_FALSE(StartUp()) << message;
    EXPECT_EQ(ExitStatus(), 1) << message;
    const auto boxes = backend.TakeMessageBoxes();
    ASSERT_FALSE(boxes.empty()) << message;
    EXPECT_EQ(boxes.back().first, "A Game");
    EXPECT_EQ(boxes.back().second, message);
    EXPECT_EQ(backend.Window(), nullptr) << message;
    platform::InstallBackend(nullptr);
    backend_.reset();
  }
}

}  // namespace
}  // namespace kelmora::testing
