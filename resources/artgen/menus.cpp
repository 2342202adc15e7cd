#include "artgen/bitmaps.h"
#include "artgen/layout.h"

namespace kelmora::artgen {

IndexedImage MenuBitmap() { return IndexedImage(kBitmapWidth, kBitmapHeight); }

}  // namespace kelmora::artgen
