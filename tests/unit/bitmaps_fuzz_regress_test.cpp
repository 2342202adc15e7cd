// Cases the bitmap file fuzzer found in the file readers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "platform/display.h"

namespace kelmora::platform {
namespace {

class BitmapFileRead : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kelmora-bitmap-read-XXXXXX";
    const int fd = mkstemp(pattern);
    ASSERT_GE(fd, 0);
    close(fd);
    path_ = pattern;
  }
  void TearDown() override { unlink(path_.c_str()); }

  void Write(const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
  }

  std::string path_;
};

// The limit of a file read is only a limit: a small file read with a huge one (the bitmap
// loader's is 64 MiB) must neither fail to allocate nor cost the limit in memory.
TEST_F(BitmapFileRead, HugeLimitReadsJustTheFile) {
  const std::vector<std::uint8_t> contents = {'B', 'M', 1, 2, 3};
  Write(contents);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadFilePrefix(path_, std::numeric_limits<std::size_t>::max(), &bytes));
  EXPECT_EQ(bytes, contents);
  EXPECT_LT(bytes.capacity(), std::size_t{1} << 20);
  ASSERT_TRUE(ReadFilePrefix(path_, std::size_t{1} << 40, &bytes));
  EXPECT_EQ(bytes, contents);
}

TEST_F(BitmapFileRead, NeverMoreThanTheLimitAcrossChunks) {
  std::vector<std::uint8_t> contents(200000);
  for (std::size_t i = 0; i < contents.size(); ++i) contents[i] = static_cast<std::uint8_t>(i * 7);
  Write(contents);
  std::vector<std::uint8_t> bytes{9, 9, 9};
  for (const std::size_t limit :
       {std::size_t{0}, std::size_t{1078}, std::size_t{65536}, std::size_t{65537},
        std::size_t{199999}, std::size_t{200000}, std::size_t{200001}}) {
    ASSERT_TRUE(ReadFilePrefix(path_, limit, &bytes));
    const std::size_t expected = std::min(limit, contents.size());
    ASSERT_EQ(bytes.size(), expected) << "limit " << limit;
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), contents.begin())) << "limit " << limit;
  }
}

TEST_F(BitmapFileRead, MissingFileGivesNothing) {
  unlink(path_.c_str());
  std::vector<std::uint8_t> bytes{1};
  EXPECT_FALSE(ReadFilePrefix(path_, 100, &bytes));
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(LoadBitmapFile(path_), nullptr);
}

// A sound one-pixel file still loads through the chunked read.
TEST_F(BitmapFileRead, SmallBitmapFileLoads) {
  std::vector<std::uint8_t> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 14 + 40 + 8, 0, 0, 0};
  const std::uint8_t header[40] = {40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0,
                                   0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0};
  file.insert(file.end(), header, header + 40);
  file.insert(file.end(), {10, 20, 30, 0, 40, 50, 60, 0});  // blue, green, red, reserved
  file.insert(file.end(), {1, 0, 0, 0});                    // one pixel, padded row
  Write(file);
  const auto bitmap = LoadBitmapFile(path_);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->width, 1);
  EXPECT_EQ(bitmap->height, 1);
  EXPECT_EQ(bitmap->colourCount, 2);
  EXPECT_EQ(bitmap->pixels, std::vector<std::uint8_t>{1});
  EXPECT_EQ(bitmap->colours[1], (PaletteEntry{60, 50, 40, 0}));
}

}  // namespace
}  // namespace kelmora::platform
