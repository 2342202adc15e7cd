#include "artgen/font.h"

#include <algorithm>
#include <vector>

#include "artgen/layout.h"
#include "artgen/palette.h"
#include "artgen/raster.h"

namespace kelmora::artgen {

namespace {

struct Glyph {
  char c;
  GlyphRows rows;
};

// Capitals and digits fill all seven rows; small letters stand on the bottom row, and the ones
// with tails (g j p q y) are lifted a row so the tail fits.
constexpr Glyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", "#...#", ".#.#.", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'b', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "####."}},
    {'c', {".....", ".....", ".###.", "#....", "#....", "#...#", ".###."}},
    {'d', {"....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"}},
    {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
    {'f', {"..##", ".#..", ".#..", "###.", ".#..", ".#..", ".#.."}},
    {'g', {".....", ".####", "#...#", "#...#", ".####", "....#", ".###."}},
    {'h', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    {'i', {".#.", "...", "##.", ".#.", ".#.", ".#.", "###"}},
    {'j', {"...#", "....", "..##", "...#", "...#", "#..#", ".##."}},
    {'k', {"#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"}},
    {'l', {"##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'m', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#...#"}},
    {'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {'p', {".....", "####.", "#...#", "#...#", "####.", "#....", "#...."}},
    {'q', {".....", ".####", "#...#", "#...#", ".####", "....#", "....#"}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    {'s', {".....", ".....", ".####", "#....", ".###.", "....#", "####."}},
    {'t', {".#..", ".#..", "###.", ".#..", ".#..", ".#.#", "..#."}},
    {'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"}},
    {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'w', {".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."}},
    {'x', {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
    {'y', {".....", "#...#", "#...#", "#...#", ".####", "....#", ".###."}},
    {'z', {".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"}},
    {'1', {".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'-', {"....", "....", "....", "####", "....", "....", "...."}},
    {'=', {"....", "....", "####", "....", "####", "....", "...."}},
    {':', {"..", "##", "##", "..", "##", "##", ".."}},
    {'_', {".....", ".....", ".....", ".....", ".....", ".....", "#####"}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
    {'.', {"..", "..", "..", "..", "..", "##", "##"}},
    {'!', {"#", "#", "#", "#", "#", ".", "#"}},
    {' ', {"..", "..", "..", "..", "..", "..", ".."}},
};

// The letters with tails as the menu lettering sets them, on nine rows.
struct LabelGlyph {
  char c;
  std::array<std::string_view, kLabelRows> rows;
};

constexpr LabelGlyph kHangingGlyphs[] = {
    {'g', {".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."}},
    {'j', {"...#", "....", "..##", "...#", "...#", "...#", "...#", "#..#", ".##."}},
    {'p', {".....", ".....", "####.", "#...#", "#...#", "#...#", "####.", "#....", "#...."}},
    {'q', {".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", "....#"}},
    {'y', {".....", ".....", "#...#", "#...#", "#...#", "#...#", ".####", "....#", ".###."}},
};

std::array<std::string_view, kLabelRows> LabelRowsOf(char c) {
  for (const LabelGlyph& glyph : kHangingGlyphs) {
    if (glyph.c == c) return glyph.rows;
  }
  std::array<std::string_view, kLabelRows> rows{};
  const GlyphRows& sheetRows = GlyphOf(c);
  std::copy(sheetRows.begin(), sheetRows.end(), rows.begin());
  return rows;
}

const Glyph* FindGlyph(char c) {
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.c == c) return &glyph;
  }
  return nullptr;
}

template <std::size_t N>
int InkWidth(const std::array<std::string_view, N>& rows) {
  int width = 0;
  for (std::string_view row : rows) width = std::max(width, static_cast<int>(row.size()));
  return width;
}

// Narrow letters sit in the middle of their cell.
int CellOffset(const GlyphRows& rows) {
  return (5 - InkWidth(rows)) / 2;
}

// ---- Score digits ----------------------------------------------------------------------------

enum DigitRole { kLit = 1, kUnlit, kDigitRoles = kUnlit };

// Which of the seven segments a digit lights: a top, b upper right, c lower right, d bottom,
// e lower left, f upper left, g middle.
constexpr const char* kSegmentsLit[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                          "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

// A segment as a long hexagon between two points on its centre line.
Polygon Segment(Vec2 from, Vec2 to, double thickness) {
  const double h = thickness / 2;
  if (from.y == to.y) {
    return {{from.x, from.y}, {from.x + h, from.y - h}, {to.x - h, to.y - h},
            {to.x, to.y},     {to.x - h, to.y + h},     {from.x + h, from.y + h}};
  }
  return {{from.x, from.y}, {from.x + h, from.y + h}, {to.x + h, to.y - h},
          {to.x, to.y},     {to.x - h, to.y - h},     {from.x - h, from.y + h}};
}

// Leans a point forward like a display's italic digits: the top moves right.
Vec2 Slanted(Vec2 p, double middle) {
  return {p.x + 0.07 * (middle - p.y), p.y};
}

Scene DigitScene(int digit) {
  constexpr double kThickness = 3.0;
  // The unlit segments are thinner and much darker than the lit ones, so that they show the
  // display's shape without competing with the digit.
  constexpr double kUnlitThickness = 2.0;
  constexpr double kGap = 0.55;
  constexpr double kLeft = 2.9, kRight = 12.1, kTop = 2.3, kBottom = 30.7, kMiddle = 16.5;
  // The 1 lights a bar down the middle of its cell rather than the right-hand pair: at the right
  // it would stand against the next digit and read as part of it.
  constexpr double kOneShift = (kLeft + kRight) / 2 - kRight;
  const struct {
    char name;
    Vec2 from, to;
  } segments[] = {
      {'a', {kLeft + kGap, kTop}, {kRight - kGap, kTop}},
      {'b', {kRight, kTop + kGap}, {kRight, kMiddle - kGap}},
      {'c', {kRight, kMiddle + kGap}, {kRight, kBottom - kGap}},
      {'d', {kLeft + kGap, kBottom}, {kRight - kGap, kBottom}},
      {'e', {kLeft, kMiddle + kGap}, {kLeft, kBottom - kGap}},
      {'f', {kLeft, kTop + kGap}, {kLeft, kMiddle - kGap}},
      {'g', {kLeft + kGap, kMiddle}, {kRight - kGap, kMiddle}},
  };
  const std::string_view lit = digit >= 0 ? kSegmentsLit[digit] : "";
  Scene scene;
  // Every unlit segment first, then the lit ones over them.
  for (const auto& segment : segments) {
    if (lit.find(segment.name) != std::string_view::npos) continue;
    Polygon outline = Segment(segment.from, segment.to, kUnlitThickness);
    for (Vec2& v : outline) v = Slanted(v, kMiddle);
    scene.push_back(
        Tube(std::move(outline), kUnlit, kUnlitThickness / 2, Shading::kMatte).WithTone(0.3));
  }
  for (const auto& segment : segments) {
    if (lit.find(segment.name) == std::string_view::npos) continue;
    Vec2 from = segment.from, to = segment.to;
    if (digit == 1) {
      from.x += kOneShift;
      to.x += kOneShift;
    }
    Polygon outline = Segment(from, to, kThickness);
    for (Vec2& v : outline) v = Slanted(v, kMiddle);
    scene.push_back(Glow(std::move(outline), kLit, kThickness / 2));
  }
  return scene;
}

}  // namespace

const GlyphRows& GlyphOf(char c) {
  static constexpr GlyphRows kBlank{"", "", "", "", "", "", ""};
  const Glyph* glyph = FindGlyph(c);
  return glyph != nullptr ? glyph->rows : kBlank;
}

IndexedImage GlyphSprite(char c) {
  IndexedImage image(kGlyphWidth, kGlyphHeight);
  const GlyphRows& rows = GlyphOf(c);
  const int offset = CellOffset(rows);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
      if (rows[y][x] == '#') image.at(offset + x, y) = kGrid;
    }
  }
  return image;
}

IndexedImage BigDigitSprite(int digit) {
  std::vector<Ramp> ramps(kDigitRoles);
  ramps[kLit - 1] = RampOf(ranges::kGold);
  ramps[kUnlit - 1] = RampOf(ranges::kGold, 13, 0);
  const View view{15, 34, {0, 0}, 1.0, 0, 6};
  return Resolve(Render(DigitScene(digit), view), ramps, kPalette);
}

int LabelWidth(std::string_view text) {
  int width = 0;
  for (char c : text) width += InkWidth(LabelRowsOf(c)) + 1;
  return width > 0 ? width - 1 : 0;
}

void DrawLabel(IndexedImage& image, int x, int y, std::string_view text, const LabelStyle& style) {
  auto draw = [&](int dx, int dy, bool shadow) {
    int pen = x + dx;
    for (char c : text) {
      const auto rows = LabelRowsOf(c);
      for (int row = 0; row < kLabelRows; ++row) {
        for (int col = 0; col < static_cast<int>(rows[row].size()); ++col) {
          if (rows[row][col] != '#') continue;
          image.Put(pen + col, y + dy + row, shadow ? style.shadow : style.ink[row]);
        }
      }
      pen += InkWidth(rows) + 1;
    }
  };
  if (style.shadow != 0) draw(1, 1, true);
  draw(0, 0, false);
}

}  // namespace kelmora::artgen
