// kelmora-artgen OUTPUT_DIR
//
// Draws the game's bitmaps and writes them into OUTPUT_DIR as .bmp files, together with
// embedded_bitmaps.cpp, which carries the same bitmaps into the executables.
#include <cstdio>
#include <fstream>
#include <string>

#include "artgen/artwork.h"
#include "artgen/dib.h"

namespace {

bool WriteFile(const std::string& path, const void* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  file.close();
  if (!file) {
    std::fprintf(stderr, "kelmora-artgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kelmora-artgen OUTPUT_DIR\n");
    return 2;
  }
  const std::string directory = argv[1];
  const auto bitmaps = kelmora::artgen::GenerateArtwork();
  for (const auto& bitmap : bitmaps) {
    const auto file = kelmora::artgen::EncodeBitmapFile(bitmap.dib);
    if (!WriteFile(directory + "/" + std::string(bitmap.file), file.data(), file.size())) return 1;
  }
  const std::string source = kelmora::artgen::EmbeddingSource(bitmaps);
  if (!WriteFile(directory + "/embedded_bitmaps.cpp", source.data(), source.size())) return 1;
  return 0;
}
