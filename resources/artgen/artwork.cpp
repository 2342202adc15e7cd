#include "artgen/artwork.h"

#include "artgen/bitmaps.h"
#include "artgen/dib.h"
#include "artgen/palette.h"
#include "artgen/sprites.h"

namespace kelmora::artgen {

std::vector<NamedBitmap> GenerateArtwork() {
  std::vector<NamedBitmap> bitmaps;
  bitmaps.push_back({"KELMORA", "KELMORA.bmp", EncodePackedDib(SpriteSheet(), kPalette)});
  bitmaps.push_back({"GUI", "GUI.bmp", EncodePackedDib(MenuBitmap(), kPalette)});
  bitmaps.push_back({"ICON32", "ICON32.bmp", EncodePackedDib(IconImage(32), kIconColours)});
  bitmaps.push_back({"ICON16", "ICON16.bmp", EncodePackedDib(IconImage(16), kIconColours)});
  return bitmaps;
}

std::string EmbeddingSource(const std::vector<NamedBitmap>& bitmaps) {
  std::string out =
      "// Made by kelmora-artgen from the artwork's code; rebuilt with it, never edited.\n"
      "#include \"resources/embedded_table.h\"\n\n"
      "namespace kelmora::resources {\n\nnamespace {\n\n";
  for (std::size_t i = 0; i < bitmaps.size(); ++i) {
    out += "const std::uint8_t kBitmap" + std::to_string(i) + "[] = {";
    const auto& dib = bitmaps[i].dib;
    for (std::size_t j = 0; j < dib.size(); ++j) {
      out += (j % 24 == 0) ? "\n    " : " ";
      out += std::to_string(dib[j]);
      out += ',';
    }
    out += "\n};\n\n";
  }
  out += "}  // namespace\n\nconst EmbeddedBitmap kEmbeddedBitmaps[] = {\n";
  for (std::size_t i = 0; i < bitmaps.size(); ++i) {
    out += "    {\"" + std::string(bitmaps[i].name) + "\", kBitmap" + std::to_string(i) + "},\n";
  }
  out += "};\n\nconst std::size_t kEmbeddedBitmapCount = " + std::to_string(bitmaps.size()) +
         ";\n\n}  // namespace kelmora::resources\n";
  return out;
}

}  // namespace kelmora::artgen
