#include "display/surfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/frame.h"
#include "display/bitmap.h"
#include "resources/embedded.h"
#include "support.h"

namespace kelmora {
namespace {

using platform::Fault;
using Boxes = std::vector<std::pair<std::string, std::string>>;

// The display log without the restores that the bitmap copies make along the way.
std::vector<std::string> CallsExceptRestores() {
  std::vector<std::string> calls;
  for (const std::string& entry : platform::DisplayLog()) {
    if (entry.rfind("Restore", 0) != 0) calls.push_back(entry);
  }
  return calls;
}

std::vector<std::string> Restores() {
  std::vector<std::string> calls;
  for (const std::string& entry : platform::DisplayLog()) {
    if (entry.rfind("Restore", 0) == 0) calls.push_back(entry);
  }
  return calls;
}

// The named bitmap's pixels, top row first, as the game should have them on its surface.
std::vector<std::uint8_t> ResourcePixels(const char* name) {
  auto bitmap = platform::DecodePackedDib(resources::FindBitmap(name));
  return bitmap ? bitmap->pixels : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> SurfacePixels(const platform::Surface& surface) {
  std::vector<std::uint8_t> pixels;
  for (std::int32_t y = 0; y < surface.Height(); ++y) {
    const std::uint8_t* row = surface.Pixels() + y * surface.Pitch();
    pixels.insert(pixels.end(), row, row + surface.Width());
  }
  return pixels;
}

platform::ColorKey KeyOf(const platform::Surface& surface, std::uint32_t flags) {
  platform::ColorKey key{0xDEAD, 0xBEEF};
  EXPECT_EQ(surface.GetColorKey(flags, &key), platform::DD_OK);
  return key;
}

class SurfacesTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetEverything(); }
  void TearDown() override { testing::ResetEverything(); }
};

TEST_F(SurfacesTest, StartUpCreatesEveryObjectInOrderAndKeysBlack) {
  ASSERT_TRUE(testing::StartHeadlessGame());
  EXPECT_TRUE(platform::Headless().TakeMessageBoxes().empty());
  ASSERT_TRUE(displayObjects.directDraw && displayObjects.frontBuffer &&
              displayObjects.sheetSurface && displayObjects.guiSurface &&
              displayObjects.pixelLayer && displayObjects.palette && displayObjects.clipper);
  ASSERT_NE(displayObjects.backBuffer, nullptr);

  const std::vector<std::string> expected = {
      "Release directDraw",  // the first interface, once the newer one is had
      "CreateSurface frontBuffer",
      "CreatePalette",
      "SetPalette frontBuffer",
      "CreateSurface sheetSurface",
      "CreateSurface pixelLayer",
      "CreateSurface guiSurface",
      "SetSourceKey sheetSurface",
      "SetDestKey sheetSurface",
      "SetSourceKey guiSurface",
      "SetSourceKey pixelLayer",
      "SetSourceKey backBuffer",
      "SetDestKey backBuffer",
      "CreateClipper",
      "SetClipper backBuffer"};
  EXPECT_EQ(CallsExceptRestores(), expected);

  // Sizes, the palette on the front buffer and the clipper on the back buffer, bound to the window.
  for (const platform::Surface* surface :
       {displayObjects.frontBuffer.get(), displayObjects.backBuffer,
        displayObjects.sheetSurface.get(), displayObjects.guiSurface.get(),
        displayObjects.pixelLayer.get()}) {
    EXPECT_EQ(surface->Width(), 640);
    EXPECT_EQ(surface->Height(), 480);
  }
  EXPECT_EQ(displayObjects.frontBuffer->AttachedPalette(), displayObjects.palette.get());
  EXPECT_EQ(displayObjects.backBuffer->AttachedClipper(), displayObjects.clipper.get());
  EXPECT_EQ(displayObjects.clipper->Window(), appState.mainWindow);

  // Both bitmaps are on their surfaces, and the pixel layer starts black.
  EXPECT_EQ(SurfacePixels(*displayObjects.sheetSurface), ResourcePixels(kSheetBitmapName));
  EXPECT_EQ(SurfacePixels(*displayObjects.guiSurface), ResourcePixels(kGuiBitmapName));
  const auto layer = SurfacePixels(*displayObjects.pixelLayer);
  EXPECT_TRUE(std::all_of(layer.begin(), layer.end(), [](std::uint8_t v) { return v == 0; }));

  // Black keys everything but the back buffer's destination key, which is the pixel value of
  // pure red in the game's palette, not index 255.
  using platform::DDCKEY_DESTBLT;
  using platform::DDCKEY_SRCBLT;
  for (const auto& [surface, flags] :
       std::vector<std::pair<const platform::Surface*, std::uint32_t>>{
           {displayObjects.sheetSurface.get(), DDCKEY_SRCBLT},
           {displayObjects.sheetSurface.get(), DDCKEY_DESTBLT},
           {displayObjects.guiSurface.get(), DDCKEY_SRCBLT},
           {displayObjects.pixelLayer.get(), DDCKEY_SRCBLT},
           {displayObjects.backBuffer, DDCKEY_SRCBLT}}) {
    const platform::ColorKey key = KeyOf(*surface, flags);
    EXPECT_EQ(key.low, 0u) << surface->Name();
    EXPECT_EQ(key.high, 0u) << surface->Name();
  }
  const platform::ColorKey red = KeyOf(*displayObjects.backBuffer, DDCKEY_DESTBLT);
  EXPECT_EQ(red.low, red.high);
  ASSERT_LT(red.low, 256u);
  EXPECT_NE(red.low, 255u);
  EXPECT_EQ(displayObjects.palette->Entries()[red.low], (platform::PaletteEntry{255, 0, 0, 0}));
}

struct StartUpFault {
  Fault fault;
  const char* message;      // nullptr: no box
  const char* lastCreated;  // the last display call that still ran
};

class SurfacesStartUpFaultTest : public SurfacesTest,
                                 public ::testing::WithParamInterface<StartUpFault> {};

TEST_P(SurfacesStartUpFaultTest, ReportsTheStepAndGivesTheDisplayBack) {
  const StartUpFault& step = GetParam();
  platform::ArmFault(step.fault);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(testing::StartHeadlessGame());
  const std::string errors = ::testing::internal::GetCapturedStderr();

  const Boxes boxes = platform::Headless().TakeMessageBoxes();
  if (step.message != nullptr) {
    EXPECT_EQ(boxes, (Boxes{{"A Game", step.message}}));
  } else {
    EXPECT_TRUE(boxes.empty());
    EXPECT_NE(errors.find("pixel layer"), std::string::npos);
    // Nothing reports this step: the window and the display it made stay as they are until the
    // program ends, so the state after start-up still shows the (empty) front buffer.
    EXPECT_NE(platform::CurrentWindow(), 0);
    EXPECT_TRUE(displayObjects.frontBuffer && displayObjects.sheetSurface &&
                displayObjects.palette);
    EXPECT_FALSE(displayObjects.pixelLayer);
    EndProgram();
  }
  // Whatever was made has been released, the window is gone and nothing after the step ran.
  EXPECT_FALSE(displayObjects.directDraw);
  EXPECT_FALSE(displayObjects.frontBuffer);
  EXPECT_EQ(displayObjects.backBuffer, nullptr);
  EXPECT_FALSE(displayObjects.sheetSurface || displayObjects.guiSurface ||
               displayObjects.pixelLayer || displayObjects.palette || displayObjects.clipper);
  EXPECT_EQ(platform::CurrentWindow(), 0);
  EXPECT_EQ(appState.exitStatus, 1);
  EXPECT_EQ(PendingFaults(step.fault), 0);
  const auto calls = CallsExceptRestores();
  const auto created = std::find_if(calls.begin(), calls.end(), [](const std::string& c) {
    return c.rfind("Create", 0) == 0 || c.rfind("Set", 0) == 0;
  });
  std::vector<std::string> made(created, calls.end());
  std::erase_if(made, [](const std::string& c) { return c.rfind("Release", 0) == 0; });
  if (step.lastCreated == nullptr) {
    EXPECT_TRUE(made.empty());
  } else {
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made.back(), step.lastCreated);
  }
  EXPECT_TRUE(std::find(calls.begin(), calls.end(), "CreateClipper") == calls.end());
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, SurfacesStartUpFaultTest,
    ::testing::Values(
        StartUpFault{Fault::kDisplayCreate, "DirectDrawCreate FAILED", nullptr},
        StartUpFault{Fault::kQueryInterface, "QueryInterface FAILED", nullptr},
        StartUpFault{Fault::kCooperativeLevel, "SetCooperativeLevel FAILED", nullptr},
        StartUpFault{Fault::kDisplayMode, "SetDisplayMode FAILED", nullptr},
        StartUpFault{Fault::kCreateSurface, "CreateSurface FAILED", nullptr},
        StartUpFault{Fault::kAttachedSurface, "GetAttachedSurface FAILED",
                     "CreateSurface frontBuffer"},
        StartUpFault{Fault::kSheetBitmap, "DDLoadBitmap FAILED", "SetPalette frontBuffer"},
        StartUpFault{Fault::kPixelLayer, nullptr, "CreateSurface sheetSurface"},
        StartUpFault{Fault::kGuiBitmap, "DDLoadBitmap FAILED", "CreateSurface pixelLayer"}));

TEST_F(SurfacesTest, WithNoBackendInstalledStartUpStopsAtItsFirstStep) {
  platform::InstallBackend(nullptr);
  EXPECT_FALSE(StartUp());
  EXPECT_EQ(ExitStatus(), 1);
  EXPECT_EQ(platform::CurrentWindow(), 0);
  EXPECT_FALSE(displayObjects.directDraw);
  // Nothing reached the headless backend it would once have fallen back to.
  EXPECT_EQ(platform::Headless().PresentCount(), 0);
  EXPECT_TRUE(platform::Headless().TakeMessageBoxes().empty());
  std::uint8_t keys[256];
  EXPECT_FALSE(platform::CurrentBackend().ReadKeyboard(keys));
}

TEST_F(SurfacesTest, WithoutAPaletteTheGameStillStarts) {
  platform::ArmFault(Fault::kPaletteCreate);
  ASSERT_TRUE(testing::StartHeadlessGame());
  EXPECT_TRUE(platform::Headless().TakeMessageBoxes().empty());
  EXPECT_FALSE(displayObjects.palette);
  EXPECT_EQ(displayObjects.frontBuffer->AttachedPalette(), nullptr);
  EXPECT_TRUE(displayObjects.sheetSurface && displayObjects.guiSurface &&
              displayObjects.pixelLayer);
}

TEST_F(SurfacesTest, ReleaseGoesInItsFixedOrderOnceAndOnlyOnce) {
  // Nothing made: nothing to release.
  ReleaseDisplay();
  ReleaseDisplay();
  EXPECT_TRUE(platform::DisplayLog().empty());

  ASSERT_TRUE(testing::StartHeadlessGame());
  platform::ResetDisplayLog();
  // Closing the window releases the display.
  platform::DestroyGameWindow(appState.mainWindow);
  const std::vector<std::string> expected = {
      "Release frontBuffer", "Release backBuffer", "Release sheetSurface", "Release guiSurface",
      "Release pixelLayer",  "Release clipper",    "Release palette",      "Release directDraw"};
  EXPECT_EQ(platform::DisplayLog(), expected);
  EXPECT_FALSE(displayObjects.directDraw || displayObjects.frontBuffer ||
               displayObjects.sheetSurface || displayObjects.guiSurface ||
               displayObjects.pixelLayer || displayObjects.palette || displayObjects.clipper);
  EXPECT_EQ(displayObjects.backBuffer, nullptr);

  ReleaseDisplay();
  EXPECT_EQ(platform::DisplayLog(), expected);
  // After release a present shows nothing, and a fill has no surface.
  const int shown = platform::Headless().PresentCount();
  PresentFrame();
  EXPECT_EQ(platform::Headless().PresentCount(), shown);
  EXPECT_EQ(FillSurface(displayObjects.backBuffer, 0), platform::E_FAIL);
}

TEST_F(SurfacesTest, FillCoversTheWholeSurfaceAndWaitsOutABusyDisplay) {
  ASSERT_TRUE(testing::StartHeadlessGame());
  platform::Surface& layer = *displayObjects.pixelLayer;
  std::memset(layer.Pixels(), 77, static_cast<std::size_t>(layer.Pitch()) * 480);
  platform::ArmFault(Fault::kBlitBusy, 3);
  EXPECT_EQ(FillSurface(&layer, 9), platform::DD_OK);
  EXPECT_EQ(platform::PendingFaults(Fault::kBlitBusy), 0);
  const auto pixels = SurfacePixels(layer);
  EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](std::uint8_t v) { return v == 9; }));
  // The pitch padding is not part of the image; nothing else moved.
  EXPECT_EQ(FillSurface(displayObjects.backBuffer, 0), platform::DD_OK);
}

TEST_F(SurfacesTest, FlipShowsTheBackBufferAndRetriesWhileTheDisplayIsBusy) {
  ASSERT_TRUE(testing::StartHeadlessGame());
  FillSurface(displayObjects.backBuffer, 42);
  platform::ResetDisplayLog();
  platform::ArmFault(Fault::kFlipBusy, 5);
  const int shown = platform::Headless().PresentCount();
  PresentFrame();
  EXPECT_EQ(platform::Headless().PresentCount(), shown + 1);
  EXPECT_EQ(platform::PendingFaults(Fault::kFlipBusy), 0);
  EXPECT_EQ(displayObjects.frontBuffer->Pixels()[640 * 479 + 639], 42);
  EXPECT_TRUE(Restores().empty());
}

TEST_F(SurfacesTest, ALostFlipRestoresReloadsAndRebuildsThePaletteWithoutRetrying) {
  ASSERT_TRUE(testing::StartHeadlessGame());
  // Scribble over both bitmaps, as a lost display leaves them.
  platform::Surface& sheet = *displayObjects.sheetSurface;
  platform::Surface& gui = *displayObjects.guiSurface;
  std::memset(sheet.Pixels(), 5, static_cast<std::size_t>(sheet.Pitch()) * 480);
  std::memset(gui.Pixels(), 6, static_cast<std::size_t>(gui.Pitch()) * 480);
  const platform::Palette* oldPalette = displayObjects.palette.get();
  const platform::PaletteTable oldEntries = oldPalette->Entries();

  platform::ResetDisplayLog();
  platform::ArmFault(Fault::kFlipLost);
  platform::ArmFault(Fault::kFlipBusy, 2);
  const int shown = platform::Headless().PresentCount();
  PresentFrame();
  // The lost flip comes before the busy ones and is not retried in this frame.
  EXPECT_EQ(platform::Headless().PresentCount(), shown);
  EXPECT_EQ(platform::PendingFaults(Fault::kFlipBusy), 2);

  const std::vector<std::string> restores = {
      "Restore frontBuffer", "Restore sheetSurface", "Restore sheetSurface", "Restore guiSurface",
      "Restore guiSurface",  "Restore pixelLayer",   "Restore backBuffer"};
  EXPECT_EQ(Restores(), restores);
  EXPECT_EQ(SurfacePixels(sheet), ResourcePixels(kSheetBitmapName));
  EXPECT_EQ(SurfacePixels(gui), ResourcePixels(kGuiBitmapName));
  ASSERT_TRUE(displayObjects.palette);
  EXPECT_NE(displayObjects.palette.get(), oldPalette);
  EXPECT_EQ(displayObjects.palette->Entries(), oldEntries);
  EXPECT_EQ(displayObjects.frontBuffer->AttachedPalette(), displayObjects.palette.get());
  const auto calls = CallsExceptRestores();
  EXPECT_EQ(calls, (std::vector<std::string>{"CreatePalette", "SetPalette frontBuffer",
                                             "Release palette"}));
  EXPECT_EQ(displayObjects.frontBuffer->IsLost(), platform::DD_OK);
  EXPECT_EQ(displayObjects.backBuffer->IsLost(), platform::DD_OK);

  // The next frame waits out the busy flips and shows normally.
  PresentFrame();
  EXPECT_EQ(platform::Headless().PresentCount(), shown + 1);
  EXPECT_EQ(platform::PendingFaults(Fault::kFlipBusy), 0);
}

TEST_F(SurfacesTest, RestoreKeepsTheOldPaletteWhenANewOneCannotBeMade) {
  ASSERT_TRUE(testing::StartHeadlessGame());
  const platform::Palette* oldPalette = displayObjects.palette.get();
  platform::ArmFault(Fault::kPaletteCreate);
  EXPECT_EQ(RestoreSurfaces(), platform::DD_OK);
  // The front buffer still shows a palette that exists.
  EXPECT_EQ(displayObjects.palette.get(), oldPalette);
  EXPECT_EQ(displayObjects.frontBuffer->AttachedPalette(), oldPalette);
}

// A host that loses its screen at will and may refuse to get it back.
class LosingBackend final : public platform::Backend {
 public:
  bool OpenWindow(std::string_view caption) override { return inner().OpenWindow(caption); }
  void CloseWindow() override { inner().CloseWindow(); }
  bool StartHostStep(platform::HostStep step) override { return inner().StartHostStep(step); }
  void PumpEvents() override {}
  void ShowMessageBox(std::string_view caption, std::string_view text) override {
    inner().ShowMessageBox(caption, text);
  }
  bool ReadKeyboard(std::uint8_t (&keys)[256]) override { return inner().ReadKeyboard(keys); }
  bool ReadMouse(platform::MouseState* state) override { return inner().ReadMouse(state); }
  platform::HRESULT Present(const platform::Surface&, const platform::PaletteTable&) override {
    ++presents;
    return loseNextPresent ? (loseNextPresent = false, platform::DDERR_SURFACELOST)
                           : platform::DD_OK;
  }
  platform::HRESULT RestoreScreen() override {
    ++restores;
    return refuseRestores > 0 ? (--refuseRestores, platform::DDERR_SURFACELOST) : platform::DD_OK;
  }
  std::uint32_t TimeSeconds() override { return 1; }

  bool loseNextPresent = false;
  int refuseRestores = 0;
  int presents = 0;
  int restores = 0;

 private:
  static platform::HeadlessBackend& inner() { return platform::Headless(); }
};

TEST_F(SurfacesTest, ARefusedRestoreLeavesTheBitmapsAndIsTriedAgainAtTheNextLostFlip) {
  LosingBackend host;
  platform::InstallBackend(&host);
  ASSERT_TRUE(testing::StartHeadlessGame());
  std::memset(displayObjects.sheetSurface->Pixels(), 5,
              static_cast<std::size_t>(displayObjects.sheetSurface->Pitch()) * 480);

  host.loseNextPresent = true;
  host.refuseRestores = 1;
  platform::ResetDisplayLog();
  PresentFrame();
  EXPECT_EQ(host.presents, 1);
  EXPECT_EQ(host.restores, 1);
  // Only the front buffer was asked; the rest is restored but not reloaded.
  EXPECT_EQ(Restores(), (std::vector<std::string>{"Restore frontBuffer", "Restore pixelLayer",
                                                  "Restore backBuffer"}));
  EXPECT_EQ(displayObjects.sheetSurface->Pixels()[0], 5);
  EXPECT_EQ(displayObjects.frontBuffer->IsLost(), platform::DDERR_SURFACELOST);

  // Next frame: the flip still finds the surfaces lost, and this time the restore works.
  PresentFrame();
  EXPECT_EQ(host.presents, 1);
  EXPECT_EQ(host.restores, 2);
  EXPECT_EQ(SurfacePixels(*displayObjects.sheetSurface), ResourcePixels(kSheetBitmapName));
  PresentFrame();
  EXPECT_EQ(host.presents, 2);
  platform::InstallBackend(nullptr);
}

TEST_F(SurfacesTest, FramesRunOnTheCreatedDisplay) {
  ASSERT_TRUE(testing::StartHeadlessGame(7));
  // Give every ship an exhaust trail if the game has not built them yet.
  while (effectState.exhaustTrails.size() < static_cast<std::size_t>(ShipSlots())) {
    effectState.exhaustTrails.push_back(std::make_unique<TrailSystem>(settings.trailParticles));
  }
  const int shown = platform::Headless().PresentCount();
  for (int i = 0; i < 5; ++i) GameFrame();
  EXPECT_EQ(platform::Headless().PresentCount(), shown + 5);
  // A lost flip in the middle of play costs one frame.
  platform::ArmFault(Fault::kFlipLost);
  GameFrame();
  GameFrame();
  EXPECT_EQ(platform::Headless().PresentCount(), shown + 6);
  // The sprites reached the screen: the front buffer is not all black.
  const auto screen = SurfacePixels(*displayObjects.frontBuffer);
  EXPECT_TRUE(std::any_of(screen.begin(), screen.end(), [](std::uint8_t v) { return v != 0; }));
}

}  // namespace
}  // namespace kelmora
