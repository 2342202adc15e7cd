// The menu bitmap: bevelled slate panels with raised steel buttons, sunken value boxes and gold
// lettering. Every control is drawn in the console colours and nothing else is, so a control's
// extent is plain to see; each one fills exactly the screen area that answers the mouse for it
// once the game has scaled its panel.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "artgen/bitmaps.h"
#include "artgen/font.h"
#include "artgen/layout.h"
#include "artgen/palette.h"
#include "artgen/raster.h"

namespace kelmora::artgen {

namespace {

using ranges::kConsole;
using ranges::kSlate;

// ---- Where the controls go -------------------------------------------------------------------

// The source pixels along one axis whose every screen pixel lies strictly between `low` and
// `high`, as [first, last + 1).
std::array<int, 2> SpanWithin(int sourceStart, int sourceLength, int destStart, int destLength,
                              int low, int high) {
  int first = sourceStart + sourceLength;
  int last = sourceStart - 1;
  std::vector<bool> outside(static_cast<std::size_t>(sourceLength), false);
  std::vector<bool> shown(static_cast<std::size_t>(sourceLength), false);
  for (int d = 0; d < destLength; ++d) {
    const int s = d * sourceLength / destLength;
    shown[static_cast<std::size_t>(s)] = true;
    const int screen = destStart + d;
    if (screen <= low || screen >= high) outside[static_cast<std::size_t>(s)] = true;
  }
  for (int s = 0; s < sourceLength; ++s) {
    if (!shown[static_cast<std::size_t>(s)] || outside[static_cast<std::size_t>(s)]) continue;
    first = std::min(first, sourceStart + s);
    last = std::max(last, sourceStart + s);
  }
  return {first, last + 1};
}

// The largest rectangle of the panel's source that the game shows inside a hot area.
Rect FaceOf(const Panel& panel, const HotArea& area) {
  const Rect& s = panel.source;
  const Rect& d = panel.destination;
  const auto x = SpanWithin(s.left, s.width(), d.left, d.width(), area.left, area.right);
  const auto y = SpanWithin(s.top, s.height(), d.top, d.height(), area.top, area.bottom);
  return {x[0], y[0], x[1], y[1]};
}

// ---- Drawing helpers -------------------------------------------------------------------------

void HLine(IndexedImage& image, int left, int right, int y, std::uint8_t index) {
  image.Fill({left, y, right, y + 1}, index);
}

void VLine(IndexedImage& image, int x, int top, int bottom, std::uint8_t index) {
  image.Fill({x, top, x + 1, bottom}, index);
}

// A one-pixel bevel: `light` along the top and left, `dark` along the bottom and right.
void Bevel(IndexedImage& image, const Rect& r, std::uint8_t light, std::uint8_t dark) {
  HLine(image, r.left, r.right - 1, r.top, light);
  VLine(image, r.left, r.top, r.bottom - 1, light);
  HLine(image, r.left + 1, r.right, r.bottom - 1, dark);
  VLine(image, r.right - 1, r.top + 1, r.bottom, dark);
}

void Outline(IndexedImage& image, const Rect& r, std::uint8_t index) {
  Bevel(image, r, index, index);
}

Rect Inset(const Rect& r, int by) {
  return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// Fills with a ramp from `topShade` to `bottomShade` (offsets into `range`), top to bottom,
// ordered-dithered between neighbouring shades so that no bands show.
void Gradient(IndexedImage& image, const Rect& r, Range range, int topShade, int bottomShade) {
  static constexpr int kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  const int rows = std::max(1, r.height() - 1);
  const int step = bottomShade >= topShade ? 1 : -1;
  for (int y = r.top; y < r.bottom; ++y) {
    // How far down the ramp this row is, in sixteenths of a shade.
    const int sixteenths = std::abs(bottomShade - topShade) * 16 * (y - r.top) / rows;
    const int shade = topShade + step * (sixteenths / 16);
    for (int x = r.left; x < r.right; ++x) {
      const bool further = sixteenths % 16 > kBayer[y & 3][x & 3];
      image.Put(x, y, range[further ? shade + step : shade]);
    }
  }
}

using ranges::kGold;

constexpr LabelStyle kButtonLettering{
    {kGold[0], kGold[1], kGold[2], kGold[3], kGold[4], kGold[5], kGold[6], kGold[6], kGold[7]},
    kConsole[12]};

constexpr LabelStyle kPanelLettering{
    {kGold[1], kGold[2], kGold[3], kGold[4], kGold[5], kGold[6], kGold[7], kGold[7], kGold[8]},
    kSlate[14]};

// Draws `text` centred in `r`; its shadow falls a pixel below and to the right.
void CentredLabel(IndexedImage& image, const Rect& r, std::string_view text,
                  const LabelStyle& style) {
  const int x = r.left + (r.width() - LabelWidth(text)) / 2;
  const int y = r.top + (r.height() - 7) / 2;
  DrawLabel(image, x, y, text, style);
}

// ---- Panel parts -----------------------------------------------------------------------------

// Slate plating: a dark edge, a bevel, and a softly shaded face with a rivet in each corner.
void DrawPlate(IndexedImage& image, const Rect& r) {
  Gradient(image, r, kSlate, 7, 10);
  Outline(image, r, kSlate[15]);
  Bevel(image, Inset(r, 1), kSlate[3], kSlate[12]);
  Bevel(image, Inset(r, 2), kSlate[6], kSlate[11]);
  const Rect inner = Inset(r, 4);
  for (int x : {inner.left, inner.right - 2}) {
    for (int y : {inner.top, inner.bottom - 2}) {
      image.Put(x, y, kSlate[2]);
      image.Put(x + 1, y, kSlate[6]);
      image.Put(x, y + 1, kSlate[6]);
      image.Put(x + 1, y + 1, kSlate[13]);
    }
  }
}

// A groove across a plate.
void DrawGroove(IndexedImage& image, int left, int right, int y) {
  HLine(image, left, right, y, kSlate[13]);
  HLine(image, left, right, y + 1, kSlate[5]);
}

// A raised steel button with its label.
void DrawButton(IndexedImage& image, const Rect& r, std::string_view label) {
  Gradient(image, r, kConsole, 3, 7);
  Outline(image, r, kConsole[15]);
  Bevel(image, Inset(r, 1), kConsole[0], kConsole[10]);
  CentredLabel(image, Inset(r, 1), label, kButtonLettering);
}

// A sunken box: dark at the top left, lit at the bottom right.
void DrawWell(IndexedImage& image, const Rect& r) {
  Gradient(image, r, kConsole, 14, 12);
  Bevel(image, r, kConsole[11], kConsole[3]);
  Bevel(image, Inset(r, 1), kConsole[15], kConsole[9]);
}

enum MarkRole { kMarkInk = 1 };

// The tick and the cross, shaded like the rest of the artwork.
IndexedImage Mark(bool tick, int size) {
  const double s = size / 16.0;
  Polygon outline;
  if (tick) {
    outline = {{2.6 * s, 8.2 * s},  {4.6 * s, 6.4 * s},  {6.8 * s, 9.0 * s},
               {11.6 * s, 2.6 * s}, {13.6 * s, 4.2 * s}, {7.0 * s, 13.2 * s}};
  } else {
    // Two bars crossing in the middle: arm ends cut square, `w` the half-width of a bar.
    const double a = 2.0 * s, lo = 3.4 * s, hi = 12.6 * s, m = 8.0 * s;
    const double w = 1.45 * s * std::sqrt(2.0);
    outline = {{lo, lo + a}, {lo + a, lo}, {m, m - w}, {hi - a, lo}, {hi, lo + a}, {m + w, m},
               {hi, hi - a}, {hi - a, hi}, {m, m + w}, {lo + a, hi}, {lo, hi - a}, {m - w, m}};
  }
  const Scene scene{Tube(outline, kMarkInk, 1.0 * s)};
  const std::vector<Ramp> ramps{RampOf(tick ? ranges::kEmerald : ranges::kCrimson, 0, 2)};
  const View view{size, size, {0, 0}, 1.0, 0, 6};
  return Resolve(Render(scene, view), ramps, kPalette, 0.35);
}

void DrawCheckBox(IndexedImage& image, const Rect& r, bool ticked) {
  DrawWell(image, r);
  image.Paste(Mark(ticked, r.width()), r.left, r.top, true);
}

// ---- The panels ------------------------------------------------------------------------------

void DrawMainMenu(IndexedImage& image) {
  const Panel& panel = kMainMenu;
  DrawPlate(image, panel.source);
  for (std::string_view name : {"New Game", "Options", "Exit"}) {
    DrawButton(image, FaceOf(panel, HotAreaNamed(panel, name)), name);
  }
}

void DrawOptionsPanel(IndexedImage& image) {
  const Panel& panel = kOptionsPanel;
  const Rect& r = panel.source;
  DrawPlate(image, r);
  // Setting names, each level with its control.
  for (std::string_view name :
       {"Explosion Jitter", "Enemy Number", "Particle Number", "Power Up Number"}) {
    const Rect control = FaceOf(panel, HotAreaNamed(panel, name));
    const int y = control.top + (control.height() - 7) / 2;
    DrawLabel(image, r.left + 8, y, name, kPanelLettering);
    if (name != "Explosion Jitter") DrawWell(image, control);
  }
  const Rect ok = FaceOf(panel, HotAreaNamed(panel, "Ok"));
  DrawGroove(image, r.left + 5, r.right - 5, ok.top - 4);
  DrawButton(image, ok, "Ok");
  DrawButton(image, FaceOf(panel, HotAreaNamed(panel, "Cancel")), "Cancel");
}

void DrawCheckBoxImage(IndexedImage& image, const Panel& panel, bool ticked) {
  DrawCheckBox(image, FaceOf(panel, panel.hotAreas[0]), ticked);
}

void DrawExitDialog(IndexedImage& image) {
  const Panel& panel = kExitDialog;
  Rect r = panel.source;
  // The game shows one row fewer than the image has: the last row never reaches the screen, so
  // the plate ends a row early and the spare row repeats its edge.
  r.bottom -= 1;
  DrawPlate(image, r);
  HLine(image, r.left, r.right, r.bottom, kSlate[15]);
  const Rect yes = FaceOf(panel, HotAreaNamed(panel, "Yes"));
  const std::string_view question = "Are you sure you want to quit?";
  DrawLabel(image, r.left + (r.width() - LabelWidth(question)) / 2,
            r.top + (yes.top - r.top - 7) / 2, question, kPanelLettering);
  DrawButton(image, yes, "Yes");
  DrawButton(image, FaceOf(panel, HotAreaNamed(panel, "No")), "No");
}

}  // namespace

IndexedImage MenuBitmap() {
  IndexedImage image(kBitmapWidth, kBitmapHeight, kKey);
  DrawMainMenu(image);
  DrawOptionsPanel(image);
  DrawCheckBoxImage(image, kCheckBoxOn, true);
  DrawCheckBoxImage(image, kCheckBoxOff, false);
  DrawExitDialog(image);
  return image;
}

}  // namespace kelmora::artgen
