// The present path: palette indices become screen colours two at a time, and the frame is placed
// on the output letterboxed for both scale modes.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/sdl/present_convert.h"

namespace kelmora::platform {
namespace {

PaletteTable TestPalette() {
  PaletteTable palette{};
  for (int i = 0; i < 256; ++i) {
    palette[static_cast<std::size_t>(i)] =
        PaletteEntry{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                     static_cast<std::uint8_t>(i * 7), 0x55};
  }
  return palette;
}

std::uint32_t Expected(const PaletteTable& palette, std::uint8_t index) {
  const PaletteEntry& e = palette[index];
  return 0xFF000000u | (std::uint32_t{e.red} << 16) | (std::uint32_t{e.green} << 8) | e.blue;
}

TEST(SdlPresent, EveryPixelTakesItsPaletteColourOpaque) {
  const PaletteTable palette = TestPalette();
  std::vector<std::uint64_t> pairs(kPixelPairCount);
  BuildPixelPairTable(palette, pairs.data());
  // An odd width (blocks of eight and a tail) and pitches wider than the rows, both of which
  // must be left alone past the width.
  constexpr int kWidth = 21;
  constexpr int kHeight = 5;
  constexpr int kSourcePitch = 24;
  constexpr int kTargetPitch = 100;
  std::vector<std::uint8_t> source(kSourcePitch * kHeight);
  for (std::size_t i = 0; i < source.size(); ++i)
    source[i] = static_cast<std::uint8_t>(i * 37 + 11);
  std::vector<std::uint8_t> target(kTargetPitch * kHeight, 0xEE);
  ConvertFrame(source.data(), kSourcePitch, kWidth, kHeight, pairs.data(), target.data(),
               kTargetPitch);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      std::uint32_t colour = 0;
      std::memcpy(&colour, &target[static_cast<std::size_t>(y * kTargetPitch + x * 4)], 4);
      EXPECT_EQ(colour, Expected(palette, source[static_cast<std::size_t>(y * kSourcePitch + x)]))
          << "pixel " << x << "," << y;
    }
    for (int b = kWidth * 4; b < kTargetPitch; ++b) {
      EXPECT_EQ(target[static_cast<std::size_t>(y * kTargetPitch + b)], 0xEE);
    }
  }
}

TEST(SdlPresent, AFullFrameConvertsEveryPairOfIndices) {
  const PaletteTable palette = TestPalette();
  std::vector<std::uint64_t> pairs(kPixelPairCount);
  BuildPixelPairTable(palette, pairs.data());
  std::vector<std::uint8_t> frame(kScreenWidth * kScreenHeight);
  for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint8_t>(i ^ (i >> 8));
  std::vector<std::uint32_t> screen(frame.size());
  ConvertFrame(frame.data(), kScreenWidth, kScreenWidth, kScreenHeight, pairs.data(), screen.data(),
               kScreenWidth * 4);
  for (std::size_t i = 0; i < frame.size(); ++i) {
    ASSERT_EQ(screen[i], Expected(palette, frame[i])) << "pixel " << i;
  }
}

// Processors with byte permutes take them, 64 pixels at a time; every other processor (and a
// build without processor paths) goes through the pair table. Both must give the very same bytes,
// tails and pitches included, and those bytes are each pixel's own colour with the padding past
// the rows left alone, whichever way this processor takes.
TEST(SdlPresent, EveryWayToTheScreenGivesTheSameColours) {
  PaletteTable palette = TestPalette();
  palette[200].flags = 0x7F;  // flags never reach the screen
  std::vector<std::uint64_t> pairs(kPixelPairCount);
  BuildPixelPairTable(palette, pairs.data());
  for (const int width : {64, 200, 640}) {
    const int height = 7;
    const int sourcePitch = width + 5;
    const int targetPitch = width * 4 + 12;
    std::vector<std::uint8_t> source(static_cast<std::size_t>(sourcePitch) * height);
    std::uint32_t state = 12345;
    for (auto& index : source) {
      state = state * 1103515245u + 12345u;
      index = static_cast<std::uint8_t>(state >> 23);
    }
    std::vector<std::uint8_t> quick(static_cast<std::size_t>(targetPitch) * height, 0xEE);
    std::vector<std::uint8_t> plain(quick);
    ConvertFrame(source.data(), sourcePitch, width, height, pairs.data(), quick.data(),
                 targetPitch);
    ConvertFrameThroughPairs(source.data(), sourcePitch, width, height, pairs.data(), plain.data(),
                             targetPitch);
    EXPECT_EQ(quick, plain) << width << " wide";
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        std::uint32_t colour = 0;
        std::memcpy(&colour, &quick[static_cast<std::size_t>(y * targetPitch + x * 4)], 4);
        ASSERT_EQ(colour, Expected(palette, source[static_cast<std::size_t>(y * sourcePitch + x)]))
            << width << " wide, pixel " << x << "," << y;
      }
      for (int b = width * 4; b < targetPitch; ++b) {
        ASSERT_EQ(quick[static_cast<std::size_t>(y * targetPitch + b)], 0xEE) << width << " wide";
      }
    }
  }
}

TEST(SdlPresent, FitFillsOneSideAndCentresTheOther) {
  // Wide output: bars left and right.
  EXPECT_EQ(LetterboxRect(1920, 1080, ScaleMode::kFit), (Rect{240, 0, 1680, 1080}));
  // Tall output: bars above and below.
  EXPECT_EQ(LetterboxRect(1280, 1024, ScaleMode::kFit), (Rect{0, 32, 1280, 992}));
  // Exactly 4:3: the whole output.
  EXPECT_EQ(LetterboxRect(640, 480, ScaleMode::kFit), (Rect{0, 0, 640, 480}));
  EXPECT_EQ(LetterboxRect(2048, 1536, ScaleMode::kFit), (Rect{0, 0, 2048, 1536}));
  // Smaller than the frame: shrunk, aspect kept.
  EXPECT_EQ(LetterboxRect(320, 480, ScaleMode::kFit), (Rect{0, 120, 320, 360}));
  EXPECT_EQ(LetterboxRect(0, 480, ScaleMode::kFit), (Rect{}));
}

TEST(SdlPresent, IntegerScaleUsesWholeMultiples) {
  EXPECT_EQ(LetterboxRect(1920, 1080, ScaleMode::kInteger), (Rect{320, 60, 1600, 1020}));
  EXPECT_EQ(LetterboxRect(3840, 2160, ScaleMode::kInteger), (Rect{640, 120, 3200, 2040}));
  EXPECT_EQ(LetterboxRect(1279, 959, ScaleMode::kInteger), (Rect{319, 239, 959, 719}));
  EXPECT_EQ(LetterboxRect(640, 480, ScaleMode::kInteger), (Rect{0, 0, 640, 480}));
  // Less than one whole frame: fitted instead, never cut.
  EXPECT_EQ(LetterboxRect(600, 480, ScaleMode::kInteger), (Rect{0, 15, 600, 465}));
}

TEST(SdlPresent, TheWindowFitsTheScreenTitleBarIncluded) {
  // The largest whole multiple, centred in the usable area.
  EXPECT_EQ(WindowedPlace(Rect{0, 0, 1920, 1080}, 0), (Rect{320, 60, 1600, 1020}));
  EXPECT_EQ(WindowedPlace(Rect{0, 0, 1024, 768}, 0), (Rect{192, 144, 832, 624}));
  // A panel takes the top of the screen; a second monitor sits to the right of the first.
  EXPECT_EQ(WindowedPlace(Rect{0, 32, 1920, 1080}, 0), (Rect{320, 76, 1600, 1036}));
  EXPECT_EQ(WindowedPlace(Rect{1920, 0, 3200, 1024}, 0), (Rect{1920, 32, 3200, 992}));
  // The title bar goes above the picture and counts against the height.
  EXPECT_EQ(WindowedPlace(Rect{0, 0, 1280, 1024}, 20), (Rect{0, 42, 1280, 1002}));
  EXPECT_EQ(WindowedPlace(Rect{0, 0, 1280, 980}, 30), (Rect{320, 265, 960, 745}));
  // Smaller than the frame: below 1x, the frame's shape kept, whole on the screen.
  EXPECT_EQ(WindowedPlace(Rect{0, 0, 320, 240}, 0), (Rect{0, 0, 320, 240}));
  EXPECT_EQ(WindowedPlace(Rect{0, 0, 320, 240}, 20), (Rect{13, 20, 306, 240}));
  EXPECT_EQ(WindowedPlace(Rect{0, 0, 600, 480}, 0), (Rect{0, 15, 600, 465}));
  // Nothing usable left: still a window of one pixel, never an empty one.
  EXPECT_EQ(WindowedPlace(Rect{0, 0, 0, 0}, 0).Width(), 1);
  EXPECT_EQ(WindowedPlace(Rect{0, 0, 100, 10}, 40).Height(), 1);
}

// The frame pixel under a point of the window: scaled with the picture, none over the bars, and
// the window's points turned into output pixels on a high-density screen.
TEST(SdlPresent, APointOfTheWindowFindsTheFramePixelUnderIt) {
  auto at = [](std::int32_t x, std::int32_t y, std::int32_t windowWidth, std::int32_t windowHeight,
               std::int32_t outputWidth, std::int32_t outputHeight) {
    std::int32_t frameX = -1;
    std::int32_t frameY = -1;
    const Rect picture = LetterboxRect(outputWidth, outputHeight, ScaleMode::kFit);
    if (!FramePixelAt(x, y, windowWidth, windowHeight, outputWidth, outputHeight, picture, &frameX,
                      &frameY)) {
      return std::pair<std::int32_t, std::int32_t>{-1, -1};
    }
    return std::pair<std::int32_t, std::int32_t>{frameX, frameY};
  };
  using Pixel = std::pair<std::int32_t, std::int32_t>;
  EXPECT_EQ(at(0, 0, 640, 480, 640, 480), (Pixel{0, 0}));
  EXPECT_EQ(at(639, 479, 640, 480, 640, 480), (Pixel{639, 479}));
  EXPECT_EQ(at(640, 10, 640, 480, 640, 480), (Pixel{-1, -1}));
  EXPECT_EQ(at(-1, 10, 640, 480, 640, 480), (Pixel{-1, -1}));
  // Twice the size: two points a pixel.
  EXPECT_EQ(at(641, 481, 1280, 960, 1280, 960), (Pixel{320, 240}));
  EXPECT_EQ(at(1279, 959, 1280, 960, 1280, 960), (Pixel{639, 479}));
  // 1920x1080: the picture is 1440 wide from 240; the bars hold no pixel.
  EXPECT_EQ(at(239, 500, 1920, 1080, 1920, 1080), (Pixel{-1, -1}));
  EXPECT_EQ(at(240, 0, 1920, 1080, 1920, 1080), (Pixel{0, 0}));
  EXPECT_EQ(at(1679, 1079, 1920, 1080, 1920, 1080), (Pixel{639, 479}));
  EXPECT_EQ(at(1680, 500, 1920, 1080, 1920, 1080), (Pixel{-1, -1}));
  EXPECT_EQ(at(960, 540, 1920, 1080, 1920, 1080), (Pixel{320, 240}));
  // A high-density window: 640x480 points over 1280x960 pixels.
  EXPECT_EQ(at(10, 20, 640, 480, 1280, 960), (Pixel{10, 20}));
  // Smaller than the frame: several frame pixels to a point.
  EXPECT_EQ(at(160, 120, 320, 240, 320, 240), (Pixel{320, 240}));
  EXPECT_EQ(at(10, 10, 0, 0, 0, 0), (Pixel{-1, -1}));
}

}  // namespace
}  // namespace kelmora::platform
