// Files named on a command line: which ones are the same file, and which ones the game reads.
#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/display.h"

namespace kelmora::platform {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kelmora-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "sub");
    std::ofstream(dir_ / "demo.txt") << "1 close\n";
    previous_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  fs::path dir_;
  fs::path previous_;
};

TEST_F(FilesTest, NamesOfOneFileAreTheSameFile) {
  fs::create_symlink("demo.txt", "link.txt");
  fs::create_hard_link("demo.txt", "hard.txt");
  EXPECT_TRUE(SameFile("demo.txt", "./demo.txt"));
  EXPECT_TRUE(SameFile("demo.txt", "sub/../demo.txt"));
  EXPECT_TRUE(SameFile("demo.txt", (dir_ / "demo.txt").string()));
  EXPECT_TRUE(SameFile("link.txt", "demo.txt"));
  EXPECT_TRUE(SameFile("hard.txt", "demo.txt"));
  EXPECT_FALSE(SameFile("demo.txt", "sub"));
  // Files not written yet: the same place is the same file; a new file is not an old one.
  EXPECT_TRUE(SameFile("new.txt", "./sub/../new.txt"));
  EXPECT_FALSE(SameFile("new.txt", "other.txt"));
  EXPECT_FALSE(SameFile("new.txt", "demo.txt"));
}

TEST_F(FilesTest, AClashNamesBothOptionsAndStandardStreamsNeverClash) {
  const std::vector<NamedFile> inputs = {{"--script", "demo.txt"}};
  EXPECT_EQ(FileClash(inputs, {{"--trace", "./demo.txt"}}),
            "--trace './demo.txt' is the same file as --script 'demo.txt'");
  EXPECT_EQ(FileClash(inputs, {{"--trace", "t.jsonl"}, {"--shot", "sub/../t.jsonl"}}),
            "--shot 'sub/../t.jsonl' is the same file as --trace 't.jsonl'");
  EXPECT_EQ(FileClash({{"--script", "-"}}, {{"--trace", "-"}, {"--shot", "a.png"}}), "");
  EXPECT_EQ(FileClash(inputs, {{"--trace", "t.jsonl"}, {"--shot", "a.png"}}), "");
}

TEST_F(FilesTest, OnlyRegularFilesAreRead) {
  ASSERT_EQ(::mkfifo("KELMORA", 0600), 0);
  EXPECT_TRUE(IsRegularFile("demo.txt"));
  EXPECT_FALSE(IsRegularFile("sub"));
  EXPECT_FALSE(IsRegularFile("KELMORA"));
  EXPECT_FALSE(IsRegularFile("/dev/zero"));
  EXPECT_FALSE(IsRegularFile("missing.txt"));
  // The bitmap fallback gives up on a FIFO at once instead of waiting in its open for a writer.
  std::vector<std::uint8_t> bytes;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ReadFilePrefix("KELMORA", 64, &bytes));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(ReadFilePrefix("demo.txt", 64, &bytes));
  EXPECT_EQ(bytes.size(), 8u);
}

}  // namespace
}  // namespace kelmora::platform
